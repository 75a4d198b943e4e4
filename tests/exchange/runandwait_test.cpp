// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "standin.h"
#include "test_desktop.h"

#include "exchange/runandwait.h"

#include <gtest/gtest.h>

namespace {

// Puts only the given folder on the PATH while it lives.
class PathOnly {
public:
    explicit PathOnly(const QString &folder) : saved(qgetenv("PATH")) {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~PathOnly() { qputenv("PATH", saved); }

private:
    QByteArray saved;
};

TEST(RunAndWait, StartsTheProgramWithItsArgumentsAndWaits) {
    TempFolders t;
    TestDesktop d;
    d.runProcesses();
    const QString tool = writeTankCreator(t.path("tools/tank creator"), ToolMode::Writes);
    const QStringList args{"-source", t.folders.imports, "-out", t.path("out file.dsparty")};
    EXPECT_TRUE(RunAndWait(tool, args, true));
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
        EXPECT_TRUE(RunAndWait(program, {"-source", "a b"}, true));
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
            RunAndWait(program, {}, true);
            ADD_FAILURE() << "started " << program.toStdString();
        } catch (const std::runtime_error &e) {
            EXPECT_EQ(QString(e.what()), "Executable " + program + " not found");
        }
    }
    ASSERT_FALSE(d.processStarts().empty());
    EXPECT_EQ(d.processStarts()[0].program, exe); // without wine, started as it is
}

} // namespace
