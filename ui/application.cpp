#include "ui/application.h"

#include "exchange/desktop.h"

#include <exception>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        desktop().message(QString::fromUtf8(error.what()), applicationDisplayName(), MsgType::Error,
                          MsgButtons::Ok, MsgAnswer::Ok);
    }
    return false;
}
