// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow_fixture.h"

#include "hero/game_save_folder.h"

#include <QDir>
#include <QFile>

void MainWindowTest::SetUp() {
    TestApplication();
    ASSERT_TRUE(root.isValid());
    const QString base = root.path() + QLatin1Char('/');
    folders.Documents = base + QStringLiteral("Documents/");
    folders.Pictures = base + QStringLiteral("Pictures/");
    folders.Save = folders.Documents + QStringLiteral("Dungeon Siege/Save/");
    folders.Program = base + QStringLiteral("program/");
    folders.Imports = folders.Program + QStringLiteral("Imports/");
    folders.SettingsFile = folders.Program + QStringLiteral("Thalrex.INI");
    for (const QString &folder : {folders.Documents, folders.Pictures, folders.Program})
        ASSERT_TRUE(QDir().mkpath(folder));
    SetGameSaveFolder(folders.Save.toStdString());
}

TfrmMain &MainWindowTest::Start() {
    window = std::make_unique<TfrmMain>(folders);
    window->show();
    return *window;
}

QString MainWindowTest::MakeHeroFolder(const QString &folder, const QString &name, int gold) const {
    TDSHero hero;
    hero.NewHero();
    hero.SetName(name.toStdString());
    hero.SetGold(gold);
    hero.SaveFolder(folder.toStdString());
    return QString::fromStdString(hero.Folder());
}

void MainWindowTest::WriteFile(const QString &path, const QString &text) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

QString MainWindowTest::ReadFile(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
