// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_list.h"

#include "tests/support/qtprint.h"

#include <gtest/gtest.h>

TEST(SettingsList, FirstRunHoldsTheDefaultSkinsAndExportSwitchInOrder) {
    const SettingsList list;
    ASSERT_EQ(list.lines().size(), 12);
    EXPECT_EQ(list.lines().first(), QStringLiteral("farmboyhead=default"));
    EXPECT_EQ(list.lines()[3], QStringLiteral("farmgirlhead=m_c_gah_fg_hlmt_head-03"));
    EXPECT_EQ(list.lines()[10], QStringLiteral("skeleton_goodskin0=b_c_ecm_sk"));
    EXPECT_EQ(list.lines().last(), QStringLiteral("TankDlgAlways=0"));
    EXPECT_FALSE(list.hasKey(QStringLiteral("TankCreator")));
}

TEST(SettingsList, KeysMatchWithoutRegardToCaseAndTheFirstLineWins) {
    SettingsList list;
    list.setLines({QStringLiteral("DwarfHead=first"), QStringLiteral("dwarfhead=second"),
                   QStringLiteral("novalue"), QStringLiteral("=empty")});
    EXPECT_TRUE(list.hasKey(QStringLiteral("DWARFHEAD")));
    EXPECT_EQ(list.value(QStringLiteral("dwarfHEAD")), QStringLiteral("first"));
    EXPECT_FALSE(list.hasKey(QStringLiteral("novalue")));
    EXPECT_EQ(list.value(QStringLiteral("missing")), QString());
    EXPECT_EQ(list.value(QString()), QStringLiteral("empty"));
}

TEST(SettingsList, WritingReplacesInPlaceOrAppends) {
    SettingsList list;
    list.setLines(
        {QStringLiteral("a=1"), QStringLiteral("TankDlgOut=/old"), QStringLiteral("b=2")});
    list.setValue(QStringLiteral("tankdlgout"), QStringLiteral("/new"));
    list.setValue(QStringLiteral("TankCreator"), QStringLiteral("/opt/RTC.exe"));
    EXPECT_EQ(list.lines(),
              QStringList({QStringLiteral("a=1"), QStringLiteral("tankdlgout=/new"),
                           QStringLiteral("b=2"), QStringLiteral("TankCreator=/opt/RTC.exe")}));
}

TEST(SettingsList, BooleansAreTrueOnlyForExactlyOne) {
    SettingsList list;
    struct Case {
        const char *value;
        bool expected;
    };
    for (const Case &c : {Case{"1", true}, Case{"0", false}, Case{"True", false}, Case{"01", false},
                          Case{" 1", false}, Case{"", false}}) {
        list.setValue(QStringLiteral("TankDlgAlways"), QString::fromLatin1(c.value));
        EXPECT_EQ(list.boolValue(QStringLiteral("tankdlgalways")), c.expected) << c.value;
    }
    for (bool value : {true, false}) {
        list.setBoolValue(QStringLiteral("TankDlgAlways"), value);
        EXPECT_EQ(list.value(QStringLiteral("TankDlgAlways")),
                  value ? QStringLiteral("1") : QStringLiteral("0"));
    }
}
