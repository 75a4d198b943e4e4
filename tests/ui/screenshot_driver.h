#pragma once

#include "ui/qtdesktop.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdio>

// What a screenshot driver runs on: the application, its one argument (the picture to write)
// and the Qt desktop. Run under a virtual X server.
class ScreenshotDriver {
public:
    ScreenshotDriver(int &argc, char **argv) : application(argc, argv) {
        if (argc == 2)
            picture = QString::fromLocal8Bit(argv[1]);
        else
            std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        setDesktop(&desktop);
    }
    ~ScreenshotDriver() { setDesktop(nullptr); }

    // False when the picture was not named.
    bool ready() const { return !picture.isEmpty(); }

    // Shows the window near the screen's corner; false when it never appears.
    static bool show(QWidget &window) {
        window.move(40, 40);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Saves what the screen shows in the area (screen coordinates) around the widget.
    bool save(const QWidget &widget, const QRect &area) const {
        return widget.screen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .save(picture);
    }

private:
    QApplication application;
    QtDesktop desktop;
    QString picture;
};
