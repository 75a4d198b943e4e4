// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"
#include "test_desktop.h"

#include "exchange/kegtap_library.h"
#include "exchange/party_importer.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Import : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    FakeExchangeHost host{d, t.folders};

    QString library() const { return t.program + "libkegtap.so"; }
    void installLibrary(const QString &from) {
        QFile::remove(library());
        ASSERT_TRUE(QFile::copy(from, library())) << from.toStdString();
    }
    QString saveParty(const QString &name) {
        return t.write("docs/Dungeon Siege/Save/" + name, "not read here");
    }
    QStringList imports() const {
        return QDir(t.folders.imports).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

TEST_F(Import, PartiesOfAFolderAreItsPartyFilesSortedWithoutRegardToCase) {
    for (const char *name :
         {"b.dsparty", "A.dsparty", "c.DSPARTY", "notes.txt", "Bob & Co.dsparty"})
        saveParty(name);
    QDir().mkpath(t.folders.save + "folder.dsparty");
    QStringList found;
    for (const SavedParty &party : PartyImporter::partiesIn(t.folders.save))
        found << party.name + " " + party.path.mid(t.folders.save.size());
    EXPECT_EQ(found, QStringList({"A A.dsparty", "b b.dsparty", "Bob & Co Bob & Co.dsparty",
                                  "c c.DSPARTY"}));
    EXPECT_TRUE(PartyImporter::partiesIn(t.path("missing")).isEmpty());
}

TEST_F(Import, MissingLibraryMakesImportUnavailable) {
    for (bool present : {false, true}) {
        if (present)
            t.write("bin/libkegtap.so", "present");
        KegtapLibrary kegtap(library(), d);
        EXPECT_EQ(PartyImporter(host, kegtap).isAvailable(), present);
    }
}

TEST_F(Import, CancelAtAskToSaveCreatesNothing) {
    t.write("bin/libkegtap.so", "not loaded");
    KegtapLibrary kegtap(library(), d);
    PartyImporter importer(host, kegtap);
    host.askToSaveAnswer = false;
    importer.importParty(QFile::encodeName(saveParty("Hero.dsparty")));
    EXPECT_TRUE(imports().isEmpty());
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(Import, LibraryThatCannotBeBoundReportsWhy) {
    const QString party = saveParty("Hero.dsparty");
    struct Case {
        QString library, message;
    } cases[] = {
        {t.write("garbage.so", "not a library"), "libkegtap.so not found"},
        {QStringLiteral(NOEXTRACT_LIBRARY), "ExtractFilesFromTankFile not found in " + library()},
    };
    for (const Case &c : cases) {
        installLibrary(c.library);
        KegtapLibrary kegtap(library(), d);
        PartyImporter importer(host, kegtap);
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                importer.importParty(QFile::encodeName(party));
                ADD_FAILURE() << "imported with " << c.message.toStdString();
            } catch (const std::runtime_error &e) {
                EXPECT_EQ(QString(e.what()), c.message);
            }
            EXPECT_EQ(d.busyDepth(), 0);
        }
    }
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(Import, PartyNameThatIsNoFolderNameImportsNothing) {
    t.write("bin/libkegtap.so", "not loaded");
    KegtapLibrary kegtap(library(), d);
    PartyImporter importer(host, kegtap);
    for (const char *name : {"...dsparty", ".dsparty"})
        EXPECT_THROW(importer.importParty(QFile::encodeName(saveParty(name))), std::runtime_error)
            << name;
    EXPECT_TRUE(imports().isEmpty());
    EXPECT_EQ(QDir(t.program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Imports"});
    EXPECT_EQ(d.busyDepth(), 0);
}

TEST_F(Import, BrowseKeepsTheFolderOfASuccessfulChoiceOnly) {
    installLibrary(NOEXTRACT_LIBRARY);
    KegtapLibrary kegtap(library(), d);
    PartyImporter importer(host, kegtap);
    QString pickerFolder = t.folders.save;
    const QString elsewhere = t.write("elsewhere/Hero.dsparty", "party");
    d.expectFilePick(QString()).expectFilePick(elsewhere);
    importer.browse(pickerFolder);                                   // cancelled
    EXPECT_THROW(importer.browse(pickerFolder), std::runtime_error); // the import fails

    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[0].file.title, "Select Savegame Tank File");
    EXPECT_EQ(d.prompts()[0].file.filter, "Savegame (*.dsparty)");
    EXPECT_EQ(d.prompts()[0].file.initialFolder, t.folders.save);
    EXPECT_EQ(pickerFolder, t.folders.save);
}

} // namespace
