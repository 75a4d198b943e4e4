#include "testapplication.h"

QApplication &TestApplication() {
    static int argc = 1;
    static char name[] = "thalrex_ui_tests";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
