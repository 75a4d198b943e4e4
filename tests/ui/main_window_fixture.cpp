// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"

#include <QDir>
#include <QFile>

void MainWindowTest::SetUp() {
    testApplication();
    ASSERT_TRUE(root.isValid());
    const QString base = root.path() + QLatin1Char('/');
    folders.documents = base + QStringLiteral("Documents/");
    folders.pictures = base + QStringLiteral("Pictures/");
    folders.save = folders.documents + QStringLiteral("Dungeon Siege/Save/");
    folders.program = base + QStringLiteral("program/");
    folders.imports = folders.program + QStringLiteral("Imports/");
    folders.backups = base + QStringLiteral("Backups/");
    folders.settingsFile = folders.program + QStringLiteral("Thalrex.INI");
    for (const QString &folder : {folders.documents, folders.pictures, folders.program})
        ASSERT_TRUE(QDir().mkpath(folder));
}

MainWindow &MainWindowTest::makeWindow() {
    stop();
    session =
        std::make_unique<EditorSession>(folders, desktop, [this] { return foundSaveFolders; });
    window = std::make_unique<MainWindow>(*session);
    return *window;
}

MainWindow &MainWindowTest::start() {
    makeWindow().show();
    return *window;
}

void MainWindowTest::stop() {
    window.reset();
    session.reset();
}

QString MainWindowTest::shadowText(const QString &label) const {
    const QRect place = find(label)->geometry().translated(1, 1);
    for (const QLabel *shadow : find<QWidget>(QStringLiteral("header"))->findChildren<QLabel *>())
        if (shadow->objectName().isEmpty() && shadow->geometry() == place)
            return shadow->text();
    ADD_FAILURE() << "no shadow under " << label.toStdString();
    return {};
}

QString MainWindowTest::makeHeroFolder(const QString &folder, const QString &name, int gold) const {
    Hero hero;
    hero.startNew();
    hero.setName(name.toStdString());
    hero.setGold(gold);
    hero.saveFolder(folder.toStdString(), folders.save.toStdString());
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
