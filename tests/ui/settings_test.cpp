// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settingsfile.h"
#include "ui/settingslist.h"

#include "qtprint.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TStoredSettings sampleSettings() {
    TStoredSettings s;
    s.FormTop = 442;
    s.FormLeft = 492;
    s.Advanced = true;
    s.HeroFolder = QStringLiteral("/home/ann/Documents/Heroes/Ulf/");
    s.PicInitialDir = QStringLiteral("/home/ann/Pictures/");
    s.OpenTankInitialDir = QStringLiteral("/home/ann/Documents/Dungeon Siege/Save/");
    s.recentHeros = {QStringLiteral("/home/ann/Documents/Heroes/Ulf/=\"Ulf - Level 12 05\"")};
    s.Data = {QStringLiteral("dwarfhead=default"), QStringLiteral("TankDlgAlways=0")};
    return s;
}

} // namespace

TEST(SettingsList, FirstRunHoldsTheDefaultSkinsAndExportSwitchInOrder) {
    const TSettingsList list;
    ASSERT_EQ(list.lines().size(), 12);
    EXPECT_EQ(list.lines().first(), QStringLiteral("farmboyhead=default"));
    EXPECT_EQ(list.lines()[3], QStringLiteral("farmgirlhead=m_c_gah_fg_hlmt_head-03"));
    EXPECT_EQ(list.lines()[10], QStringLiteral("skeleton_goodskin0=b_c_ecm_sk"));
    EXPECT_EQ(list.lines().last(), QStringLiteral("TankDlgAlways=0"));
    EXPECT_FALSE(list.hasKey(QStringLiteral("TankCreator")));
}

TEST(SettingsList, KeysMatchWithoutRegardToCaseAndTheFirstLineWins) {
    TSettingsList list;
    list.setLines({QStringLiteral("DwarfHead=first"), QStringLiteral("dwarfhead=second"),
                   QStringLiteral("novalue"), QStringLiteral("=empty")});
    EXPECT_TRUE(list.hasKey(QStringLiteral("DWARFHEAD")));
    EXPECT_EQ(list.value(QStringLiteral("dwarfHEAD")), QStringLiteral("first"));
    EXPECT_FALSE(list.hasKey(QStringLiteral("novalue")));
    EXPECT_EQ(list.value(QStringLiteral("missing")), QString());
    EXPECT_EQ(list.value(QString()), QStringLiteral("empty"));
}

TEST(SettingsList, WritingReplacesInPlaceOrAppends) {
    TSettingsList list;
    list.setLines(
        {QStringLiteral("a=1"), QStringLiteral("TankDlgOut=/old"), QStringLiteral("b=2")});
    list.setValue(QStringLiteral("tankdlgout"), QStringLiteral("/new"));
    list.setValue(QStringLiteral("TankCreator"), QStringLiteral("/opt/RTC.exe"));
    EXPECT_EQ(list.lines(),
              QStringList({QStringLiteral("a=1"), QStringLiteral("tankdlgout=/new"),
                           QStringLiteral("b=2"), QStringLiteral("TankCreator=/opt/RTC.exe")}));
}

TEST(SettingsList, BooleansAreTrueOnlyForExactlyOne) {
    TSettingsList list;
    struct Case {
        const char *value;
        bool expected;
    };
    for (const Case &c : {Case{"1", true}, Case{"0", false}, Case{"True", false}, Case{"01", false},
                          Case{" 1", false}, Case{"", false}}) {
        list.setValue(QStringLiteral("TankDlgAlways"), QString::fromLatin1(c.value));
        EXPECT_EQ(list.Bool(QStringLiteral("tankdlgalways")), c.expected) << c.value;
    }
    list.setBool(QStringLiteral("TankDlgAlways"), true);
    EXPECT_EQ(list.value(QStringLiteral("TankDlgAlways")), QStringLiteral("1"));
    list.setBool(QStringLiteral("TankDlgAlways"), false);
    EXPECT_EQ(list.value(QStringLiteral("TankDlgAlways")), QStringLiteral("0"));
}

TEST(SettingsFile, WrittenFileHasExactlyTheSectionsKeysAndForms) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Thalrex.INI"));
    ASSERT_TRUE(writeSettingsFile(path, sampleSettings()));
    EXPECT_EQ(readText(path),
              QStringLiteral("[Main]\n"
                             "Advanced1.Checked=True\n"
                             "Hero.Folder=/home/ann/Documents/Heroes/Ulf/\n"
                             "dlgPic.InitialDir=/home/ann/Pictures/\n"
                             "dlgOpenTank.InitialDir=/home/ann/Documents/Dungeon Siege/Save/\n"
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

TEST(SettingsFile, ReadsBackWhatItWrote) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Thalrex.INI"));
    const TStoredSettings written = sampleSettings();
    ASSERT_TRUE(writeSettingsFile(path, written));
    TStoredSettings read;
    readSettingsFile(path, read);
    EXPECT_EQ(read.FormTop, written.FormTop);
    EXPECT_EQ(read.FormLeft, written.FormLeft);
    EXPECT_EQ(read.Advanced, written.Advanced);
    EXPECT_EQ(read.HeroFolder, written.HeroFolder);
    EXPECT_EQ(read.PicInitialDir, written.PicInitialDir);
    EXPECT_EQ(read.OpenTankInitialDir, written.OpenTankInitialDir);
    EXPECT_EQ(read.recentHeros, written.recentHeros);
    EXPECT_EQ(read.Data, written.Data);
}

TEST(SettingsFile, MissingFileOrKeysLeaveTheDefaults) {
    QTemporaryDir dir;
    TStoredSettings settings = sampleSettings();
    readSettingsFile(dir.filePath(QStringLiteral("none.INI")), settings);
    EXPECT_EQ(settings.HeroFolder, sampleSettings().HeroFolder);

    const QString path = dir.filePath(QStringLiteral("Thalrex.INI"));
    writeText(path, QStringLiteral("[Main]\nFormTop=7\nFormLeft=x12\nAdvanced1.Checked=maybe\n"
                                   "[Main.Hero.RecentHeros]\nCount=0\nItem0=/stale/=\"x\"\n"
                                   "[Main.moc.Data]\nCount=2\nItem0=a=1\n"));
    readSettingsFile(path, settings);
    EXPECT_EQ(settings.FormTop, 7);
    EXPECT_EQ(settings.FormLeft, 492) << "not a number";
    EXPECT_TRUE(settings.Advanced) << "not a boolean";
    EXPECT_EQ(settings.HeroFolder, sampleSettings().HeroFolder);
    EXPECT_EQ(settings.recentHeros, sampleSettings().recentHeros) << "Count 0 keeps the list";
    EXPECT_EQ(settings.Data, QStringList({QStringLiteral("a=1"), QString()}))
        << "a missing item reads empty";
}

TEST(SettingsFile, RewritingReplacesListSectionsAndKeepsForeignEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Thalrex.INI"));
    writeText(path, QStringLiteral("[Other]\nkeep=me\n"
                                   "[Main]\nFormLeft=1\nCustom=yes\n"
                                   "[Main.Hero.RecentHeros]\nCount=3\nItem0=a\nItem1=b\nItem2=c\n"
                                   "[Main.moc.Data]\nCount=1\nItem0=old=1\n"));
    TStoredSettings settings = sampleSettings();
    settings.recentHeros.clear();
    settings.HeroFolder = QStringLiteral("  /padded/  ");
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

TEST(SettingsFile, UnwritableLocationIsReported) {
    QTemporaryDir dir;
    EXPECT_FALSE(
        writeSettingsFile(dir.filePath(QStringLiteral("missing/Thalrex.INI")), sampleSettings()));
    EXPECT_FALSE(writeSettingsFile(dir.path(), sampleSettings())) << "a folder is in the way";
}
