// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "standin.h"
#include "test_desktop.h"

#include "hero/experience_text.h"
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

// What a saved party keeps of a hero, experience in its stored form.
struct HeroRecord {
    std::string name;
    int gold;
    TDSRaces model;
    std::vector<std::string> experience;

    explicit HeroRecord(TDSHero &hero)
        : name(hero.heroName()), gold(hero.gold()), model(hero.model()) {
        for (TDSAttribute *a : std::initializer_list<TDSAttribute *>{
                 &hero.strength(), &hero.dexterity(), &hero.intelligence(), &hero.melee(),
                 &hero.ranged(), &hero.nature(), &hero.combat()})
            experience.push_back(FormatExperience(a->experience()));
        experience.push_back(FormatExperience(hero.totalExperience()));
    }
    bool operator==(const HeroRecord &) const = default;
};

void PrintTo(const HeroRecord &r, std::ostream *out) {
    *out << r.name << ", gold " << r.gold << ", model " << int(r.model) << ", experience";
    for (const std::string &x : r.experience)
        *out << ' ' << x;
}

// Import and export as the main window runs them, with the real hero and hero folder.
class WindowExchange : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    ProgramFolders folders{t.folders.documents, t.folders.documents,
                           t.folders.save,      t.folders.program,
                           t.folders.imports,   t.folders.program + "Thalrex.INI"};
    std::unique_ptr<TfrmMain> w;

    void SetUp() override {
        d.runProcesses();
        ASSERT_TRUE(QFile::copy(KEGTAP_LIBRARY, t.folders.program + "libkegtap.so"));
        w = std::make_unique<TfrmMain>(folders);
        w->show();
    }
    void TearDown() override { w.reset(); }

    // A saved party made from a hero folder that the hero itself wrote.
    void saveParty(const std::string &heroName) {
        TDSHero hero;
        hero.newHero();
        hero.setName(heroName);
        const QString folder = t.path("made/" + QString::fromStdString(heroName) + "/");
        QDir().mkpath(folder);
        hero.saveFolder(folder.toStdString());
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

    EXPECT_TRUE(d.prompts().empty());
    EXPECT_EQ(w->Hero->heroName(), "Ulf");
    EXPECT_EQ(QString::fromStdString(w->Hero->folder()), t.folders.imports + "Ulf/");
    EXPECT_FALSE(w->Hero->isNew());
    EXPECT_FALSE(w->Hero->modified());
    EXPECT_EQ(w->lblHero->text(), "Ulf");
    EXPECT_EQ(w->Heros1->actions().size(), 1); // the recent heroes follow the import

    // And back to the save folder, over the party it came from.
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    w->Export1->trigger();
    EXPECT_TRUE(d.allAnswered());
    EXPECT_EQ(recordedArguments(tool), QStringList({"-source", t.folders.imports + "Ulf", "-out",
                                                    t.folders.save + "Ulf.dsparty"}));
}

TEST_F(WindowExchange, FreshInstallExportsWithItsOwnTankCreatorAndImportsTheSameHero) {
    const QString tool = t.folders.program + "tankcreator";
    EXPECT_EQ(w->setting("TankCreator"), tool) << "the default needs no set-up";
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/tankcreator", tool));

    w->Hero->setName("Ulf");
    w->Hero->setModel(dsrDwarf);
    w->Hero->setGold(4321);
    w->Hero->melee().adjustExperience(730);
    w->Hero->nature().adjustExperience(455);
    w->Hero->combat().adjustExperience(125);
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    w->Export1->trigger();

    EXPECT_TRUE(d.allAnswered());
    ASSERT_EQ(d.processStarts().size(), 1u);
    EXPECT_EQ(d.processStarts()[0].program, tool);
    const QString party = t.folders.save + "Ulf.dsparty";
    QFile written(party);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(8), "DSigTank");
    written.close();
    const HeroRecord exported(*w->Hero);
    EXPECT_EQ(exported.gold, 4321);
    EXPECT_EQ(exported.model, dsrDwarf);

    // Import into a fresh Imports folder, so every file comes out of the party.
    w->New1->trigger();
    ASSERT_NE(HeroRecord(*w->Hero), exported);
    ASSERT_TRUE(QDir(t.folders.imports + "Ulf").removeRecursively());
    QAction *item = openImportItem("&Ulf");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->statusTip(), "<My Documents>/Dungeon Siege/Save/Ulf.dsparty");
    item->trigger();

    EXPECT_EQ(d.messageTexts(), QStringList{"Export succeded."});
    EXPECT_EQ(QString::fromStdString(w->Hero->folder()), t.folders.imports + "Ulf/");
    EXPECT_FALSE(w->Hero->modified());
    EXPECT_EQ(HeroRecord(*w->Hero), exported);
}

TEST_F(WindowExchange, CancelAtAskToSaveImportsNothing) {
    saveParty("Ulf");
    w->Hero->setGold(5);
    ASSERT_TRUE(w->Hero->modified());
    d.expectMessageContaining("The hero has been modified.", MsgAnswer::Cancel);
    openImportItem("&Ulf")->trigger();

    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_TRUE(d.prompts()[0].text.startsWith("The hero has been modified."));
    EXPECT_TRUE(QDir(t.folders.imports).isEmpty());
    EXPECT_EQ(w->Hero->heroName(), "Hero");
    EXPECT_TRUE(w->Hero->modified());
}

TEST_F(WindowExchange, NewHeroInAdvancedModeWhoseFolderChoiceIsCancelledExportsNothing) {
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    w->Advanced1->trigger();
    d.expectFolderPick(QString());
    w->Export1->trigger();

    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_EQ(d.prompts()[0].folder.label, "Save hero in folder:");
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(w->Hero->isNew());
}

} // namespace
