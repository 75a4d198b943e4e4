// SPDX-License-Identifier: GPL-3.0-or-later
// Import and export as the main window runs them, with the real hero folder, extraction library
// and Tank Creator.
#include "main_window_fixture.h"

#include "exchange/party_backups.h"
#include "hero/experience_text.h"
#include "kegtap/writer/tank_writer.h"
#include "tests/ui/modal.h"
#include "ui/export_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

// What a saved party keeps of a hero, experience in its stored form.
struct HeroRecord {
    std::string name;
    int gold;
    HeroModel model;
    std::vector<std::string> experience;

    explicit HeroRecord(const Hero &hero)
        : name(hero.name()), gold(hero.gold()), model(hero.model()) {
        for (const Attribute *a : std::initializer_list<const Attribute *>{
                 &hero.strength(), &hero.dexterity(), &hero.intelligence(), &hero.melee(),
                 &hero.ranged(), &hero.nature(), &hero.combat()})
            experience.push_back(formatExperience(a->experience()));
        experience.push_back(formatExperience(hero.totalExperience()));
    }
    bool operator==(const HeroRecord &) const = default;
};

void PrintTo(const HeroRecord &r, std::ostream *out) {
    *out << r.name << ", gold " << r.gold << ", model " << int(r.model) << ", experience";
    for (const std::string &x : r.experience)
        *out << ' ' << x;
}

class WindowExchange : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        desktop.runProcesses();
        ASSERT_TRUE(QFile::copy(KEGTAP_LIBRARY, folders.program + "libkegtap.so"));
        start();
    }

    // A saved party made from a hero folder that the hero itself wrote.
    QString saveParty(const QString &heroName, const QString &saveFolder = {}) {
        Hero hero;
        hero.startNew();
        hero.setName(heroName.toStdString());
        const QString folder = root.path() + "/made/" + heroName + '/';
        hero.saveFolder(folder.toStdString(), folders.save.toStdString());
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
        const QString party =
            (saveFolder.isEmpty() ? folders.save : saveFolder) + heroName + ".dsparty";
        QDir().mkpath(QFileInfo(party).absolutePath());
        QFile out(party);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char *>(tank.data()), qint64(tank.size()));
        return party;
    }
    QByteArray content(const QString &file) const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // The Import submenu as the File menu's opening fills it.
    QList<QAction *> importItems() const {
        openMenu("fileMenu");
        return menu("importMenu")->actions();
    }
    QAction *importItem(const QString &caption) const {
        for (QAction *item : importItems())
            if (item->text() == caption)
                return item;
        ADD_FAILURE() << "no Import item " << caption.toStdString();
        return nullptr;
    }
    void useTankCreator() {
        session->settingsList().setValue(
            "TankCreator", qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/tankcreator");
    }
    // The party file the Tank Creator was last told to write, in a folder of its own.
    QString lastToolOutput() const {
        return QFileInfo(desktop.processStarts().back().arguments.last()).fileName();
    }
};

TEST_F(WindowExchange, ImportMenuListsTheSaveFoldersPartiesAnewAtEachOpening) {
    QDir().mkpath(folders.save);
    for (const char *name : {"b.dsparty", "A.dsparty", "c.DSPARTY", "notes.txt"})
        writeFile(folders.save + name, "party");
    const auto captions = [this] {
        QStringList texts;
        for (const QAction *item : importItems())
            texts << (item->isSeparator() ? "-" : item->text());
        return texts;
    };
    EXPECT_EQ(captions(), QStringList({"&A", "b", "&c", "-", "&Browse..."}));
    EXPECT_TRUE(action("importMenu")->isEnabled());
    const QAction *b = menu("importMenu")->actions()[1];
    EXPECT_EQ(b->statusTip(), "<My Documents>/Dungeon Siege/Save/b.dsparty");
    EXPECT_EQ(b->data().toString(), folders.save + "b.dsparty");

    QFile::remove(folders.save + "b.dsparty");
    writeFile(folders.save + "Bob & Co.dsparty", "party");
    EXPECT_EQ(captions(), QStringList({"&A", "B&ob && Co", "&c", "-", "&Browse..."}));

    QFile::remove(folders.program + "libkegtap.so");
    makeWindow();
    openMenu("fileMenu");
    EXPECT_FALSE(action("importMenu")->isEnabled()) << "nothing can be imported without kegtap";
}

TEST_F(WindowExchange, ImportedPartyBecomesTheCurrentHero) {
    saveParty("Ulf");
    QAction *item = importItem("&Ulf");
    ASSERT_NE(item, nullptr);
    item->trigger();

    EXPECT_TRUE(desktop.prompts().empty());
    EXPECT_EQ(hero().name(), "Ulf");
    EXPECT_EQ(session->heroFolder(), folders.imports + "Ulf/");
    EXPECT_FALSE(hero().isNew());
    EXPECT_FALSE(hero().isModified());
    EXPECT_EQ(text("name"), "Ulf");
    EXPECT_EQ(menu("heroesMenu")->actions().size(), 1); // the recent heroes follow the import
    EXPECT_EQ(desktop.busyDepth(), 0);

    // And back to the save folder, over the party it came from.
    useTankCreator();
    desktop.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();
    EXPECT_TRUE(desktop.allAnswered());
    EXPECT_EQ(desktop.processStarts().back().arguments.mid(0, 2),
              QStringList({"-source", folders.imports + "Ulf"}));
    EXPECT_EQ(lastToolOutput(), "Ulf.dsparty");
    EXPECT_EQ(PartyBackups(folders.backups).all().size(), 1);
}

TEST_F(WindowExchange, FreshInstallExportsWithItsOwnTankCreatorAndImportsTheSameHero) {
    const QString tool = folders.program + "tankcreator";
    EXPECT_EQ(session->settingsList().value("TankCreator"), tool) << "the default needs no set-up";
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/tankcreator", tool));

    hero().setName("Ulf");
    hero().setModel(HeroModel::Dwarf);
    hero().setGold(4321);
    hero().melee().adjustExperience(730);
    hero().nature().adjustExperience(455);
    hero().combat().adjustExperience(125);
    desktop.expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();

    EXPECT_TRUE(desktop.allAnswered());
    ASSERT_EQ(desktop.processStarts().size(), 1u);
    EXPECT_EQ(desktop.processStarts()[0].program, tool);
    QFile written(folders.save + "Ulf.dsparty");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(8), "DSigTank");
    written.close();
    const HeroRecord exported(hero());
    EXPECT_EQ(exported.gold, 4321);
    EXPECT_EQ(exported.model, HeroModel::Dwarf);

    // Import into a fresh Imports folder, so every file comes out of the party.
    action("newAction")->trigger();
    ASSERT_NE(HeroRecord(hero()), exported);
    ASSERT_TRUE(QDir(folders.imports + "Ulf").removeRecursively());
    QAction *item = importItem("&Ulf");
    ASSERT_NE(item, nullptr);
    item->trigger();

    EXPECT_EQ(desktop.messageTexts(), QStringList{"Export succeded."});
    EXPECT_EQ(session->heroFolder(), folders.imports + "Ulf/");
    EXPECT_FALSE(hero().isModified());
    EXPECT_EQ(HeroRecord(hero()), exported);
}

TEST_F(WindowExchange, PartiesOfEveryFolderGoBackWhereTheyCameFromAndCanBeRestored) {
    const QString proton =
        root.path() + "/compatdata/39190/pfx/drive_c/users/steamuser/Documents/Dungeon Siege/Save/";
    const QString ulf = saveParty("Ulf", proton);
    QFile(ulf).setFileTime(QDateTime::currentDateTime().addDays(-2),
                           QFileDevice::FileModificationTime);
    saveParty("Bob");
    foundSaveFolders = {{folders.save.toStdString(), Game::DungeonSiege, SavePlace::Documents, {}},
                        {proton.toStdString(), Game::DungeonSiege, SavePlace::Proton, "39190"}};
    start();
    useTankCreator();
    QStringList captions;
    for (const QAction *item : importItems())
        captions << (item->isEnabled() ? item->text() : "[" + item->text() + "]");
    EXPECT_EQ(captions,
              QStringList({"[Dungeon Siege in the documents folder]", "B&ob",
                           "[Dungeon Siege in Proton (39190)]", "&Ulf", "", "&Browse..."}));

    // A new hero goes to the folder of the newest party; an imported one back to its own.
    hero().setName("Cy");
    desktop.expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();
    EXPECT_TRUE(QFile::exists(folders.save + "Cy.dsparty"));
    const QByteArray saved = content(ulf);
    importItem("&Ulf")->trigger();
    hero().setGold(4321);
    desktop.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();
    EXPECT_NE(content(ulf), saved);
    EXPECT_FALSE(QFile::exists(folders.save + "Ulf.dsparty"));

    // The replaced party comes back, and the one it replaces is kept in turn.
    desktop.expectChoice(0)
        .expectMessageContaining("Put the backup of Ulf.dsparty made ", MsgAnswer::Yes)
        .expectMessage("Ulf.dsparty was restored.", MsgAnswer::Ok);
    action("restoreBackupAction")->trigger();
    ASSERT_TRUE(desktop.allAnswered());
    const ItemChoiceSpec &choice = desktop.prompts(TestDesktop::Kind::Choice).back().choice;
    ASSERT_EQ(choice.items.size(), 1);
    EXPECT_TRUE(choice.items[0].startsWith("Ulf, level 0 - Ulf.dsparty, "))
        << choice.items[0].toStdString();
    EXPECT_TRUE(desktop.prompts().rbegin()[1].text.contains(proton));
    EXPECT_EQ(content(ulf), saved);
    EXPECT_EQ(PartyBackups(folders.backups).all().size(), 2);
}

TEST_F(WindowExchange, CommandLineImportsAPartyOrOpensAHeroFolder) {
    window->openFromCommandLine(QFile::encodeName(saveParty("Ulf")));
    EXPECT_EQ(session->heroFolder(), folders.imports + "Ulf/");
    const QString bob = makeHeroFolder(root.path() + "/heroes/Bob", "Bob");
    window->openFromCommandLine(QFile::encodeName(bob));
    EXPECT_EQ(session->heroFolder(), bob);
    desktop.expectMessageContaining("there is no such file or folder", MsgAnswer::Ok);
    window->openFromCommandLine(QFile::encodeName(root.path() + "/missing.dsparty"));
    EXPECT_EQ(session->heroFolder(), bob);
    EXPECT_TRUE(desktop.allAnswered());
}

TEST_F(WindowExchange, RestoreWithoutBackupsSaysSo) {
    desktop.expectMessageContaining("there is no backup to restore", MsgAnswer::Ok);
    action("restoreBackupAction")->trigger();
    EXPECT_TRUE(desktop.allAnswered());
}

TEST_F(WindowExchange, CancelAtAskToSaveImportsNothing) {
    saveParty("Ulf");
    hero().setGold(5);
    ASSERT_TRUE(hero().isModified());
    desktop.expectMessageContaining("The hero has been modified.", MsgAnswer::Cancel);
    importItem("&Ulf")->trigger();

    ASSERT_EQ(desktop.prompts().size(), 1u);
    EXPECT_TRUE(QDir(folders.imports).isEmpty());
    EXPECT_EQ(hero().name(), "Hero");
    EXPECT_TRUE(hero().isModified());
}

TEST_F(WindowExchange, NewHeroInAdvancedModeWhoseFolderChoiceIsCancelledExportsNothing) {
    useTankCreator();
    action("advancedAction")->trigger();
    desktop.expectFolderPick(QString());
    action("exportAction")->trigger();

    ASSERT_EQ(desktop.prompts().size(), 1u);
    EXPECT_EQ(desktop.prompts()[0].folder.label, "Save hero in folder:");
    EXPECT_TRUE(desktop.processStarts().empty());
    EXPECT_TRUE(hero().isNew());
}

TEST_F(WindowExchange, AlwaysSettingExportsThroughTheParametersDialog) {
    saveParty("Ulf");
    importItem("&Ulf")->trigger();
    useTankCreator();
    session->settingsList().setValue("TankDlgAlways", "1");
    const QString out = root.path() + "/out";
    QDir().mkpath(out);
    whenModal([&](QDialog *d) {
        auto *dialog = qobject_cast<ExportDialog *>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->sourceField()->text(), folders.imports + "Ulf/");
        EXPECT_EQ(dialog->outputField()->text(), folders.save);
        EXPECT_TRUE(dialog->alwaysBox()->isChecked());
        EXPECT_EQ(dialog->exportButton()->toolTip(), "Export Ulf");
        dialog->outputField()->setText(out);
        dialog->exportButton()->click();
    });
    desktop.expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();

    EXPECT_EQ(lastToolOutput(), "Ulf.dsparty");
    EXPECT_TRUE(QFile::exists(out + "/Ulf.dsparty"));
    EXPECT_EQ(session->settingsList().value("TankDlgOut"), out);
}

} // namespace
