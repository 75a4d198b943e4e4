// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapplication.h"
#include "testdesktop.h"

#include <QCoreApplication>
#include <QEvent>

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

class TThrowingObject : public QObject {
public:
    bool event(QEvent *) override { throw std::runtime_error("Error opening hero.\r\nbroken"); }
};

} // namespace

TEST(TApplication, AnErrorEscapingAnEventHandlerIsShownAndTheProgramGoesOn) {
    TestApplication();
    TestDesktop scripted;
    scripted.ExpectMessage(QStringLiteral("Error opening hero.\r\nbroken"), MsgAnswer::Ok);
    TThrowingObject object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    ASSERT_EQ(scripted.Prompts().size(), 1u);
    EXPECT_EQ(scripted.Prompts()[0].type, MsgType::Error);
}
