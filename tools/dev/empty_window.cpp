// SPDX-License-Identifier: GPL-3.0-or-later
// An empty Qt Widgets window, started the same way as the editor for comparing start-up times.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty");
    window.resize(361, 195);
    window.show();
    return app.exec();
}
