// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "test_desktop.h"

#include "exchange/partyimport.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

class Import : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    FakeHost host;
    QMenu Import1;

    QString library() const { return t.folders.program + "libkegtap.so"; }
    void installLibrary(const QString &from) {
        QFile::remove(library());
        ASSERT_TRUE(QFile::copy(from, library())) << from.toStdString();
    }
    QString saveParty(const QString &name) {
        return t.write("docs/Dungeon Siege/Save/" + name, "not read here");
    }
    QStringList captions() const {
        QStringList texts;
        for (QAction *a : Import1.actions())
            texts << (a->isSeparator() ? "-" : a->text());
        return texts;
    }
    QStringList imports() const {
        return QDir(t.folders.imports).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

TEST_F(Import, SavedPartiesAreListedSortedAndRebuiltOnEachOpening) {
    t.write("bin/libkegtap.so", "present");
    for (const char *name : {"b.dsparty", "A.dsparty", "c.DSPARTY", "notes.txt"})
        saveParty(name);
    QDir().mkpath(t.folders.save + "folder.dsparty");
    TPartyImport import(host, t.folders, &Import1);

    EXPECT_EQ(captions(), QStringList({"-", "&Browse..."}));
    import.refreshImportMenu();
    import.refreshImportMenu();
    EXPECT_TRUE(Import1.menuAction()->isEnabled());
    EXPECT_EQ(captions(), QStringList({"&A", "b", "&c", "-", "&Browse..."}));
    EXPECT_EQ(Import1.actions()[1]->statusTip(), "<My Documents>/Dungeon Siege/Save/b.dsparty");
    EXPECT_EQ(Import1.actions().last()->statusTip(), "Browse for dsparty file");

    QFile::remove(t.folders.save + "b.dsparty");
    saveParty("Bob & Co.dsparty");
    import.refreshImportMenu();
    EXPECT_EQ(captions(), QStringList({"&A", "B&ob && Co", "&c", "-", "&Browse..."}));
}

TEST_F(Import, MissingLibraryDisablesImport) {
    saveParty("Hero.dsparty");
    TPartyImport import(host, t.folders, &Import1);
    import.refreshImportMenu();
    EXPECT_FALSE(Import1.menuAction()->isEnabled());
    EXPECT_FALSE(import.binding().libraryFound());
    EXPECT_EQ(captions(), QStringList({"-", "&Browse..."}));
}

TEST_F(Import, CancelAtAskToSaveCreatesNothing) {
    t.write("bin/libkegtap.so", "not loaded");
    saveParty("Hero.dsparty");
    TPartyImport import(host, t.folders, &Import1);
    import.refreshImportMenu();
    host.askToSaveAnswer = false;
    Import1.actions()[0]->trigger();
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
        TPartyImport import(host, t.folders, &Import1);
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                import.importParty(party);
                ADD_FAILURE() << "imported with " << c.message.toStdString();
            } catch (const std::runtime_error &e) {
                EXPECT_EQ(QString(e.what()), c.message);
            }
        }
    }
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(Import, PartyNameThatIsNoFolderNameImportsNothing) {
    t.write("bin/libkegtap.so", "not loaded");
    TPartyImport import(host, t.folders, &Import1);
    for (const char *name : {"...dsparty", ".dsparty"})
        EXPECT_THROW(import.importParty(saveParty(name)), std::runtime_error) << name;
    EXPECT_TRUE(imports().isEmpty());
    EXPECT_TRUE(QDir(t.folders.program).entryList(QDir::Dirs | QDir::NoDotAndDotDot) ==
                QStringList{"Imports"});
}

TEST_F(Import, BrowseKeepsTheFolderOfASuccessfulChoiceOnly) {
    installLibrary(NOEXTRACT_LIBRARY);
    TPartyImport import(host, t.folders, &Import1);
    EXPECT_EQ(import.dlgOpenTankInitialDir, t.folders.save);
    const QString elsewhere = t.write("elsewhere/Hero.dsparty", "party");
    d.expectFilePick(QString()).expectFilePick(elsewhere).expectMessage(
        "ExtractFilesFromTankFile not found in " + library(), MsgAnswer::Ok);
    Import1.actions().last()->trigger(); // cancelled
    Import1.actions().last()->trigger(); // the import fails

    ASSERT_EQ(d.prompts().size(), 3u);
    EXPECT_EQ(d.prompts()[0].file.title, "Select Savegame Tank File");
    EXPECT_EQ(d.prompts()[0].file.filter, "Savegame (*.dsparty)");
    EXPECT_EQ(d.prompts()[0].file.initialFolder, t.folders.save);
    EXPECT_EQ(import.dlgOpenTankInitialDir, t.folders.save);
}

} // namespace
