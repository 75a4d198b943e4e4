#include "fakehost.h"
#include "scripteddesktop.h"
#include "standin.h"

#include "hero/hero.h"
#include "kegtap/writer/tank_writer.h"
#include "ui/clicklabel.h"
#include "ui/frmmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

// Import and export as the main window runs them, with the real hero and hero folder.
class WindowExchange : public testing::Test {
protected:
    TempFolders t;
    ScriptedDesktop d;
    ProgramFolders folders{t.folders.documents, t.folders.documents,
                           t.folders.save,      t.folders.program,
                           t.folders.imports,   t.folders.program + "Thalrex.INI"};
    std::unique_ptr<TfrmMain> w;

    void SetUp() override {
        ASSERT_TRUE(QFile::copy(KEGTAP_LIBRARY, t.folders.program + "libkegtap.so"));
        w = std::make_unique<TfrmMain>(folders);
        w->show();
    }
    void TearDown() override { w.reset(); }

    // A saved party made from a hero folder that the hero itself wrote.
    void saveParty(const std::string &heroName) {
        TDSHero hero;
        hero.NewHero();
        hero.SetName(heroName);
        const QString folder = t.path("made/" + QString::fromStdString(heroName) + "/");
        QDir().mkpath(folder);
        hero.SaveFolder(folder.toStdString());
        std::vector<tankwriter::Node> files;
        for (const QString &name : QDir(folder).entryList(QDir::Files)) {
            QFile in(folder + name);
            EXPECT_TRUE(in.open(QIODevice::ReadOnly));
            const QByteArray content = in.readAll();
            files.push_back(
                tankwriter::Node::file(name.toStdString(), {content.begin(), content.end()}));
        }
        const std::vector<uint8_t> tank =
            tankwriter::buildTank(tankwriter::Node::folder("", files));
        t.write("docs/Dungeon Siege/Save/" + QString::fromStdString(heroName) + ".dsparty",
                QByteArray(reinterpret_cast<const char *>(tank.data()), tank.size()));
    }
    QAction *openImportItem(const QString &caption) {
        emit w->File1->aboutToShow();
        for (QAction *item : w->Import1->actions())
            if (item->text() == caption)
                return item;
        ADD_FAILURE() << "no Import item " << caption.toStdString();
        return nullptr;
    }
};

TEST_F(WindowExchange, ImportedPartyBecomesTheCurrentHero) {
    saveParty("Ulf");
    QAction *item = openImportItem("&Ulf");
    ASSERT_NE(item, nullptr);
    item->trigger();

    EXPECT_TRUE(d.messages.isEmpty()) << d.messageTexts().join('|').toStdString();
    EXPECT_EQ(w->Hero->HeroName(), "Ulf");
    EXPECT_EQ(QString::fromStdString(w->Hero->Folder()), t.folders.imports + "Ulf/");
    EXPECT_FALSE(w->Hero->IsNew());
    EXPECT_FALSE(w->Hero->Modified());
    EXPECT_EQ(w->lblHero->text(), "Ulf");
    EXPECT_EQ(w->Heros1->actions().size(), 1); // the recent heroes follow the import

    // And back to the save folder, over the party it came from.
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    d.answers = {MsgAnswer::Yes};
    w->Export1->trigger();
    EXPECT_EQ(d.messageTexts(),
              QStringList({"Ulf already exists. Overwrite?", "Export succeded."}));
    EXPECT_EQ(recordedArguments(tool), QStringList({"-source", t.folders.imports + "Ulf", "-out",
                                                    t.folders.save + "Ulf.dsparty"}));
}

TEST_F(WindowExchange, CancelAtAskToSaveImportsNothing) {
    saveParty("Ulf");
    w->Hero->SetGold(5);
    ASSERT_TRUE(w->Hero->Modified());
    d.answers = {MsgAnswer::Cancel};
    openImportItem("&Ulf")->trigger();

    ASSERT_EQ(d.messages.size(), 1);
    EXPECT_TRUE(d.messages[0].text.startsWith("The hero has been modified."));
    EXPECT_TRUE(QDir(t.folders.imports).isEmpty());
    EXPECT_EQ(w->Hero->HeroName(), "Hero");
    EXPECT_TRUE(w->Hero->Modified());
}

TEST_F(WindowExchange, NewHeroInAdvancedModeWhoseFolderChoiceIsCancelledExportsNothing) {
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    w->Advanced1->trigger();
    d.folders = {QString()};
    w->Export1->trigger();

    ASSERT_EQ(d.folderPicks.size(), 1);
    EXPECT_EQ(d.folderPicks[0].label, "Save hero in folder:");
    EXPECT_TRUE(d.messages.isEmpty());
    EXPECT_TRUE(d.processes.isEmpty());
    EXPECT_TRUE(w->Hero->IsNew());
}

} // namespace
