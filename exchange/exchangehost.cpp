// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/exchangehost.h"

#include "exchange/messages.h"

#include <exception>

void ExchangeHost::runCommand(const std::function<void()> &command) {
    try {
        command();
    } catch (const std::exception &e) {
        showMessage(QString::fromUtf8(e.what()), MsgType::Error);
    }
}
