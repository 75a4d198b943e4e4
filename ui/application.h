// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

class Desktop;

// The editor's application object: an error that escapes an event handler is shown in an error
// message box on the desktop it is given, and the program goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    void setDesktop(Desktop *desktop) { m_desktop = desktop; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    Desktop *m_desktop = nullptr;
};
