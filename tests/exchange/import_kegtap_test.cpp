// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"
#include "test_desktop.h"

#include "exchange/kegtap_library.h"
#include "exchange/party_importer.h"
#include "kegtap/writer/tank_writer.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace tankwriter;

std::vector<uint8_t> bytes(const std::string &text) {
    return {text.begin(), text.end()};
}

// A saved party as the game writes one: the hero folder's three files at the root.
std::vector<uint8_t> heroTank(TankLayout *layout = nullptr) {
    const Storage raw{Format::Raw, 0, 0};
    return buildTank(
        Node::folder("", {Node::file("Info.gas", bytes("[info]\r\n{\r\n}\r\n"), raw),
                          Node::file("Party.gas", bytes("[party]\r\n{\r\n}\r\n")),
                          Node::file("Portrait-0.bmp", bytes("BM portrait"), {Format::Lzo, 0, 0})}),
        {}, layout);
}

class ImportWithKegtap : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    FakeExchangeHost host{d, t.folders};
    const bool copied = QFile::copy(KEGTAP_LIBRARY, t.program + "libkegtap.so");
    KegtapLibrary kegtap{t.program + "libkegtap.so", d};
    PartyImporter importer{host, kegtap};

    void SetUp() override { ASSERT_TRUE(copied); }
    QString saveParty(const QString &name, const std::vector<uint8_t> &tank) {
        return t.write("docs/Dungeon Siege/Save/" + name,
                       QByteArray(reinterpret_cast<const char *>(tank.data()), tank.size()));
    }
    QByteArray imported(const QString &file) const {
        QFile f(t.folders.imports + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(ImportWithKegtap, SavedPartyIsUnpackedIntoTheImportsFolderAndOpened) {
    const QString party = saveParty("Hero one.dsparty", heroTank());
    importer.importParty(QFile::encodeName(party));

    EXPECT_TRUE(d.prompts().empty());
    EXPECT_EQ(host.opened, QStringList{t.folders.imports + "Hero one/"});
    EXPECT_EQ(imported("Hero one/Info.gas"), "[info]\r\n{\r\n}\r\n");
    EXPECT_EQ(imported("Hero one/Party.gas"), "[party]\r\n{\r\n}\r\n");
    EXPECT_EQ(imported("Hero one/Portrait-0.bmp"), "BM portrait");
    EXPECT_EQ(d.busyDepth(), 0);

    // Again into the same folder: its files are replaced, others stay.
    t.write("bin/Imports/Hero one/Info.gas", "edited");
    t.write("bin/Imports/Hero one/notes.txt", "mine");
    importer.importParty(QFile::encodeName(party));
    EXPECT_EQ(imported("Hero one/Info.gas"), "[info]\r\n{\r\n}\r\n");
    EXPECT_EQ(imported("Hero one/notes.txt"), "mine");
    EXPECT_EQ(host.opened.size(), 2);
}

TEST_F(ImportWithKegtap, PartyFileNamedInTheGamesCodePageIsListedAndImported) {
    const std::vector<uint8_t> tank = heroTank();
    const std::string save = QFile::encodeName(t.folders.save).toStdString();
    std::ofstream(save + "Caf\xE9.dsparty", std::ios::binary)
        .write(reinterpret_cast<const char *>(tank.data()), std::streamsize(tank.size()));
    const QList<SavedParty> parties = PartyImporter::partiesIn(t.folders.save);
    ASSERT_EQ(parties.size(), 1);
    EXPECT_EQ(parties[0].name, "Caf\u00E9");
    EXPECT_EQ(parties[0].path, t.folders.save + "Caf\u00E9.dsparty");

    importer.importParty(parties[0].file);
    EXPECT_EQ(host.opened, QStringList{t.folders.imports + "Caf\u00E9/"});
    EXPECT_EQ(imported("Caf\u00E9/Party.gas"), "[party]\r\n{\r\n}\r\n");
    EXPECT_EQ(host.partyFolders,
              QStringList{t.folders.imports + "Caf\u00E9/ -> " + t.folders.save});
    // The temporary folder's removal cannot name it.
    std::filesystem::remove(save + "Caf\xE9.dsparty");
}

TEST_F(ImportWithKegtap, BrowsedPartyIsImportedAndItsFolderKeptForThePicker) {
    const QString elsewhere = t.path("elsewhere/");
    QDir().mkpath(elsewhere);
    QFile::rename(saveParty("Hero.dsparty", heroTank()), elsewhere + "Hero.dsparty");
    QString pickerFolder = t.folders.save;
    d.expectFilePick(elsewhere + "Hero.dsparty");
    importer.browse(pickerFolder);
    EXPECT_EQ(host.opened, QStringList{t.folders.imports + "Hero/"});
    EXPECT_EQ(pickerFolder, elsewhere);
}

TEST_F(ImportWithKegtap, DamagedPartyReportsKegtapsMessageAndKeepsTheHero) {
    TankLayout layout;
    const std::vector<uint8_t> good = heroTank(&layout);
    struct Case {
        const char *name;
        std::function<void(std::vector<uint8_t> &)> damage;
        QString message;
    } cases[] = {
        {"index", [&](auto &tank) { tank[layout.indexOffset + layout.indexSize - 1] ^= 0xFF; },
         "Import failed.\rIndex of tank file has wrong CRC32."},
        {"truncated", [](auto &tank) { tank.resize(100); },
         "Import failed.\rTank file is damaged."},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> tank = good;
        c.damage(tank);
        d.expectMessage(c.message, MsgAnswer::Ok);
        importer.importParty(QFile::encodeName(saveParty(QString(c.name) + ".dsparty", tank)));
        ASSERT_TRUE(d.allAnswered()) << c.name;
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
    }
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_EQ(d.busyDepth(), 0);
}

TEST_F(ImportWithKegtap, ChecksumWarningIsAskedAsYesNo) {
    TankLayout layout;
    std::vector<uint8_t> tank = heroTank(&layout);
    tank[layout.files[0].storedPosition] ^= 0xFF; // Info.gas, stored raw
    const QString party = saveParty("Hero.dsparty", tank);

    const QString warning = "Extracted file Info.gas CRC32 does not tally!\nContinue?";
    d.expectMessage(warning, MsgAnswer::No)
        .expectMessage("Import failed.\rExtracted file has different CRC32.", MsgAnswer::Ok);
    importer.importParty(QFile::encodeName(party));
    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[0].caption, "Warning");
    EXPECT_EQ(d.prompts()[0].type, MsgType::Warning);
    EXPECT_EQ(d.prompts()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(d.prompts()[0].defaultAnswer, MsgAnswer::No);
    EXPECT_TRUE(host.opened.isEmpty());

    d.expectMessage(warning, MsgAnswer::Yes);
    importer.importParty(QFile::encodeName(party));
    EXPECT_EQ(d.prompts().size(), 3u); // only the warning
    EXPECT_EQ(host.opened, QStringList{t.folders.imports + "Hero/"});
}

TEST_F(ImportWithKegtap, EntryNamesInWarningsAreGameText) {
    TankLayout layout;
    std::vector<uint8_t> tank = buildTank(
        Node::folder("", {Node::file("R\xE9sum\xE9.txt", bytes("notes"), {Format::Raw, 0, 0})}), {},
        &layout);
    tank[layout.files[0].storedPosition] ^= 0xFF;
    d.expectMessage("Extracted file Résumé.txt CRC32 does not tally!\nContinue?", MsgAnswer::No)
        .expectMessage("Import failed.\rExtracted file has different CRC32.", MsgAnswer::Ok);
    importer.importParty(QFile::encodeName(saveParty("Notes.dsparty", tank)));
    EXPECT_TRUE(d.allAnswered());
    // The unpacked name is no UTF-8, which the temporary folder's removal cannot name.
    std::filesystem::remove_all(QFile::encodeName(t.folders.imports).toStdString());
}

} // namespace
