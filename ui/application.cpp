// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "exchange/messages.h"

#include <exception>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showMessage(QString::fromUtf8(error.what()), MsgType::Error);
    }
    return false;
}
