// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"
#include "standin.h"
#include "test_desktop.h"

#include "exchange/export_staging.h"
#include "exchange/kegtap_library.h"
#include "exchange/party_backups.h"
#include "exchange/party_exporter.h"
#include "exchange/tank_creator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

// Parameters compare and print whole in the dialog checks.
bool operator==(const ExportParameters &a, const ExportParameters &b) {
    return a.source == b.source && a.output == b.output && a.always == b.always;
}

void PrintTo(const ExportParameters &p, std::ostream *out) {
    *out << p.source.toStdString() << " -> " << p.output.toStdString()
         << (p.always ? " (always)" : "");
}

namespace {

const QString retryQuestion =
    "Export failed.\r\rThis command did not work for creating the tank file:\r%1 -source "
    "\"%2\" -out \"%3\"\r\rWould you like to try again specifying the parameters manually?";

// The tool was told to write the party file into a folder of its own, not into the save folder.
void expectPacked(const QStringList &arguments, const QString &source, const QString &party) {
    ASSERT_EQ(arguments.size(), 4);
    EXPECT_EQ(arguments.mid(0, 3), QStringList({"-source", source, "-out"}));
    EXPECT_EQ(QFileInfo(arguments[3]).fileName(), party);
    EXPECT_FALSE(arguments[3].startsWith(QFileInfo(source).absolutePath()));
}

class Export : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    FakeExchangeHost host{d, t.folders};
    const bool copied = QFile::copy(KEGTAP_LIBRARY, t.program + "libkegtap.so");
    KegtapLibrary kegtap{t.program + "libkegtap.so", d};
    std::optional<PartyExporter> exporter{std::in_place, host, kegtap};
    QString tool;
    // The parameters dialog: what each showing offered, and how the user answers it.
    std::vector<ExportParameters> dialogShown;
    std::function<bool(ExportParameters &)> dialogAnswer;

    void SetUp() override {
        ASSERT_TRUE(copied);
        d.runProcesses();
        host.folder = heroFolder("Ulf");
        useTool(ToolMode::Writes);
        exporter->setParametersDialog([this](ExportParameters &parameters) {
            dialogShown.push_back(parameters);
            return dialogAnswer && dialogAnswer(parameters);
        });
    }

    QString heroFolder(const QString &name) {
        t.write("bin/Imports/" + name + "/Info.gas", "[info]{}\r\n");
        t.write("bin/Imports/" + name + "/Party.gas", "[party]{}\r\n");
        return t.folders.imports + name + '/';
    }
    void useTool(ToolMode mode) {
        tool = writeTankCreator(t.path("tools/tankcreator"), mode);
        host.settings.setValue("TankCreator", tool);
    }
    QString party(const QString &name = "Ulf") const { return t.folders.save + name + ".dsparty"; }
    QByteArray partyContent() const {
        QFile written(party());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }
    bool partyIsATank() const { return partyContent().startsWith("DSigTank"); }
    QStringList backups() const {
        return QDir(t.folders.backups + "Ulf").entryList({"*.dsparty"}, QDir::Files);
    }
    QStringList argumentsOf(size_t start) const {
        return start < d.processStarts().size() ? d.processStarts()[start].arguments
                                                : QStringList();
    }
};

TEST_F(Export, OpenedHeroIsPackedAtOnceAndSucceeds) {
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();

    ASSERT_EQ(d.processStarts().size(), 1u);
    EXPECT_EQ(d.processStarts()[0].program, tool);
    expectPacked(argumentsOf(0), t.folders.imports + "Ulf", "Ulf.dsparty");
    EXPECT_EQ(recordedArguments(tool), argumentsOf(0));
    EXPECT_EQ(packedFiles(tool), QStringList({"Info.gas", "Party.gas"}));
    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_EQ(d.prompts()[0].type, MsgType::Information);
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(partyIsATank());
    EXPECT_EQ(host.partyFolders, QStringList{host.folder + " -> " + t.folders.save});
    EXPECT_FALSE(QFileInfo::exists(argumentsOf(0)[3])) << "the tool's own folder is removed";
    EXPECT_EQ(d.busyDepth(), 0);
}

TEST_F(Export, MissingSaveFolderIsCreated) {
    ASSERT_TRUE(QDir(t.folders.save).removeRecursively());
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();
    EXPECT_TRUE(QFile::exists(party()));
}

TEST_F(Export, ModifiedHeroIsSavedFirst) {
    host.modified = true;
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();
    EXPECT_EQ(host.saves, 1);
}

TEST_F(Export, NewHeroWhoseFolderChoiceIsCancelledEndsQuietly) {
    host.isNew = true;
    d.expectFolderPick(QString());
    exporter->run();
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(d.prompts().size(), 1u);
    EXPECT_TRUE(d.processStarts().empty());
}

TEST_F(Export, FailedToolOffersRetryWithTheCommand) {
    for (ToolMode mode : {ToolMode::Fails, ToolMode::WritesNothing}) {
        useTool(mode);
        d.expectMessage(retryQuestion.arg(tool, t.folders.imports + "Ulf", party()), MsgAnswer::No);
        exporter->run();

        ASSERT_TRUE(d.allAnswered());
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
        EXPECT_EQ(d.prompts().back().buttons, MsgButtons::YesNo);
        EXPECT_TRUE(dialogShown.empty());
        EXPECT_EQ(d.busyDepth(), 0);
    }
}

TEST_F(Export, UnstartableToolCountsAsFailed) {
    host.settings.setValue("TankCreator", t.write("tools/notexecutable", "data"));
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter->run();
    EXPECT_TRUE(d.prompts().back().text.startsWith("Export failed."));
    EXPECT_EQ(d.busyDepth(), 0);
}

TEST_F(Export, ExistingPartyIsOverwrittenOnlyOnYesAndKeptInTheBackups) {
    t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "OLD");
    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::No);
    exporter->run();

    ASSERT_EQ(d.prompts().size(), 1u);
    EXPECT_EQ(d.prompts()[0].type, MsgType::Warning);
    EXPECT_EQ(d.prompts()[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(backups().isEmpty());

    d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();
    EXPECT_TRUE(partyIsATank());
    ASSERT_EQ(backups().size(), 1);
    const PartyBackup kept = PartyBackups(t.folders.backups).all().value(0);
    EXPECT_TRUE(QFileInfo(kept.file).fileName().contains(
        QRegularExpression(R"(^Ulf \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.dsparty$)")))
        << kept.file.toStdString();
    EXPECT_EQ(kept.original, party());
    QFile backup(kept.file);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), "OLD");
}

TEST_F(Export, OutputThatDoesNotReadBackAsTheHeroFolderReplacesNothing) {
    for (ToolMode mode : {ToolMode::WritesGarbage, ToolMode::WritesOtherFiles}) {
        useTool(mode);
        t.write("docs/Dungeon Siege/Save/Ulf.dsparty", "OLD");
        d.expectMessage("Ulf already exists. Overwrite?", MsgAnswer::Yes)
            .expectMessageContaining("does not match the hero folder", MsgAnswer::Ok);
        exporter->run();

        ASSERT_TRUE(d.allAnswered());
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
        EXPECT_TRUE(d.prompts().back().text.contains(
            mode == ToolMode::WritesGarbage ? "cannot be read back" : "Party.gas differs"))
            << d.prompts().back().text.toStdString();
        EXPECT_EQ(partyContent(), "OLD");
        EXPECT_TRUE(backups().isEmpty());
        EXPECT_TRUE(host.partyFolders.isEmpty());
        EXPECT_EQ(d.busyDepth(), 0);
    }
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
    exporter->run();

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
    host.settings.setValue("TankDlgAlways", "1");
    const QStringList before = host.settings.lines();
    dialogAnswer = [&](ExportParameters &parameters) {
        EXPECT_TRUE(d.processStarts().empty());
        parameters.output = t.folders.documents; // the user picks another output folder
        return true;
    };
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();

    EXPECT_EQ(dialogShown, (std::vector<ExportParameters>{{host.folder, t.folders.save, true}}));
    expectPacked(argumentsOf(0), t.folders.imports + "Ulf", "Ulf.dsparty");
    EXPECT_TRUE(QFileInfo(t.folders.documents + "Ulf.dsparty").isFile());
    EXPECT_EQ(host.settings.lines(), before + QStringList({"TankDlgSource=" + t.folders.imports,
                                                           "TankDlgOut=" + t.folders.documents}));
}

TEST_F(Export, RetryDialogProposesTheHeroInTheRememberedFolder) {
    host.name = "Bob";
    host.folder = heroFolder("Bob");
    const QString heroes = t.path("Heroes");
    QDir().mkpath(heroes + "/Bob");
    const QString out = t.path("out");
    QDir().mkpath(out);
    host.settings.setValue("TankDlgSource", heroes);
    host.settings.setValue("TankDlgOut", out);
    useTool(ToolMode::Fails);
    d.expectMessageContaining("Export failed.", MsgAnswer::Yes)
        .expectMessage("Export failed.\r\rYou will need to create Bob.dsparty manually "
                       "using a Tank Creator tool and place it in your savegame folder.",
                       MsgAnswer::Ok);
    dialogAnswer = [](ExportParameters &) { return true; };
    exporter->run();

    EXPECT_EQ(dialogShown, (std::vector<ExportParameters>{{heroes + "/Bob", out, false}}));
    ASSERT_EQ(d.processStarts().size(), 2u);
    expectPacked(argumentsOf(1), heroes + "/Bob", "Bob.dsparty");
    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[1].type, MsgType::Error);
    EXPECT_EQ(host.settings.value("tankdlgsource"), heroes + "/");
    EXPECT_EQ(host.settings.value("tankdlgout"), out);
    EXPECT_EQ(host.settings.value("tankdlgalways"), "0");
}

TEST_F(Export, CancellingTheDialogStoresNothing) {
    const QStringList before = host.settings.lines();
    dialogAnswer = [&](ExportParameters &parameters) {
        parameters = {t.path("elsewhere"), t.path("other"), true};
        return false;
    };
    exporter->exportWithDialog();
    EXPECT_EQ(dialogShown.size(), 1u);
    EXPECT_EQ(host.settings.lines(), before);
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(Export, MissingToolAsksForItsLocation) {
    host.settings.setValue("TankCreator", t.path("bin/RTC.exe"));
    const QString notFound =
        "Tank Creator was not found.\rPlease select its location on your computer...\r\r"
        "(you can get RTC.exe from https://www.siegetheday.org)";
    d.expectMessage(notFound, MsgAnswer::Ok).expectFilePick(QString());
    exporter->run(); // cancelled
    d.expectMessage(notFound, MsgAnswer::Ok)
        .expectFilePick(tool)
        .expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run(); // picked

    EXPECT_EQ(d.prompts()[0].type, MsgType::Information);
    const std::vector<TestDesktop::Prompt> picks = d.prompts(TestDesktop::Kind::File);
    ASSERT_EQ(picks.size(), 2u);
    EXPECT_EQ(picks[0].file.title, "Tank Creator Location");
    EXPECT_EQ(picks[0].file.filter, "Tank Creator (RTC.exe tankcreator);;All files (*)");
    EXPECT_EQ(picks[0].file.initialFolder, t.path("bin/RTC.exe"));
    EXPECT_EQ(host.settings.value("TankCreator"), tool);
    EXPECT_EQ(d.processStarts().size(), 1u);
}

TEST_F(Export, UnsafeHeroNameWritesNothing) {
    for (const char *name : {"..", ".", "a/b", ""}) {
        host.name = name;
        host.modified = true;
        EXPECT_THROW(exporter->run(), std::runtime_error) << name;
    }
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(d.processStarts().empty());
    EXPECT_TRUE(QDir(t.folders.save).isEmpty());
}

TEST_F(Export, NetworkFolderIsPackedFromAStagingCopyThatGoesWithTheExporter) {
    host.folder = '/' + host.folder; // "//..."
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run();

    const QString staging = QDir::tempPath() + "/Thalrex/Export/";
    EXPECT_EQ(argumentsOf(0),
              QStringList({"-source", staging + "Ulf", "-out", staging + "Ulf.dsparty"}));
    EXPECT_EQ(packedFiles(tool), QStringList({"Info.gas", "Party.gas"}));
    EXPECT_TRUE(partyIsATank());

    exporter.reset();
    EXPECT_FALSE(QFileInfo::exists(QDir::tempPath() + "/Thalrex"));
}

TEST_F(Export, OutputLeftInTheStagingFolderIsNotTakenForTheToolsOutput) {
    host.folder = '/' + host.folder;
    d.expectMessage("Export succeded.", MsgAnswer::Ok);
    exporter->run(); // leaves Ulf.dsparty in the staging folder
    QFile::remove(party());
    useTool(ToolMode::WritesNothing);
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter->run();

    EXPECT_TRUE(d.prompts().back().text.startsWith("Export failed."));
    EXPECT_FALSE(QFile::exists(party()));
}

TEST_F(Export, FailedStagingCopyFailsTheExport) {
    // A folder link in the hero folder cannot be copied.
    QDir().mkpath(t.path("elsewhere"));
    ASSERT_TRUE(QFile::link(t.path("elsewhere"), host.folder + "linked"));
    host.folder = '/' + host.folder;
    d.expectMessageContaining("Export failed.", MsgAnswer::No);
    exporter->run();

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

TEST(StagingFolder, OneOwnedByALinkIsRefusedAndLeftAlone) {
    TempFolders t;
    const QString base = QDir::tempPath() + "/Thalrex";
    QDir(base).removeRecursively();
    ASSERT_TRUE(QFile::link(t.path("elsewhere"), base));
    {
        ExportStaging staging;
        EXPECT_EQ(staging.folder(), QString());
    }
    EXPECT_TRUE(QFileInfo(base).isSymLink());
    QFile::remove(base);
}

} // namespace
