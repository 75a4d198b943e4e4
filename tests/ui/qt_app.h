#pragma once

#include <QApplication>

// The one application object the widget tests need; made on first use.
inline QApplication &TestApp() {
    static int argc = 1;
    static char name[] = "thalrex_tests";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
