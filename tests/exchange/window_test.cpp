// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "standin.h"
#include "testdesktop.h"

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
        : name(hero.HeroName()), gold(hero.Gold()), model(hero.Model()) {
        for (TDSAttribute *a : std::initializer_list<TDSAttribute *>{
                 &hero.Strength(), &hero.Dexterity(), &hero.Intelligence(), &hero.Melee(),
                 &hero.Ranged(), &hero.Nature(), &hero.Combat()})
            experience.push_back(FormatExperience(a->Experience()));
        experience.push_back(FormatExperience(hero.TotalExperience()));
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
        d.RunProcesses();
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

    EXPECT_TRUE(d.Prompts().empty());
    EXPECT_EQ(w->Hero->HeroName(), "Ulf");
    EXPECT_EQ(QString::fromStdString(w->Hero->Folder()), t.folders.imports + "Ulf/");
    EXPECT_FALSE(w->Hero->IsNew());
    EXPECT_FALSE(w->Hero->Modified());
    EXPECT_EQ(w->lblHero->text(), "Ulf");
    EXPECT_EQ(w->Heros1->actions().size(), 1); // the recent heroes follow the import

    // And back to the save folder, over the party it came from.
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    d.ExpectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .ExpectMessage("Export succeded.", MsgAnswer::Ok);
    w->Export1->trigger();
    EXPECT_TRUE(d.AllAnswered());
    EXPECT_EQ(recordedArguments(tool), QStringList({"-source", t.folders.imports + "Ulf", "-out",
                                                    t.folders.save + "Ulf.dsparty"}));
}

TEST_F(WindowExchange, FreshInstallExportsWithItsOwnTankCreatorAndImportsTheSameHero) {
    const QString tool = t.folders.program + "tankcreator";
    EXPECT_EQ(w->setting("TankCreator"), tool) << "the default needs no set-up";
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/tankcreator", tool));

    w->Hero->SetName("Ulf");
    w->Hero->SetModel(dsrDwarf);
    w->Hero->SetGold(4321);
    w->Hero->Melee().AdjustExperience(730);
    w->Hero->Nature().AdjustExperience(455);
    w->Hero->Combat().AdjustExperience(125);
    d.ExpectMessage("Export succeded.", MsgAnswer::Ok);
    w->Export1->trigger();

    EXPECT_TRUE(d.AllAnswered());
    ASSERT_EQ(d.ProcessStarts().size(), 1u);
    EXPECT_EQ(d.ProcessStarts()[0].program, tool);
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

    EXPECT_EQ(d.MessageTexts(), QStringList{"Export succeded."});
    EXPECT_EQ(QString::fromStdString(w->Hero->Folder()), t.folders.imports + "Ulf/");
    EXPECT_FALSE(w->Hero->Modified());
    EXPECT_EQ(HeroRecord(*w->Hero), exported);
}

TEST_F(WindowExchange, CancelAtAskToSaveImportsNothing) {
    saveParty("Ulf");
    w->Hero->SetGold(5);
    ASSERT_TRUE(w->Hero->Modified());
    d.ExpectMessageContaining("The hero has been modified.", MsgAnswer::Cancel);
    openImportItem("&Ulf")->trigger();

    ASSERT_EQ(d.Prompts().size(), 1u);
    EXPECT_TRUE(d.Prompts()[0].text.startsWith("The hero has been modified."));
    EXPECT_TRUE(QDir(t.folders.imports).isEmpty());
    EXPECT_EQ(w->Hero->HeroName(), "Hero");
    EXPECT_TRUE(w->Hero->Modified());
}

TEST_F(WindowExchange, NewHeroInAdvancedModeWhoseFolderChoiceIsCancelledExportsNothing) {
    const QString tool = writeTankCreator(t.path("tools/tankcreator"), ToolMode::Writes);
    w->setSetting("TankCreator", tool);
    w->Advanced1->trigger();
    d.ExpectFolderPick(QString());
    w->Export1->trigger();

    ASSERT_EQ(d.Prompts().size(), 1u);
    EXPECT_EQ(d.Prompts()[0].folder.label, "Save hero in folder:");
    EXPECT_TRUE(d.ProcessStarts().empty());
    EXPECT_TRUE(w->Hero->IsNew());
}

} // namespace
