// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"

#include "exchange/party_backups.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(PartyBackups, TheNewestTwentyOfEachPartyAreKeptWithTheFileTheyCameFrom) {
    TempFolders t;
    const QString ulf = t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "ulf");
    const QString bob = t.write("docs/Dungeon Siege LOA/Save/Bob.dsparty", "bob");
    PartyBackups backups(t.folders.backups);
    const QDateTime first(QDate(2024, 5, 1), QTime(10, 0));
    for (int minute = 0; minute < 22; ++minute)
        backups.keep(ulf, first.addSecs(minute * 60));
    backups.keep(bob, first.addSecs(30));
    backups.keep(bob, first.addSecs(30)); // within the same second

    EXPECT_EQ(QDir(t.folders.backups + "Ulf").entryList(QDir::Files).size(), 2 * 20)
        << "each backup with its note";
    const QList<PartyBackup> all = backups.all();
    ASSERT_EQ(all.size(), 22);
    EXPECT_EQ(all.first().made, "2024-05-01 10-21-00");
    EXPECT_EQ(all[19].made, "2024-05-01 10-02-00") << "the two oldest of Ulf are gone";
    EXPECT_EQ(all.first().file, t.folders.backups + "Ulf/Ulf 2024-05-01 10-21-00.dsparty");
    EXPECT_EQ(all.first().original, ulf);
    EXPECT_EQ(all[20].partyName, "Bob");
    EXPECT_EQ(all[20].original, bob);
    EXPECT_NE(all[20].file, all[21].file);
}

TEST(PartyBackups, WithoutAFolderNothingIsKeptAndNothingReplaced) {
    TempFolders t;
    const QString party = t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "old");
    const QString fresh = t.write("fresh.dsparty", "new");
    PartyBackups nowhere{QString()};
    EXPECT_THROW(replacePartyFile(nowhere, fresh, party), std::runtime_error);
    QFile kept(party);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

} // namespace
