// SPDX-License-Identifier: GPL-3.0-or-later
#include "testdesktop.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

MsgAnswer AskYesNoCancel(const char *text) {
    return desktop().message(QString::fromLatin1(text), QStringLiteral("Thalrex"), MsgType::Warning,
                             MsgButtons::YesNoCancel, MsgAnswer::Yes);
}

} // namespace

TEST(TestDesktop, AnswersScriptedPromptsInOrderAndRecordsThem) {
    TestDesktop scripted;
    scripted.ExpectMessage(QStringLiteral("first"), MsgAnswer::No)
        .ExpectFolderPick(QStringLiteral("/picked"))
        .ExpectMessageContaining(QStringLiteral("part"), MsgAnswer::Yes);
    EXPECT_EQ(AskYesNoCancel("first"), MsgAnswer::No);
    EXPECT_EQ(desktop().pickFolder({QStringLiteral("Select:"), QStringLiteral("/"), true}),
              QStringLiteral("/picked"));
    EXPECT_EQ(AskYesNoCancel("a part of it"), MsgAnswer::Yes);
    EXPECT_TRUE(scripted.AllAnswered());
    ASSERT_EQ(scripted.Prompts().size(), 3u);
    EXPECT_EQ(scripted.Prompts()[1].folder.label, QStringLiteral("Select:"));
}

TEST(TestDesktop, UnexpectedPromptFailsTheTestAndGetsTheCautiousAnswer) {
    MsgAnswer answer = MsgAnswer::Yes;
    QString picked = QStringLiteral("not asked");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            answer = AskYesNoCancel("surprise");
        },
        "Unexpected message box: surprise");
    EXPECT_EQ(answer, MsgAnswer::Cancel);
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            picked = desktop().pickFile({});
        },
        "Unexpected file picker");
    EXPECT_TRUE(picked.isEmpty());
}

TEST(TestDesktop, WrongTextOrKindFailsAndLeavesTheExpectation) {
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.ExpectMessage(QStringLiteral("expected"), MsgAnswer::Yes);
            AskYesNoCancel("other");
            AskYesNoCancel("expected");
        },
        "but got message box \"other\"");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.ExpectFilePick(QStringLiteral("/x"));
            AskYesNoCancel("a message");
            desktop().pickFile({});
        },
        "Expected file picker");
}

TEST(TestDesktop, UnansweredExpectationsAndImpossibleAnswersFail) {
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.ExpectMessage(QStringLiteral("never shown"), MsgAnswer::Ok);
        },
        "never came: never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.ExpectMessage(QStringLiteral("ok only"), MsgAnswer::Yes);
            desktop().message(QStringLiteral("ok only"), {}, MsgType::Information, MsgButtons::Ok,
                              MsgAnswer::Ok);
        },
        "not one of the buttons");
}

TEST(TestDesktop, ProcessStartsNeedAHandlerAndTheDesktopIsRestored) {
    Desktop *before = setDesktop(nullptr);
    {
        TestDesktop outer;
        {
            TestDesktop inner;
            inner.OnProcessStart([](const TestDesktop::ProcessStart &start) {
                return start.program == QStringLiteral("/bin/true");
            });
            EXPECT_TRUE(desktop().startProcess(QStringLiteral("/bin/true"), {}, true));
            EXPECT_EQ(inner.ProcessStarts().size(), 1u);
        }
        EXPECT_EQ(&desktop(), &outer);
        EXPECT_NONFATAL_FAILURE(desktop().startProcess(QStringLiteral("/bin/ls"), {}, false),
                                "Unexpected process start");
    }
    setDesktop(before);
}

TEST(TestDesktop, RunProcessesRunsTheProgramAndPromptsAreKeptByKind) {
    int argc = 1;
    char name[] = "test_desktop_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString made = folder.filePath(QStringLiteral("made"));
    TestDesktop scripted;
    scripted.RunProcesses();
    EXPECT_TRUE(desktop().startProcess(QStringLiteral("/bin/touch"), {made}, true));
    EXPECT_TRUE(QFile::exists(made));
    EXPECT_FALSE(desktop().startProcess(folder.filePath(QStringLiteral("missing")), {}, true));
    ASSERT_EQ(scripted.ProcessStarts().size(), 2u);
    EXPECT_EQ(scripted.ProcessStarts()[0].arguments, QStringList{made});

    scripted.ExpectMessage(QStringLiteral("one"), MsgAnswer::No)
        .ExpectFilePick(QString())
        .ExpectMessage(QStringLiteral("two"), MsgAnswer::Cancel);
    AskYesNoCancel("one");
    desktop().pickFile({});
    AskYesNoCancel("two");
    EXPECT_EQ(scripted.MessageTexts(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(scripted.Prompts(TestDesktop::Kind::File).size(), 1u);
}
