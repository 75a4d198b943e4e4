// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "standin.h"
#include "test_desktop.h"

#include "exchange/frmtank.h"
#include "exchange/partyexport.h"
#include "exchange/staging.h"
#include "exchange/tankcreator.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString retryQuestion =
    "Export failed.\r\rThis command did not work for creating the tank file:\r%1 -source "
    "\"%2\" -out \"%3\"\r\rWould you like to try again specifying the parameters manually?";

class Export : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    FakeHost host;
    TPartyExport exporter{host, t.folders};
    QString tool;
    int dialogsShown = 0;

    void SetUp() override {
        d.runProcesses();
        host.folder = heroFolder("Ulf");
        useTool(ToolMode::Writes);
    }

    QString heroFolder(const QString &name) {
        const QString folder = t.folders.imports + name + '/';
        t.write("bin/Imports/" + name + "/Info.gas", "[info]{}\r\n");
        t.write("bin/Imports/" + name + "/Party.gas", "[party]{}\r\n");
        return folder;
    }
    void useTool(ToolMode mode) {
        tool = writeTankCreator(t.path("tools/tankcreator"), mode);
        host.settings["tankcreator"] = tool;
    }
    QString party(const QString &name = "Ulf") const { return t.folders.save + name + ".dsparty"; }

    // Runs action on the Tank dialog once it shows; action must close it.
    void onTankDialog(std::function<void(TfrmTank &)> action) {
        QTimer::singleShot(0, [this, action] {
            auto *dialog = qobject_cast<TfrmTank *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ++dialogsShown;
            action(*dialog);
        });
    }
};

TEST_F(Export, OpenedHeroIsPackedAtOnceAndSucceeds) {
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();

    ASSERT_EQ(d.processStarts().size(), 1u);
    const QStringList expected{"-source", t.folders.imports + "Ulf", "-out", party()};
    EXPECT_EQ(d.processStarts()[0].program, tool);
    EXPECT_EQ(d.processStarts()[0].arguments, expected);
    EXPECT_EQ(recordedArguments(tool), expected);
    EXPECT_EQ(packedFiles(tool), QStringList({"Info.gas", "Party.gas"}));
    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_EQ(d.prompts()[0].type, MsgType::Information);
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(QFile::exists(party()));
}

TEST_F(Export, MissingSaveFolderIsCreated) {
    ASSERT_TRUE(QDir(t.folders.save).removeRecursively());
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();
    EXPECT_TRUE(QFile::exists(party()));
}

TEST_F(Export, ModifiedHeroIsSavedFirst) {
    host.modified = true;
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();
    EXPECT_EQ(host.saves, 1);
}

TEST_F(Export, NewHeroWhoseFolderChoiceIsCancelledEndsQuietly) {
    host.isNew = true;
    d.expectFolderPick(QString());
    exporter.export1Click();
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(d.prompts().size(), 1u);
    EXPECT_TRUE(d.processStarts().empty());
}

TEST_F(Export, FailedToolOffersRetryWithTheCommand) {
    for (ToolMode mode : {ToolMode::Fails, ToolMode::WritesNothing}) {
        useTool(mode);
        d.expectMessage(retryQuestion.arg(tool, t.folders.imports + "Ulf", party()), MsgAnswer::No);
        exporter.export1Click();

        ASSERT_TRUE(d.allAnswered());
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
        EXPECT_EQ(d.prompts().back().buttons, MsgButtons::YesNo);
        EXPECT_EQ(dialogsShown, 0);
    }
}

TEST_F(Export, UnstartableToolCountsAsFailed) {
    host.settings["tankcreator"] = t.write("tools/notexecutable", "data");
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter.export1Click();
    EXPECT_TRUE(d.prompts().back().text.startsWith("Export failed."));
}

TEST_F(Export, ExistingPartyIsOverwrittenOnlyOnYes) {
    t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "OLD");
    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::No);
    exporter.export1Click();

    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_EQ(d.prompts()[0].type, MsgType::Warning);
    EXPECT_EQ(d.prompts()[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(d.processStarts().empty());

    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();
    QFile written(party());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "TANK");
}

TEST_F(Export, StaleOutputCountsAsFailed) {
    const QString old = t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "OLD");
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    file.close();
    useTool(ToolMode::WritesNothing);
    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter.export1Click();

    EXPECT_EQ(d.processStarts().size(), 1u);
    EXPECT_TRUE(d.prompts().back().text.startsWith("Export failed."));
}

TEST(ExportFreshness, EvenSecondsPlusTwoMustBeAfterTheStart) {
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'000'100'500); // second 1000100.5
    struct Case {
        qint64 writtenMs;
        bool fresh;
    } cases[] = {
        {1'000'100'500, true},  // written at the start
        {1'000'101'000, true},  // after it
        {1'000'100'000, true},  // same even second: 100 + 2 > 100.5
        {1'000'099'999, false}, // 099.999 is counted as 098, 098 + 2 is not after 100.5
        {1'000'099'000, false}, // odd second rounds down to 098
        {1'000'040'000, false}, // a minute old
    };
    for (const Case &c : cases)
        EXPECT_EQ(isFresh(QDateTime::fromMSecsSinceEpoch(c.writtenMs), start), c.fresh)
            << c.writtenMs;
}

TEST_F(Export, AlwaysSettingGoesStraightToTheDialog) {
    host.settings["tankdlgalways"] = "1";
    onTankDialog([&](TfrmTank &dialog) {
        EXPECT_TRUE(d.processStarts().empty());
        EXPECT_EQ(dialog.windowTitle(), "Tank Creation Parameters");
        EXPECT_EQ(dialog.edtSource->text(), host.folder);
        EXPECT_EQ(dialog.edtOut->text(), t.folders.save);
        EXPECT_TRUE(dialog.ckbAlways->isChecked());
        EXPECT_EQ(dialog.button1->toolTip(), "Export Ulf");
        dialog.button1->click();
    });
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();

    EXPECT_EQ(dialogsShown, 1);
    ASSERT_EQ(d.processStarts().size(), 1u);
    EXPECT_EQ(d.processStarts()[0].arguments,
              QStringList({"-source", t.folders.imports + "Ulf", "-out", party()}));
    EXPECT_EQ(host.settingWrites, QStringList({"TankDlgAlways", "TankDlgSource", "TankDlgOut"}));
    EXPECT_EQ(host.settings["tankdlgalways"], "1");
    EXPECT_EQ(host.settings["tankdlgsource"], t.folders.imports);
    EXPECT_EQ(host.settings["tankdlgout"], t.folders.save);
}

TEST_F(Export, RetryDialogProposesTheHeroInTheRememberedFolder) {
    host.name = "Bob";
    host.folder = heroFolder("Bob");
    const QString heroes = t.path("Heroes");
    QDir().mkpath(heroes + "/Bob");
    const QString out = t.path("out");
    QDir().mkpath(out);
    host.settings["tankdlgsource"] = heroes;
    host.settings["tankdlgout"] = out;
    useTool(ToolMode::Fails);
    d.expectMessageContaining("Export failed.", MsgAnswer::Yes)
        .expectMessage("Export failed.\r\rYou will need to create Bob.dsparty manually "
                       "using a Tank Creator tool and place it in your savegame folder.",
                       MsgAnswer::Ok);
    onTankDialog([&](TfrmTank &dialog) {
        EXPECT_EQ(dialog.edtSource->text(), heroes + "/Bob");
        EXPECT_EQ(dialog.edtOut->text(), out);
        EXPECT_FALSE(dialog.ckbAlways->isChecked());
        dialog.button1->click();
    });
    exporter.export1Click();

    ASSERT_EQ(d.processStarts().size(), 2u);
    EXPECT_EQ(d.processStarts()[1].arguments,
              QStringList({"-source", heroes + "/Bob", "-out", out + "/Bob.dsparty"}));
    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[1].type, MsgType::Error);
    EXPECT_EQ(host.settings["tankdlgsource"], heroes + "/");
    EXPECT_EQ(host.settings["tankdlgout"], out);
    EXPECT_EQ(host.settings["tankdlgalways"], "0");
}

TEST_F(Export, CancellingTheDialogStoresNothing) {
    onTankDialog([&](TfrmTank &dialog) {
        dialog.edtSource->setText(t.path("elsewhere"));
        dialog.edtOut->setText(t.path("other"));
        dialog.ckbAlways->setChecked(true);
        dialog.button2->click();
    });
    exporter.exportWithDialog();
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(host.settingWrites.isEmpty());
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(Export, MissingToolAsksForItsLocation) {
    host.settings["tankcreator"] = t.path("bin/RTC.exe");
    const QString notFound =
        "Tank Creator was not found.\rPlease select its location on your computer...\r\r"
        "(you can get RTC.exe from https://www.siegetheday.org)";
    d.expectMessage(notFound, MsgAnswer::Ok).expectFilePick(QString());
    exporter.export1Click(); // cancelled
    d.expectMessage(notFound, MsgAnswer::Ok)
        .expectFilePick(tool)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click(); // picked

    EXPECT_EQ(d.prompts()[0].type, MsgType::Information);
    const std::vector<TestDesktop::Prompt> picks = d.prompts(TestDesktop::Kind::File);
    ASSERT_EQ(picks.size(), 2u);
    EXPECT_EQ(picks[0].file.title, "Tank Creator Location");
    EXPECT_EQ(picks[0].file.filter, "Tank Creator (RTC.exe);;All files (*)");
    EXPECT_EQ(picks[0].file.initialFolder, t.path("bin/RTC.exe"));
    EXPECT_EQ(host.settings["tankcreator"], tool);
    EXPECT_EQ(d.processStarts().size(), 1u);
}

TEST_F(Export, UnsafeHeroNameWritesNothing) {
    for (const char *name : {"..", ".", "a/b", ""}) {
        host.name = name;
        host.modified = true;
        EXPECT_THROW(exporter.export1Click(), std::runtime_error) << name;
    }
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(QDir(t.folders.save).isEmpty());
}

TEST_F(Export, NetworkFolderIsPackedFromAStagingCopy) {
    host.folder = '/' + host.folder; // "//..."
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click();

    const QString staging = stagingFolder();
    ASSERT_FALSE(staging.isEmpty());
    EXPECT_TRUE(staging.startsWith(QDir::tempPath()));
    ASSERT_EQ(d.processStarts().size(), 1u);
    EXPECT_EQ(d.processStarts()[0].arguments,
              QStringList({"-source", staging + "Ulf", "-out", staging + "Ulf.dsparty"}));
    EXPECT_EQ(packedFiles(tool), QStringList({"Info.gas", "Party.gas"}));
    QFile written(party());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "TANK");

    removeStagingFolder();
    EXPECT_FALSE(QFileInfo::exists(QDir::tempPath() + "/Thalrex"));
}

TEST_F(Export, OutputLeftInTheStagingFolderIsNotTakenForTheToolsOutput) {
    host.folder = '/' + host.folder;
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter.export1Click(); // leaves Ulf.dsparty in the staging folder
    QFile::remove(party());
    useTool(ToolMode::WritesNothing);
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter.export1Click();

    EXPECT_TRUE(d.prompts().back().text.startsWith("Export failed."));
    EXPECT_FALSE(QFile::exists(party()));
}

TEST_F(Export, FailedStagingCopyFailsTheExport) {
    // A folder link in the hero folder cannot be copied.
    QDir().mkpath(t.path("elsewhere"));
    ASSERT_TRUE(QFile::link(t.path("elsewhere"), host.folder + "linked"));
    host.folder = '/' + host.folder;
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter.export1Click();

    EXPECT_TRUE(d.processStarts().empty());
    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_TRUE(d.prompts()[0].text.startsWith("Export failed."));
    EXPECT_FALSE(QFile::exists(party()));
}

TEST(StagingCopy, EveryFileKeepsItsLastWriteTime) {
    TempFolders t;
    const QDateTime saved(QDate(2002, 4, 25), QTime(2, 14, 2, 500));
    for (const QString &name :
         {QStringLiteral("Ulf/Party.gas"), QStringLiteral("Ulf/maps/a.gas")}) {
        QFile file(t.write(name, "gas"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(saved, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(copyFolder(t.path("Ulf"), t.path("copy/Ulf")));
    for (const QString &name : {QStringLiteral("Party.gas"), QStringLiteral("maps/a.gas")})
        EXPECT_EQ(QFileInfo(t.path("copy/Ulf/") + name).lastModified(), saved)
            << name.toStdString();
}

TEST_F(Export, StagingFolderOwnedByALinkIsRefused) {
    const QString base = QDir::tempPath() + "/Thalrex";
    QDir(base).removeRecursively();
    ASSERT_TRUE(QFile::link(t.path("elsewhere"), base));
    EXPECT_EQ(stagingFolder(), QString());
    removeStagingFolder();
    EXPECT_TRUE(QFileInfo(base).isSymLink());
    QFile::remove(base);
}

} // namespace
