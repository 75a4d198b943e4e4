// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The editor's application object: an error that escapes an event handler is shown in an error
// message box, and the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
