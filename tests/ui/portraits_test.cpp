// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "testapplication.h"
#include "testdesktop.h"
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
int BitsPerPixel(const QByteArray &bmp) {
    if (bmp.size() < 30 || !bmp.startsWith("BM"))
        return -1;
    std::uint16_t bits = 0;
    std::memcpy(&bits, bmp.constData() + 28, sizeof bits);
    return bits;
}

QByteArray Bytes(const TDSImageData &data) {
    return QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
}

QImage Rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(PicturePreview, ShowsThePictureUnderTheSelectionBesideTheList) {
    TestApplication();
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
    auto *preview = new TPicturePreview(&dialog);
    EXPECT_GE(dialog.layout()->indexOf(preview), 0);

    const struct {
        QString file;
        QSize shown; // 0 x 0: no picture
        const char *size;
    } cases[] = {{small, {32, 32}, "32 x 32"}, {wide, {124, 62}, "300 x 150"}, {notes, {0, 0}, ""}};
    for (const auto &c : cases) {
        emit dialog.currentChanged(c.file);
        EXPECT_EQ(preview->Picture()->pixmap().size(), c.shown) << c.size;
        EXPECT_EQ(preview->Size()->text(), QString::fromLatin1(c.size));
    }
}

TEST(BuiltInPortraits, SixDistinct64x64PicturesOf24Bits) {
    TestApplication();
    TfrmPortraits portraits;
    QList<QImage> seen;
    for (int n = 0; n < TfrmPortraits::Count; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(BitsPerPixel(Bytes(portraits.BuiltInPortrait(n))), 24);
        const QImage picture = PortraitBitmap(portraits, n);
        ASSERT_EQ(picture.size(), QSize(64, 64));
        for (const QImage &other : seen)
            EXPECT_NE(Rgb(picture), Rgb(other));
        seen << picture;
    }
    EXPECT_TRUE(portraits.BuiltInPortrait(6).empty());
    EXPECT_TRUE(portraits.BuiltInPortrait(-1).empty());
    EXPECT_TRUE(PortraitBitmap(portraits, 6).isNull());
}

TEST(BuiltInPortraits, AreWhatTheirScriptDraws) {
    TestApplication();
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
        TestApplication();
        ASSERT_TRUE(folder.isValid());
        hero.SetPortrait(&image);
        hero.SetPortraits(std::make_unique<TfrmPortraits>());
    }
    const TfrmPortraits &Store() { return static_cast<const TfrmPortraits &>(*hero.Portraits()); }
    QString WriteBitmap(const QString &name, QSize size, QColor colour) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    QApplication &app = TestApplication(); // before the portrait control
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
        hero.SetModel(c.model);
        hero.MarkUnmodified();
        hero.LoadBuiltInPortrait(0);
        EXPECT_EQ(Rgb(image.Picture()), Rgb(PortraitBitmap(Store(), c.picture)));
        EXPECT_TRUE(hero.Modified());
    }
    hero.LoadBuiltInPortrait(5);
    EXPECT_EQ(Rgb(image.Picture()), Rgb(PortraitBitmap(Store(), 5)));
}

TEST_F(HeroPortrait, CustomBitmapOfAnySizeIsTakenAndMarksTheHeroModified) {
    const QString path = WriteBitmap("small.bmp", QSize(32, 32), Qt::green);
    desk.ExpectFilePick(path);
    QString initial = "/pictures/";
    PicCustom(hero, initial);

    ASSERT_EQ(desk.Prompts().size(), 1u);
    const FilePickSpec &pick = desk.Prompts()[0].file;
    EXPECT_EQ(pick.title, "Hero Portrait (64x64 24-bit bmp)");
    EXPECT_EQ(pick.filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(pick.initialFolder, "/pictures/");
    EXPECT_TRUE(pick.preview);
    EXPECT_EQ(image.Picture().size(), QSize(32, 32));
    EXPECT_EQ(image.Picture().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_TRUE(hero.Modified());
    EXPECT_EQ(initial, folder.path() + "/");
}

TEST_F(HeroPortrait, CancelledOrUnreadablePickChangesNothing) {
    hero.LoadBuiltInPortrait(3);
    hero.MarkUnmodified();
    const QImage before = image.Picture();
    QString initial = "/pictures/";

    desk.ExpectFilePick(QString());
    PicCustom(hero, initial);
    EXPECT_FALSE(hero.Modified());
    EXPECT_EQ(initial, "/pictures/");

    const QString junk = folder.filePath("junk.bmp");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();
    desk.ExpectFilePick(junk);
    EXPECT_THROW(PicCustom(hero, initial), std::runtime_error);
    EXPECT_FALSE(hero.Modified());
    EXPECT_EQ(image.Picture(), before);
    EXPECT_EQ(initial, "/pictures/");
}

} // namespace
