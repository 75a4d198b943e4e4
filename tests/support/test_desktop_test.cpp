// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_desktop.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

MsgAnswer askYesNoCancel(Desktop &desktop, const char *text) {
    return desktop.message(QString::fromLatin1(text), QStringLiteral("Thalrex"), MsgType::Warning,
                           MsgButtons::YesNoCancel, MsgAnswer::Yes);
}

} // namespace

TEST(TestDesktop, AnswersScriptedPromptsInOrderAndRecordsThem) {
    TestDesktop scripted;
    scripted.expectMessage(QStringLiteral("first"), MsgAnswer::No)
        .expectFolderPick(QStringLiteral("/picked"))
        .expectMessageContaining(QStringLiteral("part"), MsgAnswer::Yes);
    EXPECT_EQ(askYesNoCancel(scripted, "first"), MsgAnswer::No);
    EXPECT_EQ(scripted.pickFolder({QStringLiteral("Select:"), QStringLiteral("/"), true}),
              QStringLiteral("/picked"));
    EXPECT_EQ(askYesNoCancel(scripted, "a part of it"), MsgAnswer::Yes);
    EXPECT_TRUE(scripted.allAnswered());
    ASSERT_EQ(scripted.prompts().size(), 3u);
    EXPECT_EQ(scripted.prompts()[1].folder.label, QStringLiteral("Select:"));
}

TEST(TestDesktop, UnexpectedPromptFailsTheTestAndGetsTheCautiousAnswer) {
    MsgAnswer answer = MsgAnswer::Yes;
    QString picked = QStringLiteral("not asked");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            answer = askYesNoCancel(scripted, "surprise");
        },
        "Unexpected message box: surprise");
    EXPECT_EQ(answer, MsgAnswer::Cancel);
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            picked = scripted.pickFile({});
        },
        "Unexpected file picker");
    EXPECT_TRUE(picked.isEmpty());
}

TEST(TestDesktop, WrongTextOrKindFailsAndLeavesTheExpectation) {
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.expectMessage(QStringLiteral("expected"), MsgAnswer::Yes);
            askYesNoCancel(scripted, "other");
            askYesNoCancel(scripted, "expected");
        },
        "but got message box \"other\"");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.expectFilePick(QStringLiteral("/x"));
            askYesNoCancel(scripted, "a message");
            scripted.pickFile({});
        },
        "Expected file picker");
}

TEST(TestDesktop, UnansweredExpectationsAndImpossibleAnswersFail) {
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.expectMessage(QStringLiteral("never shown"), MsgAnswer::Ok);
        },
        "never came: never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            TestDesktop scripted;
            scripted.expectMessage(QStringLiteral("ok only"), MsgAnswer::Yes);
            scripted.message(QStringLiteral("ok only"), {}, MsgType::Information, MsgButtons::Ok,
                             MsgAnswer::Ok);
        },
        "not one of the buttons");
}

TEST(TestDesktop, ProcessStartsNeedAHandler) {
    TestDesktop scripted;
    EXPECT_NONFATAL_FAILURE(scripted.startProcess(QStringLiteral("/bin/ls"), {}, false),
                            "Unexpected process start");
    scripted.onProcessStart([](const TestDesktop::ProcessStart &start) {
        return start.program == QStringLiteral("/bin/true");
    });
    EXPECT_TRUE(scripted.startProcess(QStringLiteral("/bin/true"), {}, true));
    EXPECT_EQ(scripted.processStarts().size(), 2u);
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
    scripted.runProcesses();
    EXPECT_TRUE(scripted.startProcess(QStringLiteral("/bin/touch"), {made}, true));
    EXPECT_TRUE(QFile::exists(made));
    EXPECT_FALSE(scripted.startProcess(folder.filePath(QStringLiteral("missing")), {}, true));
    ASSERT_EQ(scripted.processStarts().size(), 2u);
    EXPECT_EQ(scripted.processStarts()[0].arguments, QStringList{made});

    scripted.expectMessage(QStringLiteral("one"), MsgAnswer::No)
        .expectFilePick(QString())
        .expectMessage(QStringLiteral("two"), MsgAnswer::Cancel);
    askYesNoCancel(scripted, "one");
    scripted.pickFile({});
    askYesNoCancel(scripted, "two");
    EXPECT_EQ(scripted.messageTexts(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(scripted.prompts(TestDesktop::Kind::File).size(), 1u);
}
