// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One QCoreApplication for every test of this program, and a temporary folder of its own, so that
// test processes running side by side never share a staging folder.
namespace {
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "exchange_tests";
        static char *argv[] = {name, nullptr};
        qputenv("TMPDIR", m_tmp.path().toLocal8Bit());
        m_app = new QCoreApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QTemporaryDir m_tmp;
    QCoreApplication *m_app = nullptr;
};

[[maybe_unused]] testing::Environment *const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);
} // namespace
