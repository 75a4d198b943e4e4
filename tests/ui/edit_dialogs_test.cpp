// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "session/editor_session.h"
#include "test_application.h"
#include "test_desktop.h"
#include "tests/ui/modal.h"
#include "ui/edit_commands.h"
#include "ui/gold_dialog.h"
#include "ui/model_dialog.h"
#include "ui/name_dialog.h"

#include <QApplication>
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

    TestDesktop desk; // any message but the expected ones fails
};

// Shows the dialog without a modal loop, puts text in the field and presses OK; answers whether
// the dialog closed as accepted.
bool pressOk(TextEntryDialog &dialog, const QString &text) {
    dialog.show();
    dialog.field()->setText(text);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
}

// The text entry dialog showing modally.
TextEntryDialog *entry(QDialog *dialog) {
    return static_cast<TextEntryDialog *>(dialog);
}

const QString nameMessage = "You must specify a name!";
const QString alphaMessage = "First character in the name must be alpha-numeric.";
const QString goldMessage = "Gold must be a valid integer value between 0 and 999999999.";

TEST_F(EditDialogs, NameDialogLooksAsDescribed) {
    NameDialog dialog(nullptr, desk);
    EXPECT_EQ(dialog.windowTitle(), "Hero Name");
    EXPECT_EQ(dialog.size(), QSize(250, 78));
    EXPECT_EQ(dialog.field()->maxLength(), 20);
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
}

TEST_F(EditDialogs, NameOkChecksTheFirstCharacter) {
    const struct {
        const char *name;
        QString message; // empty: accepted
    } cases[] = {
        {"", nameMessage},           {" Ulf", alphaMessage}, {"_Ulf", alphaMessage},
        {"'Ulf", alphaMessage},      {",Ulf", alphaMessage}, {"-Ulf", alphaMessage},
        {".Ulf", alphaMessage},      {"Ulf's", QString()},   {"9 Lives", QString()},
        {"Ulf the_Bold", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestDesktop scripted;
        if (!c.message.isEmpty())
            scripted.expectMessage(c.message, MsgAnswer::Ok);
        NameDialog dialog(nullptr, scripted);
        const bool accepted = pressOk(dialog, QString::fromLatin1(c.name));
        EXPECT_EQ(accepted, c.message.isEmpty());
        EXPECT_EQ(dialog.isVisible(), !c.message.isEmpty()) << "a refused name keeps it open";
        for (const TestDesktop::Prompt &prompt : scripted.prompts())
            EXPECT_EQ(prompt.caption, "Thalrex");
    }
}

TEST_F(EditDialogs, NameFieldRefusesOtherKeysAndStopsAtTwentyCharacters) {
    NameDialog dialog(nullptr, desk);
    dialog.show();
    QTest::keyClicks(dialog.field(), "U!l?f@ #9_'.-,x");
    EXPECT_EQ(dialog.field()->text(), "Ulf 9_'.-,x");
    dialog.field()->clear();
    QTest::keyClicks(dialog.field(), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(dialog.field()->text(), "abcdefghijklmnopqrst");
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
        TestDesktop scripted;
        if (!c.accepted)
            scripted.expectMessage(goldMessage, MsgAnswer::Ok);
        GoldDialog dialog(nullptr, scripted);
        dialog.field()->setMaxLength(32); // the checks must hold on their own
        EXPECT_EQ(pressOk(dialog, QString::fromLatin1(c.text)), c.accepted);
    }
}

TEST_F(EditDialogs, GoldFieldTakesNineDigitsOnly) {
    GoldDialog dialog(nullptr, desk);
    EXPECT_EQ(dialog.windowTitle(), "Gold");
    EXPECT_EQ(dialog.size(), QSize(250, 78));
    dialog.show();
    QTest::keyClicks(dialog.field(), "1-2a3 4.5");
    EXPECT_EQ(dialog.field()->text(), "12345");
    QTest::keyClicks(dialog.field(), "678901");
    EXPECT_EQ(dialog.field()->text(), "123456789");
}

TEST_F(EditDialogs, TypingIsCheckedButAGivenValueShowsWholeAndStaysEditable) {
    NameDialog dialog(nullptr, desk);
    QLineEdit *field = dialog.field();
    dialog.show();
    dialog.setValue("Zoë Åsa Longname-Smith");
    EXPECT_EQ(field->text(), "Zoë Åsa Longname-Smith");
    EXPECT_EQ(field->selectedText(), field->text()) << "typing replaces it";
    field->setCursorPosition(3);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "Zo Åsa Longname-Smith");
    QTest::keyClicks(field, "e");
    EXPECT_EQ(field->text(), "Zo Åsa Longname-Smith") << "no typing beyond 20";
    QTest::keyClick(field, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "xyz");
    EXPECT_EQ(field->text(), "Zo Åsa Longname-Smxy");
}

TEST_F(EditDialogs, AskHeroNameAndGoldAnswerTheTypedValueOnOkAndTheOldOneOnCancel) {
    const struct {
        bool gold;
        QString typed;
        bool ok;
        QString answer;
    } cases[] = {{false, "Ulf's", true, "Ulf's"},
                 {false, "Changed", false, "Hero"},
                 {true, "999999999", true, "999999999"},
                 {true, "", false, "100"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        whenModal([&c](QDialog *d) {
            EXPECT_EQ(entry(d)->field()->text(), c.gold ? "100" : "Hero");
            entry(d)->field()->clear();
            QTest::keyClicks(entry(d)->field(), c.typed);
            QTest::mouseClick(c.ok ? entry(d)->okButton() : entry(d)->cancelButton(),
                              Qt::LeftButton);
        });
        EXPECT_EQ(c.gold ? QString::number(askGold(nullptr, desk, 100))
                         : askHeroName(nullptr, desk, "Hero"),
                  c.answer);
    }
}

TEST_F(EditDialogs, ModelDialogSelectsByNumberAndClearsForOthers) {
    ModelDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Hero Model");
    EXPECT_EQ(dialog.size(), QSize(250, 118));
    EXPECT_EQ(dialog.selectedItem(), -1);
    dialog.selectItem(2);
    EXPECT_EQ(dialog.selectedItem(), 2);
    dialog.selectItem(4);
    EXPECT_EQ(dialog.selectedItem(), -1);
}

TEST_F(EditDialogs, AskHeroModelSelectsTheCurrentModelAndNothingForUnknown) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<ModelDialog *>(d);
        EXPECT_EQ(dialog->selectedItem(), -1);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, HeroModel::Unknown), HeroModel::Unknown);

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<ModelDialog *>(d);
        EXPECT_EQ(dialog->selectedItem(), 2);
        const auto items = dialog->group()->findChildren<QRadioButton *>();
        ASSERT_EQ(items.size(), 4);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(QApplication::focusWidget(), items[2]) << "the keys start at the selection";
        QTest::keyClick(items[2], Qt::Key_Down);
        EXPECT_EQ(dialog->selectedItem(), 3);
        QTest::mouseClick(items[1], Qt::LeftButton, {}, QPoint(4, 4)); // "Farmgirl"
        EXPECT_EQ(dialog->selectedItem(), 1);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, HeroModel::Dwarf), HeroModel::Farmgirl);

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<ModelDialog *>(d);
        dialog->selectItem(3);
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    EXPECT_EQ(askHeroModel(nullptr, HeroModel::Dwarf), HeroModel::Dwarf);
}

// The Edit menu's Name, Gold and Model commands on the hero of a session.
class EditCommands : public EditDialogs {
protected:
    void SetUp() override {
        EditDialogs::SetUp();
        hero.setName("Hero");
        hero.setGold(100);
        hero.setModel(HeroModel::Unknown);
        hero.markUnmodified();
        hero.onChanged = [this] { ++changes; };
    }

    EditorSession session{ProgramFolders{}, desk};
    Hero &hero = session.hero();
    int changes = 0; // calls of the hero's onChanged
};

TEST_F(EditCommands, CancellingAnyDialogLeavesTheHeroUnmodified) {
    whenModal([](QDialog *d) {
        QTest::keyClicks(entry(d)->field(), "Ulf");
        QTest::mouseClick(entry(d)->cancelButton(), Qt::LeftButton);
    });
    editHeroName(nullptr, session);
    whenModal([](QDialog *d) {
        QTest::keyClicks(entry(d)->field(), "5");
        QTest::mouseClick(entry(d)->cancelButton(), Qt::LeftButton);
    });
    editHeroGold(nullptr, session);
    whenModal([](QDialog *d) {
        static_cast<ModelDialog *>(d)->selectItem(1);
        QTest::mouseClick(static_cast<ModelDialog *>(d)->cancelButton(), Qt::LeftButton);
    });
    editHeroModel(nullptr, session);

    EXPECT_FALSE(hero.isModified());
    EXPECT_EQ(hero.name(), "Hero");
    EXPECT_EQ(hero.gold(), 100);
    EXPECT_EQ(hero.model(), HeroModel::Unknown);
    EXPECT_EQ(changes, 0);
}

TEST_F(EditCommands, UneditedOkKeepsALongValidName) {
    const std::string name = "Zo\xEB \xC5sa Longname-Smith"; // 22 Latin-1 characters
    hero.setName(name);
    hero.markUnmodified();
    QString shown;
    whenModal([&](QDialog *d) {
        shown = entry(d)->field()->text();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        EXPECT_TRUE(entry(d)->field()->hasFocus());
        EXPECT_EQ(entry(d)->field()->selectedText(), shown);
        QTest::mouseClick(entry(d)->okButton(), Qt::LeftButton);
    });
    editHeroName(nullptr, session);
    EXPECT_EQ(shown, "Zoë Åsa Longname-Smith");
    EXPECT_EQ(hero.name(), name);
    EXPECT_FALSE(hero.isModified());
}

TEST_F(EditCommands, OkChecksAnUnchangedValueFromTheFileToo) {
    const struct {
        std::string name;
        int gold;
        bool editsGold;
        QString message;
    } cases[] = {{"", 100, false, nameMessage},
                 {"_Ulf", 100, false, alphaMessage},
                 {"Ulf", -5, true, goldMessage},
                 {"Ulf", 2147483647, true, goldMessage}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        hero.setName(c.name);
        hero.setGold(c.gold);
        hero.markUnmodified();
        desk.expectMessage(c.message, MsgAnswer::Ok);
        whenModal([](QDialog *d) {
            QTest::mouseClick(entry(d)->okButton(), Qt::LeftButton);
            EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
            QTest::mouseClick(entry(d)->cancelButton(), Qt::LeftButton);
        });
        c.editsGold ? editHeroGold(nullptr, session) : editHeroName(nullptr, session);
        EXPECT_EQ(hero.name(), c.name);
        EXPECT_EQ(hero.gold(), c.gold);
        EXPECT_FALSE(hero.isModified());
    }
}

TEST_F(EditCommands, AnEditedGoldOutOfRangeIsRefusedWithItsMessage) {
    hero.setGold(1234567890);
    hero.markUnmodified();
    desk.expectMessage(goldMessage, MsgAnswer::Ok);
    whenModal([](QDialog *d) {
        QLineEdit *field = entry(d)->field();
        field->setSelection(9, 1); // the last digit, replaced: still ten digits
        QTest::keyClicks(field, "1");
        EXPECT_EQ(field->text(), "1234567891");
        QTest::mouseClick(entry(d)->okButton(), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        QTest::mouseClick(entry(d)->cancelButton(), Qt::LeftButton);
    });
    editHeroGold(nullptr, session);
    EXPECT_EQ(hero.gold(), 1234567890);
    EXPECT_FALSE(hero.isModified());
}

TEST_F(EditCommands, AcceptedValuesReachTheHero) {
    whenModal([](QDialog *d) {
        entry(d)->field()->clear();
        QTest::keyClicks(entry(d)->field(), "9 Lives");
        QTest::mouseClick(entry(d)->okButton(), Qt::LeftButton);
    });
    editHeroName(nullptr, session);
    EXPECT_EQ(hero.name(), "9 Lives");
    EXPECT_TRUE(hero.isModified());

    const int afterName = changes;
    whenModal([](QDialog *d) { QTest::mouseClick(entry(d)->okButton(), Qt::LeftButton); });
    editHeroGold(nullptr, session);
    EXPECT_EQ(changes, afterName) << "OK on the unchanged amount changes nothing";

    whenModal([](QDialog *d) {
        static_cast<ModelDialog *>(d)->selectItem(2);
        QTest::mouseClick(static_cast<ModelDialog *>(d)->okButton(), Qt::LeftButton);
    });
    editHeroModel(nullptr, session);
    EXPECT_EQ(hero.model(), HeroModel::Dwarf);
}

} // namespace
