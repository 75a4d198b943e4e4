// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_application.h"
#include "test_desktop.h"
#include "ui/application.h"

#include <QCoreApplication>
#include <QEvent>

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

class ThrowingObject : public QObject {
public:
    bool event(QEvent *) override { throw std::runtime_error("Error opening hero.\r\nbroken"); }
};

} // namespace

TEST(Application, AnErrorEscapingAnEventHandlerIsShownAndTheProgramGoesOn) {
    TestDesktop scripted;
    testApplication().setDesktop(&scripted);
    scripted.expectMessage(QStringLiteral("Error opening hero.\r\nbroken"), MsgAnswer::Ok);
    ThrowingObject object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    testApplication().setDesktop(nullptr);
    ASSERT_EQ(scripted.prompts().size(), 1u);
    EXPECT_EQ(scripted.prompts()[0].type, MsgType::Error);
}
