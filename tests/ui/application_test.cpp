// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapplication.h"
#include "test_desktop.h"

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
    testApplication();
    TestDesktop scripted;
    scripted.expectMessage(QStringLiteral("Error opening hero.\r\nbroken"), MsgAnswer::Ok);
    TThrowingObject object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    ASSERT_EQ(scripted.prompts().size(), 1u);
    EXPECT_EQ(scripted.prompts()[0].type, MsgType::Error);
}
