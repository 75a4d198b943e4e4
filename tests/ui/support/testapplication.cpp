// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapplication.h"

#include "ui/application.h"

QApplication &testApplication() {
    static int argc = 1;
    static char name[] = "thalrex_ui_tests";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics (the input device list) are already gone, and
    // destroying the application after them crashes.
    static auto *application = new TApplication(argc, argv);
    return *application;
}
