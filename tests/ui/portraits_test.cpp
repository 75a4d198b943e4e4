// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "testapplication.h"
#include "test_desktop.h"
#include "ui/edit_commands.h"
#include "ui/frm_portraits.h"
#include "ui/picture_preview.h"
#include "ui/portraitimage.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// Bits per pixel from a BMP file's header.
int bitsPerPixel(const QByteArray &bmp) {
    if (bmp.size() < 30 || !bmp.startsWith("BM"))
        return -1;
    std::uint16_t bits = 0;
    std::memcpy(&bits, bmp.constData() + 28, sizeof bits);
    return bits;
}

QByteArray Bytes(const TDSImageData &data) {
    return QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
}

QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(PicturePreview, ShowsThePictureUnderTheSelectionBesideTheList) {
    testApplication();
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small.bmp"));
    const QString wide = dir.filePath(QStringLiteral("wide.bmp"));
    const QString notes = dir.filePath(QStringLiteral("notes.bmp"));
    ASSERT_TRUE(QImage(32, 32, QImage::Format_RGB888).save(small, "BMP"));
    ASSERT_TRUE(QImage(300, 150, QImage::Format_RGB888).save(wide, "BMP"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
    text.close();

    QFileDialog dialog(nullptr, QStringLiteral("Hero Portrait"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *preview = new tPicturePreview(&dialog);
    EXPECT_GE(dialog.layout()->indexOf(preview), 0);

    const struct {
        QString file;
        QSize shown; // 0 x 0: no picture
        const char *size;
    } cases[] = {{small, {32, 32}, "32 x 32"}, {wide, {124, 62}, "300 x 150"}, {notes, {0, 0}, ""}};
    for (const auto &c : cases) {
        emit dialog.currentChanged(c.file);
        EXPECT_EQ(preview->picture()->pixmap().size(), c.shown) << c.size;
        EXPECT_EQ(preview->size()->text(), QString::fromLatin1(c.size));
    }
}

TEST(BuiltInPortraits, SixDistinct64x64PicturesOf24Bits) {
    testApplication();
    TfrmPortraits portraits;
    QList<QImage> seen;
    for (int n = 0; n < TfrmPortraits::Count; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(bitsPerPixel(Bytes(portraits.builtInPortrait(n))), 24);
        const QImage picture = portraitBitmap(portraits, n);
        ASSERT_EQ(picture.size(), QSize(64, 64));
        for (const QImage &other : seen)
            EXPECT_NE(rgb(picture), rgb(other));
        seen << picture;
    }
    EXPECT_TRUE(portraits.builtInPortrait(6).empty());
    EXPECT_TRUE(portraits.builtInPortrait(-1).empty());
    EXPECT_TRUE(portraitBitmap(portraits, 6).isNull());
}

TEST(BuiltInPortraits, AreWhatTheirScriptDraws) {
    testApplication();
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QDir source(qEnvironmentVariable("THALREX_SOURCE_DIR") + "/ui/portraits");
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess script;
    script.start(python, {source.filePath("draw_portraits.py"), out.path()});
    ASSERT_TRUE(script.waitForFinished(120000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();

    const QStringList names = source.entryList({"*.bmp"}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), TfrmPortraits::Count);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile committed(source.filePath(name)), drawn(QDir(out.path()).filePath(name));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        ASSERT_TRUE(drawn.open(QIODevice::ReadOnly));
        EXPECT_TRUE(committed.readAll() == drawn.readAll());
    }
}

class HeroPortrait : public ::testing::Test {
protected:
    void SetUp() override {
        testApplication();
        ASSERT_TRUE(folder.isValid());
        hero.setPortrait(&image);
        hero.setPortraits(std::make_unique<TfrmPortraits>());
    }
    const TfrmPortraits &store() { return static_cast<const TfrmPortraits &>(*hero.portraits()); }
    QString writeBitmap(const QString &name, QSize size, QColor colour) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    QApplication &app = testApplication(); // before the portrait control
    QTemporaryDir folder;
    TestDesktop desk;
    TDSHero hero;
    TPortraitImage image{hero, nullptr};
};

TEST_F(HeroPortrait, DefaultPortraitFollowsTheModel) {
    const struct {
        TDSRaces model;
        int picture;
    } cases[] = {
        {dsrFarmgirl, 1}, {dsrDwarf, 2}, {dsrSkeleton_Good, 3}, {dsrUnknown, 4}, {dsrFarmboy, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.model));
        hero.setModel(c.model);
        hero.markUnmodified();
        hero.loadBuiltInPortrait(0);
        EXPECT_EQ(rgb(image.picture()), rgb(portraitBitmap(store(), c.picture)));
        EXPECT_TRUE(hero.modified());
    }
    hero.loadBuiltInPortrait(5);
    EXPECT_EQ(rgb(image.picture()), rgb(portraitBitmap(store(), 5)));
}

TEST_F(HeroPortrait, CustomBitmapOfAnySizeIsTakenAndMarksTheHeroModified) {
    const QString path = writeBitmap("small.bmp", QSize(32, 32), Qt::green);
    desk.expectFilePick(path);
    QString initial = "/pictures/";
    picCustom(hero, initial);

    ASSERT_EQ(desk.prompts().size(), 1u);
    const FilePickSpec &pick = desk.prompts()[0].file;
    EXPECT_EQ(pick.title, "Hero Portrait (64x64 24-bit bmp)");
    EXPECT_EQ(pick.filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(pick.initialFolder, "/pictures/");
    EXPECT_TRUE(pick.preview);
    EXPECT_EQ(image.picture().size(), QSize(32, 32));
    EXPECT_EQ(image.picture().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_TRUE(hero.modified());
    EXPECT_EQ(initial, folder.path() + "/");
}

TEST_F(HeroPortrait, CancelledOrUnreadablePickChangesNothing) {
    hero.loadBuiltInPortrait(3);
    hero.markUnmodified();
    const QImage before = image.picture();
    QString initial = "/pictures/";

    desk.expectFilePick(QString());
    picCustom(hero, initial);
    EXPECT_FALSE(hero.modified());
    EXPECT_EQ(initial, "/pictures/");

    const QString junk = folder.filePath("junk.bmp");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();
    desk.expectFilePick(junk);
    EXPECT_THROW(picCustom(hero, initial), std::runtime_error);
    EXPECT_FALSE(hero.modified());
    EXPECT_EQ(image.picture(), before);
    EXPECT_EQ(initial, "/pictures/");
}

} // namespace
