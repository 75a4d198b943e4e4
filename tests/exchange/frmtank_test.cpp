// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"
#include "test_desktop.h"

#include "exchange/frmtank.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TankDialog : public testing::Test {
protected:
    TempFolders t;
    TestDesktop d;
    TfrmTank dialog{nullptr, "Ulf", t.folders.documents, t.folders.save};

    void SetUp() override {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
};

TEST_F(TankDialog, LayoutAndTabOrder) {
    EXPECT_EQ(dialog.windowTitle(), "Tank Creation Parameters");
    EXPECT_EQ(dialog.height(), 148);
    EXPECT_EQ(dialog.minimumHeight(), 148);
    EXPECT_EQ(dialog.maximumHeight(), 148);
    EXPECT_EQ(dialog.minimumWidth(), 394);
    EXPECT_TRUE(dialog.button1->isDefault());
    EXPECT_EQ(dialog.button1->text(), "Export");
    EXPECT_EQ(dialog.button2->text(), "Cancel");
    EXPECT_EQ(dialog.btnSourceBrowse->toolTip(), "Browse");
    EXPECT_EQ(dialog.btnSourceBrowse->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(dialog.btnOutBrowse->focusPolicy(), Qt::NoFocus);

    QList<QWidget *> order;
    QWidget *w = dialog.edtSource;
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
            w = w->nextInFocusChain();
        order << w;
    }
    EXPECT_EQ(order, (QList<QWidget *>{dialog.edtSource, dialog.edtOut, dialog.ckbAlways,
                                       dialog.button1, dialog.button2}));
}

TEST_F(TankDialog, ExportNeedsBothFoldersToExist) {
    const QString missing = t.path("missing");
    struct Case {
        QString source, out, message;
    } cases[] = {
        {missing, t.folders.save, "Source directory does not exist!"},
        {t.folders.imports, missing, "Out directory does not exist!"},
        {missing, missing, "Source directory does not exist!"},
    };
    for (const Case &c : cases) {
        dialog.edtSource->setText(c.source);
        dialog.edtOut->setText(c.out);
        d.expectMessage(c.message, MsgAnswer::Ok);
        dialog.button1->click();
        ASSERT_TRUE(d.allAnswered());
        EXPECT_EQ(d.prompts().back().type, MsgType::Error);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    dialog.edtSource->setText(t.folders.imports);
    dialog.edtOut->setText(t.folders.save);
    dialog.button1->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TankDialog, EscapeAndCancelReject) {
    dialog.edtSource->setText(t.folders.imports);
    dialog.edtOut->setText(t.folders.save);
    QTest::keyClick(dialog.edtSource, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(d.prompts().empty());
}

TEST_F(TankDialog, KeysYAndNSetTheCheckBox) {
    dialog.ckbAlways->setFocus();
    QTest::keyClick(dialog.ckbAlways, Qt::Key_Y);
    EXPECT_TRUE(dialog.ckbAlways->isChecked());
    QTest::keyClick(dialog.ckbAlways, Qt::Key_Y);
    EXPECT_TRUE(dialog.ckbAlways->isChecked());
    QTest::keyClick(dialog.ckbAlways, Qt::Key_N);
    EXPECT_FALSE(dialog.ckbAlways->isChecked());
}

TEST_F(TankDialog, SourceBrowserStartsAtTheFieldOrTheDocumentsFolder) {
    dialog.edtSource->setText(t.path("missing"));
    d.expectFolderPick(QString()).expectFolderPick(t.folders.imports);
    dialog.btnSourceBrowse->click(); // cancelled
    EXPECT_EQ(dialog.edtSource->text(), t.path("missing"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.edtSource);
    dialog.btnSourceBrowse->click(); // chosen
    EXPECT_EQ(dialog.edtSource->text(), t.folders.imports);
    EXPECT_EQ(QApplication::focusWidget(), dialog.edtOut);

    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[0].folder.label, "Select Ulf's folder:");
    EXPECT_EQ(d.prompts()[0].folder.initial, t.folders.documents);
    EXPECT_FALSE(d.prompts()[0].folder.newFolder);

    d.expectFolderPick(QString());
    dialog.btnSourceBrowse->click();
    EXPECT_EQ(d.prompts()[2].folder.initial, t.folders.imports);
}

TEST_F(TankDialog, OutputBrowserStartsAtTheFieldOrTheSaveFolder) {
    const QString out = t.path("out");
    QDir().mkpath(out);
    d.expectFolderPick(QString()).expectFolderPick(out);
    dialog.btnOutBrowse->click(); // cancelled
    EXPECT_EQ(QApplication::focusWidget(), dialog.edtOut);
    dialog.btnOutBrowse->click(); // chosen
    EXPECT_EQ(dialog.edtOut->text(), out);
    EXPECT_EQ(QApplication::focusWidget(), dialog.button1);

    ASSERT_EQ(d.prompts().size(), 2u);
    EXPECT_EQ(d.prompts()[0].folder.label, "Select savegame folder:");
    EXPECT_EQ(d.prompts()[0].folder.initial, t.folders.save);
    EXPECT_EQ(d.prompts()[1].folder.initial, t.folders.save);
    EXPECT_FALSE(d.prompts()[0].folder.newFolder);
}

} // namespace
