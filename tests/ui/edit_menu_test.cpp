// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu and a drag in the whole window, on the new hero the window starts with.
#include "main_window_fixture.h"

#include "session/built_in_portraits.h"
#include "tests/ui/modal.h"
#include "ui/model_dialog.h"
#include "ui/portrait_view.h"
#include "ui/skill_bar.h"
#include "ui/text_entry_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

class EditMenu : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }

    QImage builtIn(int n) const {
        const ImageBytes bytes = BuiltInPortraits().builtInPortrait(n);
        return rgb(QImage::fromData(bytes.data(), int(bytes.size())));
    }
    QImage shownPortrait() const { return rgb(find<PortraitView>("portrait")->picture()); }
    QString healthAndMana() const { return find<QWidget>("healthManaFrame")->statusTip(); }
};

TEST_F(EditMenu, NewHeroShowsItsModelsPortraitAndClearedPanels) {
    EXPECT_TRUE(hero().isNew());
    EXPECT_FALSE(hero().isModified());
    EXPECT_EQ(shownPortrait(), builtIn(int(hero().model())));
    EXPECT_EQ(text("strengthLevel"), "10");
    EXPECT_EQ(find<QWidget>("meleeLevelBar")->width(), 1);
    EXPECT_EQ(healthAndMana(), "Health: 49  Mana: 30");
}

TEST_F(EditMenu, NameCommandCancelledKeepsTheHeroAndAcceptedRenamesIt) {
    for (bool accepted : {false, true}) {
        whenModal([accepted](QDialog *d) {
            auto *dialog = static_cast<TextEntryDialog *>(d);
            dialog->field()->clear();
            QTest::keyClicks(dialog->field(), "Ulf");
            QTest::mouseClick(accepted ? dialog->okButton() : dialog->cancelButton(),
                              Qt::LeftButton);
        });
        action("nameAction")->trigger();
        EXPECT_EQ(text("name"), accepted ? "Ulf" : "Hero");
        EXPECT_EQ(hero().isModified(), accepted);
    }
    EXPECT_EQ(hero().name(), "Ulf");
}

TEST_F(EditMenu, ModelCommandOnANewHeroLoadsTheModelsPortrait) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<ModelDialog *>(d);
        EXPECT_EQ(dialog->selectedItem(), 3) << "the new hero is a skeleton";
        dialog->selectItem(1);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    action("modelAction")->trigger();
    EXPECT_EQ(hero().model(), HeroModel::Farmgirl);
    EXPECT_EQ(shownPortrait(), builtIn(1));
    EXPECT_TRUE(hero().isModified());
}

TEST_F(EditMenu, BuiltInPortraitItems) {
    const std::pair<const char *, int> items[] = {{"skullHelmPortraitAction", 4},
                                                  {"skullwardPortraitAction", 5},
                                                  {"defaultPortraitAction", 3}};
    for (const auto &[item, portrait] : items) {
        action(item)->trigger();
        EXPECT_EQ(shownPortrait(), builtIn(portrait)) << item;
        EXPECT_TRUE(hero().isModified());
    }
}

TEST_F(EditMenu, CustomPortraitTakesTheFileAndRemembersItsFolder) {
    QImage small(32, 32, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    const QString path = root.filePath("small.bmp");
    ASSERT_TRUE(small.save(path, "BMP"));
    desktop.expectFilePick(QString()).expectFilePick(path);
    action("customPortraitAction")->trigger(); // cancelled
    EXPECT_FALSE(hero().isModified());
    action("customPortraitAction")->trigger();

    const FilePickSpec &pick = desktop.prompts()[0].file;
    EXPECT_EQ(pick.title, "Hero Portrait (64x64 24-bit bmp)");
    EXPECT_TRUE(pick.filter.startsWith("Pictures (*.")) << pick.filter.toStdString();
    EXPECT_TRUE(pick.filter.contains("*.png") && pick.filter.contains("*.jpg"));
    EXPECT_TRUE(pick.filter.endsWith(";;Bitmaps (*.bmp)"));
    EXPECT_EQ(pick.initialFolder, folders.pictures);
    EXPECT_TRUE(pick.preview);
    EXPECT_EQ(desktop.prompts()[1].file.initialFolder, folders.pictures) << "a cancel keeps it";
    EXPECT_EQ(find<PortraitView>("portrait")->picture().size(), QSize(32, 32));
    EXPECT_EQ(find<PortraitView>("portrait")->picture().pixelColor(5, 5), QColor(Qt::magenta));
    EXPECT_TRUE(hero().isModified());
    EXPECT_EQ(session->settings().portraitFolder, root.path() + "/");
}

TEST_F(EditMenu, UnreadableCustomPortraitIsReportedAndChangesNothing) {
    const QString path = root.filePath("empty.bmp");
    writeFile(path, "not a bitmap");
    desktop.expectFilePick(path).expectMessage("Bitmap image is not valid", MsgAnswer::Ok);
    action("customPortraitAction")->trigger();
    EXPECT_EQ(shownPortrait(), builtIn(int(hero().model())));
    EXPECT_FALSE(hero().isModified());
    EXPECT_EQ(session->settings().portraitFolder, folders.pictures);
}

TEST_F(EditMenu, DraggingMeleeUpdatesHeaderAndGauge) {
    auto *bar = find<SkillBar>("meleeBackground");
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
    for (int x = 200; x <= 200 * 12; x += 100)
        QTest::mouseMove(bar, QPoint(x, 6));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200 * 12, 6));
    EXPECT_EQ(hero().melee().currentLevel(), 12);
    EXPECT_EQ(text("meleeLevel"), "12");
    EXPECT_EQ(text("uberLevel").toInt(), int(hero().uber()));
    EXPECT_GT(hero().strength().level(), 10);
    EXPECT_NE(healthAndMana(), "Health: 49  Mana: 30");
    EXPECT_GT(find<QWidget>("healthBar")->height(), 10);
}

} // namespace
