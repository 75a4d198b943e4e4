// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "tests/support/qtprint.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

QString readText(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

void writeText(const QString &path, const QString &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

StoredSettings sampleSettings() {
    StoredSettings s;
    s.windowTop = 442;
    s.windowLeft = 492;
    s.advanced = true;
    s.heroFolder = QStringLiteral("/home/ann/Documents/Heroes/Ulf/");
    s.portraitFolder = QStringLiteral("/home/ann/Pictures/");
    s.partyFolder = QStringLiteral("/home/ann/Documents/Dungeon Siege/Save/");
    s.saveFolder =
        QStringLiteral("/home/ann/.wine/drive_c/users/ann/Documents/Dungeon Siege/Save/");
    s.recentHeroes = {QStringLiteral("/home/ann/Documents/Heroes/Ulf/=\"Ulf - Level 12 05\"")};
    s.settingsList = {QStringLiteral("dwarfhead=default"), QStringLiteral("TankDlgAlways=0")};
    return s;
}

auto fields(const StoredSettings &s) {
    return std::tie(s.windowTop, s.windowLeft, s.advanced, s.heroFolder, s.portraitFolder,
                    s.partyFolder, s.saveFolder, s.recentHeroes, s.settingsList);
}

class SettingsFile : public testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Thalrex.INI"));
};

} // namespace

TEST_F(SettingsFile, WrittenFileHasExactlyTheSectionsKeysAndForms) {
    ASSERT_TRUE(writeSettingsFile(path, sampleSettings()));
    EXPECT_EQ(readText(path),
              QStringLiteral("[Main]\n"
                             "Advanced1.Checked=True\n"
                             "Hero.Folder=/home/ann/Documents/Heroes/Ulf/\n"
                             "dlgPic.InitialDir=/home/ann/Pictures/\n"
                             "dlgOpenTank.InitialDir=/home/ann/Documents/Dungeon Siege/Save/\n"
                             "SaveFolder=/home/ann/.wine/drive_c/users/ann/Documents/Dungeon "
                             "Siege/Save/\n"
                             "FormTop=442\n"
                             "FormLeft=492\n"
                             "\n"
                             "[Main.Hero.RecentHeros]\n"
                             "Count=1\n"
                             "Item0=/home/ann/Documents/Heroes/Ulf/=\"Ulf - Level 12 05\"\n"
                             "\n"
                             "[Main.moc.Data]\n"
                             "Count=2\n"
                             "Item0=dwarfhead=default\n"
                             "Item1=TankDlgAlways=0\n"));
}

TEST_F(SettingsFile, ReadsBackWhatItWrote) {
    const StoredSettings written = sampleSettings();
    ASSERT_TRUE(writeSettingsFile(path, written));
    StoredSettings read;
    readSettingsFile(path, read);
    EXPECT_EQ(fields(read), fields(written));
}

TEST_F(SettingsFile, MissingFileOrKeysLeaveTheDefaults) {
    StoredSettings settings = sampleSettings();
    readSettingsFile(dir.filePath(QStringLiteral("none.INI")), settings);
    EXPECT_EQ(fields(settings), fields(sampleSettings()));

    writeText(path, QStringLiteral("[Main]\nFormTop=7\nFormLeft=x12\nAdvanced1.Checked=maybe\n"
                                   "[Main.Hero.RecentHeros]\nCount=0\nItem0=/stale/=\"x\"\n"
                                   "[Main.moc.Data]\nCount=2\nItem0=a=1\n"));
    readSettingsFile(path, settings);
    EXPECT_EQ(settings.windowTop, 7);
    EXPECT_EQ(settings.windowLeft, 492) << "not a number";
    EXPECT_TRUE(settings.advanced) << "not a boolean";
    EXPECT_EQ(settings.heroFolder, sampleSettings().heroFolder);
    EXPECT_EQ(settings.recentHeroes, sampleSettings().recentHeroes) << "Count 0 keeps the list";
    EXPECT_EQ(settings.settingsList, QStringList({QStringLiteral("a=1"), QString()}))
        << "a missing item reads empty";
}

TEST_F(SettingsFile, RewritingReplacesListSectionsAndKeepsForeignEntries) {
    writeText(path, QStringLiteral("[Other]\nkeep=me\n"
                                   "[Main]\nFormLeft=1\nCustom=yes\n"
                                   "[Main.Hero.RecentHeros]\nCount=3\nItem0=a\nItem1=b\nItem2=c\n"
                                   "[Main.moc.Data]\nCount=1\nItem0=old=1\n"));
    StoredSettings settings = sampleSettings();
    settings.recentHeroes.clear();
    settings.heroFolder = QStringLiteral("  /padded/  ");
    ASSERT_TRUE(writeSettingsFile(path, settings));

    const QString text = readText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("[Other]\nkeep=me\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Custom=yes\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("FormLeft=492\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Hero.Folder=/padded/\n"))) << "values are trimmed";
    EXPECT_FALSE(text.contains(QStringLiteral("[Main.Hero.RecentHeros]")))
        << "an empty list leaves its section erased";
    EXPECT_FALSE(text.contains(QStringLiteral("old=1")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Main.moc.Data]\nCount=2\nItem0=dwarfhead=default\n"
                                             "Item1=TankDlgAlways=0\n")));
}

TEST_F(SettingsFile, UnwritableLocationIsReported) {
    EXPECT_FALSE(
        writeSettingsFile(dir.filePath(QStringLiteral("missing/Thalrex.INI")), sampleSettings()));
    EXPECT_FALSE(writeSettingsFile(dir.path(), sampleSettings())) << "a folder is in the way";
}
