// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"
#include "standin.h"
#include "test_desktop.h"

#include "exchange/run_and_wait.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Puts only the given folder on the PATH while it lives.
class PathOnly {
public:
    explicit PathOnly(const QString &folder) : m_saved(qgetenv("PATH")) {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~PathOnly() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

TEST(RunAndWait, StartsTheProgramWithItsArgumentsAndWaits) {
    TempFolders t;
    TestDesktop d;
    d.runProcesses();
    const QString tool = writeTankCreator(t.path("tools/tank creator"), ToolMode::WritesGarbage);
    const QStringList args{"-source", t.folders.imports, "-out", t.path("out file.dsparty")};
    runAndWait(d, tool, args, true);
    EXPECT_EQ(recordedArguments(tool), args);
    EXPECT_TRUE(QFile::exists(t.path("out file.dsparty"))); // waited for
}

TEST(RunAndWait, ExeGoesThroughWineWhenItIsOnThePath) {
    TempFolders t;
    const QString wine = writeRecorder(t.path("winebin/wine"));
    const QString exe = t.write("bin/RTC.exe", "MZ");
    for (const QString &program : {exe, t.write("bin/TOOL.EXE", "MZ")}) {
        TestDesktop d;
        d.runProcesses();
        PathOnly path(t.path("winebin"));
        runAndWait(d, program, {"-source", "a b"}, true);
        ASSERT_EQ(d.processStarts().size(), 1u);
        EXPECT_EQ(d.processStarts()[0].program, wine);
        EXPECT_EQ(recordedArguments(wine), QStringList({program, "-source", "a b"}));
    }
}

TEST(RunAndWait, UnstartableProgramIsNotFound) {
    TempFolders t;
    TestDesktop d;
    d.runProcesses();
    const QString exe = t.write("bin/RTC.exe", "MZ");
    PathOnly path(t.path("nowine"));
    for (const QString &program : {exe, t.path("bin/missing")}) {
        try {
            runAndWait(d, program, {}, true);
            ADD_FAILURE() << "started " << program.toStdString();
        } catch (const std::runtime_error &e) {
            EXPECT_EQ(QString(e.what()), "Executable " + program + " not found");
        }
    }
    ASSERT_FALSE(d.processStarts().empty());
    EXPECT_EQ(d.processStarts()[0].program, exe); // without wine, started as it is
}

} // namespace
