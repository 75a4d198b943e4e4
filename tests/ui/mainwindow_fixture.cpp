// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow_fixture.h"

#include "hero/game_save_folder.h"

#include <QDir>
#include <QFile>

void MainWindowTest::SetUp() {
    testApplication();
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
    setGameSaveFolder(folders.Save.toStdString());
}

TfrmMain &MainWindowTest::start() {
    window = std::make_unique<TfrmMain>(folders);
    window->show();
    return *window;
}

QString MainWindowTest::makeHeroFolder(const QString &folder, const QString &name, int gold) const {
    TDSHero hero;
    hero.newHero();
    hero.setName(name.toStdString());
    hero.setGold(gold);
    hero.saveFolder(folder.toStdString());
    return QString::fromStdString(hero.folder());
}

void MainWindowTest::writeFile(const QString &path, const QString &text) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

QString MainWindowTest::readFile(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
