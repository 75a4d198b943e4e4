// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero.h"
#include "session/editor_session.h"
#include "ui/main_window.h"

#include "qtprint.h"
#include "test_application.h"
#include "test_desktop.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The editor over folders of its own in a temporary folder, with a scripted desktop: the session
// and its main window, whose widgets and actions the tests find by name as a user finds them by
// caption.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Makes the session (reading any settings file already written) and its window, unshown.
    MainWindow &makeWindow();
    // The same, shown as the program starts.
    MainWindow &start();
    // Destroys the window and the session as the program end does.
    void stop();

    Hero &hero() { return session->hero(); }
    template <typename Widget = QLabel> Widget *find(const QString &name) const {
        auto *widget = window->findChild<Widget *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QAction *action(const QString &name) const { return find<QAction>(name); }
    QMenu *menu(const QString &name) const { return find<QMenu>(name); }
    QString text(const QString &label) const { return find(label)->text(); }
    // The unnamed shadow under a header label: one pixel right of and below it.
    QString shadowText(const QString &label) const;
    // Opens the menu as far as its items are concerned: they take their state.
    void openMenu(const QString &name) const { emit menu(name)->aboutToShow(); }

    // A hero folder on disk, saved by a hero of its own.
    QString makeHeroFolder(const QString &folder, const QString &name, int gold = 100) const;
    void writeFile(const QString &path, const QString &text) const;
    QString readFile(const QString &path) const;

    QTemporaryDir root;
    ProgramFolders folders;
    std::vector<GameSaveFolder> foundSaveFolders; // what the start-up's search finds
    TestDesktop desktop; // outlives the window, which may still prompt while it is destroyed
    std::unique_ptr<EditorSession> session;
    std::unique_ptr<MainWindow> window;
};
