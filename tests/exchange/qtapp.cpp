// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One QApplication for every test of this program, and a temporary folder of its own, so that
// test processes running side by side never share a staging folder.
namespace {
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "exchange_tests";
        static char *argv[] = {name, nullptr};
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        app = new QApplication(argc, argv);
    }
    void TearDown() override { delete app; }

private:
    QTemporaryDir tmp;
    QApplication *app = nullptr;
};

[[maybe_unused]] testing::Environment *const environment =
    testing::addGlobalTestEnvironment(new QtEnvironment);
} // namespace
