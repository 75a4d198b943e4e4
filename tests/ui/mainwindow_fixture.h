// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero.h"
#include "ui/clicklabel.h"
#include "ui/frmmain.h"

#include "qtprint.h"
#include "testapplication.h"
#include "test_desktop.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main window over folders of its own in a temporary folder, with a scripted desktop.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Makes the window (reading any settings file already written) and shows it.
    TfrmMain &start();
    // Destroys the window as the program end does.
    void stop() { window.reset(); }

    // A hero folder on disk, saved by a hero of its own.
    QString makeHeroFolder(const QString &folder, const QString &name, int gold = 100) const;
    void writeFile(const QString &path, const QString &text) const;
    QString readFile(const QString &path) const;

    QTemporaryDir root;
    ProgramFolders folders;
    TestDesktop desktop; // outlives the window, which may still prompt while it is destroyed
    std::unique_ptr<TfrmMain> window;
};
