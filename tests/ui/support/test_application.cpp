// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_application.h"

#include "ui/application.h"

Application &testApplication() {
    static int argc = 1;
    static char name[] = "thalrex_ui_tests";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics (the input device list) are already gone, and
    // destroying the application after them crashes.
    static auto *application = new Application(argc, argv);
    return *application;
}
