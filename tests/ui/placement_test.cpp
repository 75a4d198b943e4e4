// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access_keys.h"
#include "ui/hints.h"
#include "ui/qt_desktop.h"
#include "ui/screen_placement.h"

#include "test_application.h"
#include "tests/ui/modal.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

TEST(ScreenPlacement, PullsTheWindowBackOntoTheScreen) {
    const QRect screen(0, 0, 1024, 768);
    const QSize window(367, 240);
    struct Case {
        QPoint kept;
        QPoint expected;
    };
    for (const Case &c : {
             Case{{492, 442}, {492, 442}},   // fits
             Case{{-20, -5}, {0, 0}},        // negative
             Case{{1800, 1000}, {657, 528}}, // saved on a larger screen
             Case{{657, 528}, {657, 528}},   // exactly at the edge
             Case{{658, 529}, {657, 528}},   // one pixel beyond
         })
        EXPECT_EQ(pullOntoScreen(c.kept, window, screen), c.expected)
            << c.kept.x() << "," << c.kept.y();
}

TEST(ScreenPlacement, KeepsToAScreenThatDoesNotStartAtTheOrigin) {
    const QRect second(1920, 0, 1280, 1024);
    EXPECT_EQ(pullOntoScreen({3500, -10}, {367, 240}, second), QPoint(2833, 0));
    EXPECT_EQ(pullOntoScreen({100, 100}, {367, 240}, second), QPoint(1920, 100));
    EXPECT_EQ(pullOntoScreen({0, 0}, {2000, 2000}, second), QPoint(1920, 0))
        << "a window larger than the screen keeps its top-left corner on it";
}

TEST(Hints, SplitIntoToolTipAndStatusText) {
    struct Case {
        const char *hint, *shortText, *statusText;
    };
    for (const Case &c :
         {Case{"Name|Double-click to edit name", "Name", "Double-click to edit name"},
          Case{"Classification", "Classification", "Classification"},
          Case{"|Changes have been made to hero", "", "Changes have been made to hero"},
          Case{"Uber Level|Level: 1.5|x", "Uber Level", "Level: 1.5|x"}, Case{"", "", ""}}) {
        EXPECT_EQ(shortHint(QString::fromLatin1(c.hint)), QString::fromLatin1(c.shortText));
        EXPECT_EQ(statusHint(QString::fromLatin1(c.hint)), QString::fromLatin1(c.statusText));
    }
}

TEST(Hints, GoToWidgetsAndMenuItems) {
    testApplication();
    QLabel label;
    setHint(&label, QStringLiteral("Gold|Double-click to edit gold"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("Gold"));
    EXPECT_EQ(label.statusTip(), QStringLiteral("Double-click to edit gold"));
    EXPECT_EQ(hint(&label), QStringLiteral("Gold|Double-click to edit gold"));

    QAction item(QStringLiteral("&New"));
    setHint(&item, QStringLiteral("Start a new hero"));
    EXPECT_EQ(item.statusTip(), QStringLiteral("Start a new hero"));
    EXPECT_EQ(hint(&item), QStringLiteral("Start a new hero"));
}

TEST(AccessKeys, FirstFreeLetterOfEachCaption) {
    EXPECT_EQ(withAccessKeys({"Ulf", "ulrike", "Bob", "A&B", "uu"}, "b"),
              QStringList({"&Ulf", "u&lrike", "B&ob", "&A&&B", "uu"}));
}

TEST(QtDesktop, CarriageReturnsBreakMessageLines) {
    EXPECT_EQ(messageLines(QStringLiteral("Error opening hero.\r\nCannot open file x")),
              QStringLiteral("Error opening hero.\nCannot open file x"));
    EXPECT_EQ(messageLines(QStringLiteral("The hero has been modified.\r\rDo you want to save?")),
              QStringLiteral("The hero has been modified.\n\nDo you want to save?"));
}

TEST(QtDesktop, AMessageWithAVeryLongNameStaysASensibleWidth) {
    testApplication();
    const QString name(300, QLatin1Char('W'));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Thalrex"),
                    messageLines(QStringLiteral("Export failed.\r\rYou will need to create ") +
                                 name + QStringLiteral(".dsparty manually")));
    box.show();
    EXPECT_LT(box.width(), 700);
    EXPECT_EQ(messageLines(QStringLiteral("/home/ann/Documents/")),
              QStringLiteral("/home/ann/Documents/"))
        << "short words stay whole";
}

TEST(QtDesktop, AFolderNoProgramCanShowIsReportedByName) {
    testApplication();
    // No file manager or browser can be found.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QtDesktop desk;
    QString text;
    QString caption;
    whenModal([&](QDialog *dialog) {
        text = static_cast<QMessageBox *>(dialog)->text();
        caption = dialog->windowTitle();
        dialog->accept();
    });
    desk.openUrl(QUrl::fromLocalFile(QStringLiteral("/home/ann/Documents/")));
    qputenv("PATH", path);
    EXPECT_EQ(text,
              QStringLiteral(
                  "Cannot open /home/ann/Documents/\nNo program to show it could be started."));
    EXPECT_EQ(caption, QStringLiteral("Thalrex"));
}

TEST(QtDesktop, BusyCursorsNestAndEnd) {
    testApplication();
    QtDesktop desk;
    {
        BusyCursor outer(desk);
        BusyCursor inner(desk);
        inner.restore();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtDesktop, AListAnswersTheChosenRowTheOtherButtonOrCancel) {
    testApplication();
    QtDesktop desk;
    ItemChoiceSpec choice;
    choice.title = QStringLiteral("Save Folder");
    choice.items = {QStringLiteral("first"), QStringLiteral("second")};
    choice.otherButton = QStringLiteral("&Browse...");
    const struct {
        const char *button; // pressed after choosing the second row; none: closed as Esc does
        int answer;
    } cases[] = {{"OK", 1}, {"Browse...", ItemChoiceSpec::other}, {"", ItemChoiceSpec::cancelled}};
    for (const auto &c : cases) {
        whenModal([&](QDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Folder"));
            dialog->findChild<QListWidget *>()->setCurrentRow(1);
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text().remove(QLatin1Char('&')) == QLatin1String(c.button))
                    return button->click();
            dialog->reject();
        });
        EXPECT_EQ(desk.chooseItem(choice), c.answer) << c.button;
    }
}
