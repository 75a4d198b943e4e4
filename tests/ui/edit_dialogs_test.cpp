// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "testapplication.h"
#include "test_desktop.h"
#include "tests/ui/modal.h"
#include "ui/edit_commands.h"
#include "ui/frm_gold.h"
#include "ui/frm_name.h"
#include "ui/frm_race.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EditDialogs : public ::testing::Test {
protected:
    void SetUp() override { testApplication(); }
};

// Shows the dialog without a modal loop, puts text in the field and presses OK; answers whether
// the dialog closed as accepted.
bool pressOk(TDSEntryDialog &dialog, const QString &text) {
    dialog.show();
    dialog.field()->setText(text);
    QTest::mouseClick(dialog.button1(), Qt::LeftButton);
    return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
}

const QString NameMessage = QStringLiteral("You must specify a name!");
const QString AlphaMessage = QStringLiteral("First character in the name must be alpha-numeric.");
const QString GoldMessage =
    QStringLiteral("Gold must be a valid integer value between 0 and 999999999.");

TEST_F(EditDialogs, NameDialogLooksAsDescribed) {
    TfrmName dialog;
    EXPECT_EQ(dialog.windowTitle(), "Hero Name");
    EXPECT_EQ(dialog.size(), QSize(250, 78));
    EXPECT_EQ(dialog.edtName()->maxLength(), 20);
    EXPECT_TRUE(dialog.button1()->isDefault());
    EXPECT_EQ(dialog.button2()->text(), "Cancel");
}

TEST_F(EditDialogs, NameOkChecksTheFirstCharacter) {
    const struct {
        const char *name;
        QString message; // empty: accepted
    } cases[] = {
        {"", NameMessage},           {" Ulf", AlphaMessage}, {"_Ulf", AlphaMessage},
        {"'Ulf", AlphaMessage},      {",Ulf", AlphaMessage}, {"-Ulf", AlphaMessage},
        {".Ulf", AlphaMessage},      {"Ulf's", QString()},   {"9 Lives", QString()},
        {"Ulf the_Bold", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestDesktop desk; // any message but the expected one fails
        if (!c.message.isEmpty())
            desk.expectMessage(c.message, MsgAnswer::Ok);
        TfrmName dialog;
        const bool accepted = pressOk(dialog, QString::fromLatin1(c.name));
        EXPECT_EQ(accepted, c.message.isEmpty());
        EXPECT_EQ(dialog.isVisible(), !c.message.isEmpty()) << "a refused name keeps it open";
        for (const TestDesktop::Prompt &prompt : desk.prompts())
            EXPECT_EQ(prompt.caption, "Thalrex");
    }
}

TEST_F(EditDialogs, NameFieldRefusesOtherKeysAndStopsAtTwentyCharacters) {
    TfrmName dialog;
    dialog.show();
    QTest::keyClicks(dialog.edtName(), "U!l?f@ #9_'.-,x");
    EXPECT_EQ(dialog.edtName()->text(), "Ulf 9_'.-,x");
    dialog.edtName()->clear();
    QTest::keyClicks(dialog.edtName(), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(dialog.edtName()->text(), "abcdefghijklmnopqrst");
}

TEST_F(EditDialogs, GoldOkAcceptsOnlyAWholeAmountInRange) {
    const struct {
        const char *text;
        bool accepted;
    } cases[] = {
        {"", false},  {"0", true},    {"999999999", true},   {"1000000000", false}, {"-1", false},
        {"-0", true}, {"12x", false}, {"2147483648", false}, {"007", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        TestDesktop desk;
        if (!c.accepted)
            desk.expectMessage(GoldMessage, MsgAnswer::Ok);
        TfrmGold dialog;
        dialog.edtGold()->setMaxLength(32); // the checks must hold on their own
        EXPECT_EQ(pressOk(dialog, QString::fromLatin1(c.text)), c.accepted);
    }
}

TEST_F(EditDialogs, GoldFieldTakesNineDigitsOnly) {
    TfrmGold dialog;
    EXPECT_EQ(dialog.windowTitle(), "Gold");
    EXPECT_EQ(dialog.size(), QSize(250, 78));
    dialog.show();
    QTest::keyClicks(dialog.edtGold(), "1-2a3 4.5");
    EXPECT_EQ(dialog.edtGold()->text(), "12345");
    QTest::keyClicks(dialog.edtGold(), "678901");
    EXPECT_EQ(dialog.edtGold()->text(), "123456789");
}

TEST_F(EditDialogs, TypingIsCheckedButAGivenValueShowsWholeAndStaysEditable) {
    TfrmName dialog;
    dialog.show();
    dialog.setValue(QStringLiteral("Zoë Åsa Longname-Smith"));
    EXPECT_EQ(dialog.edtName()->text(), "Zoë Åsa Longname-Smith");
    EXPECT_EQ(dialog.edtName()->selectedText(), dialog.edtName()->text()) << "typing replaces it";
    dialog.edtName()->setCursorPosition(3);
    QTest::keyClick(dialog.edtName(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.edtName()->text(), "Zo Åsa Longname-Smith");
    QTest::keyClicks(dialog.edtName(), "e");
    EXPECT_EQ(dialog.edtName()->text(), "Zo Åsa Longname-Smith") << "no typing beyond 20";
    QTest::keyClick(dialog.edtName(), Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(dialog.edtName(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.edtName(), "xyz");
    EXPECT_EQ(dialog.edtName()->text(), "Zo Åsa Longname-Smxy");
    EXPECT_FALSE(dialog.unedited());
}

TEST_F(EditDialogs, AskHeroNameAnswersTheTypedNameOnOkAndTheOldOneOnCancel) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        EXPECT_EQ(dialog->edtName()->text(), "Hero");
        dialog->edtName()->clear();
        QTest::keyClicks(dialog->edtName(), "Ulf's");
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroName(nullptr, "Hero"), "Ulf's");

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        QTest::keyClicks(dialog->edtName(), "Changed");
        QTest::mouseClick(dialog->button2(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroName(nullptr, "Hero"), "Hero");
}

TEST_F(EditDialogs, AskGoldShowsTheAmountAndAnswersTheNewOne) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmGold *>(d);
        EXPECT_EQ(dialog->edtGold()->text(), "100");
        dialog->edtGold()->clear();
        QTest::keyClicks(dialog->edtGold(), "999999999");
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    EXPECT_EQ(askGold(nullptr, 100), 999999999);

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmGold *>(d);
        dialog->edtGold()->clear();
        QTest::mouseClick(dialog->button2(), Qt::LeftButton);
    });
    EXPECT_EQ(askGold(nullptr, 100), 100);
}

TEST_F(EditDialogs, RaceDialogSelectsByNumberAndClearsForOthers) {
    TfrmRace dialog;
    EXPECT_EQ(dialog.windowTitle(), "Hero Model");
    EXPECT_EQ(dialog.size(), QSize(250, 118));
    EXPECT_EQ(dialog.itemIndex(), -1);
    dialog.setItemIndex(2);
    EXPECT_EQ(dialog.itemIndex(), 2);
    dialog.setItemIndex(4);
    EXPECT_EQ(dialog.itemIndex(), -1);
}

TEST_F(EditDialogs, AskHeroModelSelectsTheCurrentModelAndNothingForUnknown) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmRace *>(d);
        EXPECT_EQ(dialog->itemIndex(), -1);
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, dsrUnknown), dsrUnknown);

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmRace *>(d);
        EXPECT_EQ(dialog->itemIndex(), 2);
        const auto items = dialog->rgpRace()->findChildren<QRadioButton *>();
        ASSERT_EQ(items.size(), 4);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(QApplication::focusWidget(), items[2]) << "the keys start at the selection";
        QTest::keyClick(items[2], Qt::Key_Down);
        EXPECT_EQ(dialog->itemIndex(), 3);
        QTest::mouseClick(items[1], Qt::LeftButton, {}, QPoint(4, 4)); // "Farmgirl"
        EXPECT_EQ(dialog->itemIndex(), 1);
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, dsrDwarf), dsrFarmgirl);

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmRace *>(d);
        dialog->setItemIndex(3);
        QTest::mouseClick(dialog->button2(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, dsrDwarf), dsrDwarf);
}

// The Edit menu's Name, Gold and Model commands on a real hero.
class EditCommands : public EditDialogs {
protected:
    TestDesktop desk; // no message expected
    void SetUp() override {
        EditDialogs::SetUp();
        hero.setName("Hero");
        hero.setGold(100);
        hero.setModel(dsrUnknown);
        hero.markUnmodified();
    }
    TDSHero hero;
};

TEST_F(EditCommands, CancellingAnyDialogLeavesTheHeroUnmodified) {
    whenModal([](QDialog *d) {
        QTest::keyClicks(static_cast<TfrmName *>(d)->edtName(), "Ulf");
        QTest::mouseClick(static_cast<TfrmName *>(d)->button2(), Qt::LeftButton);
    });
    editHeroName(nullptr, hero);
    whenModal([](QDialog *d) {
        QTest::keyClicks(static_cast<TfrmGold *>(d)->edtGold(), "5");
        QTest::mouseClick(static_cast<TfrmGold *>(d)->button2(), Qt::LeftButton);
    });
    editGold(nullptr, hero);
    whenModal([](QDialog *d) {
        static_cast<TfrmRace *>(d)->setItemIndex(1);
        QTest::mouseClick(static_cast<TfrmRace *>(d)->button2(), Qt::LeftButton);
    });
    editHeroModel(nullptr, hero);

    EXPECT_FALSE(hero.modified());
    EXPECT_EQ(hero.heroName(), "Hero");
    EXPECT_EQ(hero.gold(), 100);
    EXPECT_EQ(hero.model(), dsrUnknown);
}

TEST_F(EditCommands, UneditedOkKeepsALongNameAndALargeGold) {
    const std::string name = "Zo\xEB \xC5sa Longname-Smith"; // 22 Latin-1 characters
    hero.setName(name);
    hero.setGold(1234567890);
    hero.markUnmodified();
    QString shown;
    whenModal([&](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        shown = dialog->edtName()->text();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_TRUE(dialog->edtName()->hasFocus());
        EXPECT_EQ(dialog->edtName()->selectedText(), shown);
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    editHeroName(nullptr, hero);
    EXPECT_EQ(shown, "Zoë Åsa Longname-Smith");
    whenModal([&](QDialog *d) {
        auto *dialog = static_cast<TfrmGold *>(d);
        shown = dialog->edtGold()->text();
        EXPECT_EQ(dialog->edtGold()->selectedText(), shown);
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    editGold(nullptr, hero);
    EXPECT_EQ(shown, "1234567890");

    EXPECT_EQ(hero.heroName(), name);
    EXPECT_EQ(hero.gold(), 1234567890);
    EXPECT_FALSE(hero.modified());
}

TEST_F(EditCommands, AnEditedGoldOutOfRangeIsRefusedWithItsMessage) {
    hero.setGold(1234567890);
    hero.markUnmodified();
    desk.expectMessage(GoldMessage, MsgAnswer::Ok);
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmGold *>(d);
        dialog->edtGold()->setSelection(9, 1); // the last digit, replaced: still ten digits
        QTest::keyClicks(dialog->edtGold(), "1");
        EXPECT_EQ(dialog->edtGold()->text(), "1234567891");
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(dialog->button2(), Qt::LeftButton);
    });
    editGold(nullptr, hero);
    EXPECT_EQ(hero.gold(), 1234567890);
    EXPECT_FALSE(hero.modified());
}

TEST_F(EditCommands, AcceptedValuesReachTheHero) {
    int propChanges = 0;
    hero.OnPropChanged = [&](TDSHero &) { ++propChanges; };
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        dialog->edtName()->clear();
        QTest::keyClicks(dialog->edtName(), "9 Lives");
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    editHeroName(nullptr, hero);
    EXPECT_EQ(hero.heroName(), "9 Lives");
    EXPECT_TRUE(hero.modified());

    whenModal([](QDialog *d) {
        QTest::mouseClick(static_cast<TfrmGold *>(d)->button1(), Qt::LeftButton);
    });
    editGold(nullptr, hero);
    EXPECT_EQ(propChanges, 1) << "OK on the unchanged amount changes nothing";

    whenModal([](QDialog *d) {
        static_cast<TfrmRace *>(d)->setItemIndex(2);
        QTest::mouseClick(static_cast<TfrmRace *>(d)->button1(), Qt::LeftButton);
    });
    editHeroModel(nullptr, hero);
    EXPECT_EQ(hero.model(), dsrDwarf);
}

} // namespace
