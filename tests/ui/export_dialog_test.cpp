// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_application.h"
#include "test_desktop.h"
#include "ui/export_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <span>

namespace {

class ExportDialogTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QDir().mkpath(save);
        QDir().mkpath(hero);
    }

    Application &application = testApplication(); // before the dialog
    QTemporaryDir root;
    const QString documents = root.filePath("docs/");
    const QString save = documents + "Dungeon Siege/Save/";
    const QString hero = root.filePath("Heroes/Ulf/");
    TestDesktop d;
    ExportDialog dialog{nullptr, d, "Ulf", documents, save};
};

TEST_F(ExportDialogTest, TitleButtonsAndTabOrder) {
    EXPECT_EQ(dialog.windowTitle(), "Tank Creation Parameters");
    EXPECT_TRUE(dialog.exportButton()->isDefault());
    EXPECT_EQ(dialog.exportButton()->text(), "Export");
    EXPECT_EQ(dialog.exportButton()->toolTip(), "Export Ulf");
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
    for (QPushButton *browse : {dialog.sourceBrowseButton(), dialog.outputBrowseButton()}) {
        EXPECT_EQ(browse->toolTip(), "Browse");
        EXPECT_EQ(browse->focusPolicy(), Qt::NoFocus) << "not in the tab order";
    }

    QList<QWidget *> order;
    QWidget *w = dialog.sourceField();
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
            w = w->nextInFocusChain();
        order << w;
    }
    EXPECT_EQ(order,
              (QList<QWidget *>{dialog.sourceField(), dialog.outputField(), dialog.alwaysBox(),
                                dialog.exportButton(), dialog.cancelButton()}));
}

TEST_F(ExportDialogTest, ExportNeedsBothFoldersToExist) {
    const QString missing = root.filePath("missing");
    struct Case {
        QString source, out, message;
    } cases[] = {
        {missing, save, "Source directory does not exist!"},
        {hero, missing, "Out directory does not exist!"},
        {missing, missing, "Source directory does not exist!"},
    };
    for (const Case &c : cases) {
        dialog.sourceField()->setText(c.source);
        dialog.outputField()->setText(c.out);
        d.expectMessage(c.message, MsgAnswer::Ok);
        dialog.exportButton()->click();
        ASSERT_TRUE(d.allAnswered());
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    dialog.sourceField()->setText(hero);
    dialog.outputField()->setText(save);
    dialog.exportButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ExportDialogTest, EscapeRejects) {
    dialog.sourceField()->setText(hero);
    dialog.outputField()->setText(save);
    QTest::keyClick(dialog.sourceField(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(ExportDialogTest, KeysYAndNSetTheCheckBox) {
    QCheckBox *always = dialog.alwaysBox();
    always->setFocus();
    for (auto [key, checked] :
         {std::pair{Qt::Key_Y, true}, {Qt::Key_Y, true}, {Qt::Key_N, false}}) {
        QTest::keyClick(always, key);
        EXPECT_EQ(always->isChecked(), checked);
    }
}

TEST_F(ExportDialogTest, BrowsersStartAtTheFieldsFolderOrTheirFallbackAndMoveTheFocusOn) {
    const struct {
        QPushButton *button;
        QLineEdit *field;
        QString label, fallback, chosen;
        QWidget *next; // the focus after a choice; a cancel leaves it in the field
    } cases[] = {
        {dialog.sourceBrowseButton(), dialog.sourceField(), "Select Ulf's folder:", documents, hero,
         dialog.outputField()},
        {dialog.outputBrowseButton(), dialog.outputField(), "Select savegame folder:", save,
         root.path(), dialog.exportButton()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label.toStdString());
        c.field->setText(root.filePath("missing"));
        d.expectFolderPick(QString()).expectFolderPick(c.chosen).expectFolderPick(QString());
        c.button->click(); // cancelled
        EXPECT_EQ(c.field->text(), root.filePath("missing"));
        EXPECT_EQ(QApplication::focusWidget(), c.field);
        c.button->click(); // chosen
        EXPECT_EQ(c.field->text(), c.chosen);
        EXPECT_EQ(QApplication::focusWidget(), c.next);
        c.button->click(); // from the chosen folder
        ASSERT_TRUE(d.allAnswered());
        const auto picks = std::span(d.prompts()).last(3);
        EXPECT_EQ(picks[0].folder.label, c.label);
        EXPECT_FALSE(picks[0].folder.newFolder);
        EXPECT_EQ(picks[0].folder.initial, c.fallback);
        EXPECT_EQ(picks[1].folder.initial, c.fallback);
        EXPECT_EQ(picks[2].folder.initial, c.chosen);
    }
}

} // namespace
