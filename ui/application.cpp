// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "exchange/desktop.h"

#include <exception>

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        if (m_desktop)
            m_desktop->show(QString::fromUtf8(error.what()), MsgType::Error);
    }
    return false;
}
