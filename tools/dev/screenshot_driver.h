// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/qt_desktop.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdio>

// What a screenshot driver runs on: the application, its arguments (the last one is the picture
// to write; before it, the driver's own arguments, as many as usage names) and the Qt desktop.
// Run under a virtual X server.
class ScreenshotDriver {
public:
    ScreenshotDriver(int &argc, char **argv, int ownArguments = 0, const char *usage = "")
        : m_application(argc, argv) {
        if (argc == ownArguments + 2)
            m_picture = QString::fromLocal8Bit(argv[argc - 1]);
        else
            std::fprintf(stderr, "usage: %s %s<picture.png>\n", argv[0], usage);
    }

    // False when the picture was not named.
    bool ready() const { return !m_picture.isEmpty(); }
    Desktop &desktop() { return m_desktop; }

    // Shows the window near the screen's corner; false when it never appears.
    static bool show(QWidget &window) {
        window.move(40, 40);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Saves what the screen shows of the widget's window frame.
    bool save(const QWidget &widget) const { return save(widget, widget.frameGeometry()); }

    // Saves what the screen shows in the area (screen coordinates) around the widget.
    bool save(const QWidget &widget, const QRect &area) const {
        return widget.screen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .save(m_picture);
    }

private:
    QApplication m_application;
    QtDesktop m_desktop;
    QString m_picture;
};
