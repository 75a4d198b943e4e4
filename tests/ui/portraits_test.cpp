// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "session/built_in_portraits.h"
#include "test_application.h"
#include "ui/picture_preview.h"
#include "ui/portrait_picture.h"

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

namespace {

// Bits per pixel from a BMP file's header.
int bitsPerPixel(const ImageBytes &bmp) {
    if (bmp.size() < 30 || bmp[0] != 'B' || bmp[1] != 'M')
        return -1;
    std::uint16_t bits = 0;
    std::memcpy(&bits, bmp.data() + 28, sizeof bits);
    return bits;
}

QImage picture(const ImageBytes &bmp) {
    return QImage::fromData(bmp.data(), int(bmp.size())).convertToFormat(QImage::Format_RGB32);
}

TEST(PicturePreview, ShowsThePictureUnderTheSelectionBesideTheList) {
    testApplication();
    QTemporaryDir dir;
    const QString small = dir.filePath("small.bmp");
    const QString wide = dir.filePath("wide.bmp");
    const QString notes = dir.filePath("notes.bmp");
    const QString photo = dir.filePath("photo.png");
    ASSERT_TRUE(QImage(32, 32, QImage::Format_RGB888).save(small, "BMP"));
    ASSERT_TRUE(QImage(300, 150, QImage::Format_RGB888).save(wide, "BMP"));
    ASSERT_TRUE(QImage(300, 150, QImage::Format_RGB888).save(photo, "PNG"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
    text.close();

    QFileDialog dialog(nullptr, "Hero Portrait", dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *preview = new PicturePreview(&dialog);
    EXPECT_GE(dialog.layout()->indexOf(preview), 0);

    const struct {
        QString file;
        QSize shown; // 0 x 0: no picture
        const char *size;
    } cases[] = {{small, {32, 32}, "32 x 32"},
                 {wide, {124, 62}, "300 x 150"},
                 {photo, {64, 64}, "64 x 64"}, // as Custom... will take it
                 {notes, {0, 0}, ""}};
    for (const auto &c : cases) {
        emit dialog.currentChanged(c.file);
        EXPECT_EQ(preview->picture()->pixmap().size(), c.shown) << c.size;
        EXPECT_EQ(preview->sizeLabel()->text(), QString::fromLatin1(c.size));
    }
}

TEST(PortraitFromFile, ABitmapAsItIsAnyOtherPictureCutTo64x64Of24Bits) {
    testApplication();
    QTemporaryDir dir;
    // Red, green and blue bands across: covering 64 x 64 leaves the green middle only.
    QImage bands(300, 100, QImage::Format_RGB32);
    for (int x = 0; x < bands.width(); ++x)
        for (int y = 0; y < bands.height(); ++y)
            bands.setPixel(x, y,
                           x < 100   ? qRgb(255, 0, 0)
                           : x < 200 ? qRgb(0, 255, 0)
                                     : qRgb(0, 0, 255));
    const struct {
        const char *file; // a PNG named .bmp is told by its content
        const char *format;
    } cases[] = {{"bands.png", "PNG"}, {"bands.jpg", "JPG"}, {"fakepng.bmp", "PNG"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(c.file);
        ASSERT_TRUE(bands.save(path, c.format));
        const std::optional<ImageBytes> portrait = portraitFromFile(path);
        ASSERT_TRUE(portrait);
        EXPECT_TRUE(isWindowsBitmap(*portrait));
        EXPECT_EQ(bitsPerPixel(*portrait), 24);
        const QImage made = picture(*portrait);
        ASSERT_EQ(made.size(), QSize(64, 64));
        for (const QPoint at : {QPoint(0, 0), QPoint(32, 32), QPoint(63, 63)})
            EXPECT_GT(qGreen(made.pixel(at)), 200) << at.x();
    }
    const QString bitmap = dir.filePath("odd.bmp");
    ASSERT_TRUE(bands.save(bitmap, "BMP"));
    QFile file(bitmap);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(portraitFromFile(bitmap), ImageBytes(bytes.begin(), bytes.end()));
    EXPECT_FALSE(portraitFromFile(dir.filePath("missing.png")));
}

TEST(BuiltInPortraits, SixDistinct64x64PicturesOf24Bits) {
    const BuiltInPortraits portraits;
    QList<QImage> seen;
    for (int n = 0; n < BuiltInPortraits::count; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(bitsPerPixel(portraits.builtInPortrait(n)), 24);
        const QImage shown = picture(portraits.builtInPortrait(n));
        ASSERT_EQ(shown.size(), QSize(64, 64));
        for (const QImage &other : seen)
            EXPECT_NE(shown, other);
        seen << shown;
    }
    EXPECT_TRUE(portraits.builtInPortrait(6).empty());
    EXPECT_TRUE(portraits.builtInPortrait(-1).empty());
}

TEST(BuiltInPortraits, AreWhatTheirScriptDraws) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QDir source(qEnvironmentVariable("THALREX_SOURCE_DIR") + "/session/portraits");
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess script;
    script.start(python, {source.filePath("draw_portraits.py"), out.path()});
    ASSERT_TRUE(script.waitForFinished(120000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();

    const QStringList names = source.entryList({"*.bmp"}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), BuiltInPortraits::count);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile committed(source.filePath(name)), drawn(QDir(out.path()).filePath(name));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        ASSERT_TRUE(drawn.open(QIODevice::ReadOnly));
        EXPECT_TRUE(committed.readAll() == drawn.readAll());
    }
}

TEST(BuiltInPortraits, TheDefaultFollowsTheModel) {
    const BuiltInPortraits portraits;
    Hero hero;
    hero.setBuiltInPortraits(std::make_unique<BuiltInPortraits>());
    const struct {
        HeroModel model;
        int portrait;
    } cases[] = {{HeroModel::Farmgirl, 1},
                 {HeroModel::Dwarf, 2},
                 {HeroModel::SkeletonGood, 3},
                 {HeroModel::Unknown, 4},
                 {HeroModel::Farmboy, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.model));
        hero.setModel(c.model);
        hero.markUnmodified();
        hero.loadBuiltInPortrait(0);
        EXPECT_EQ(hero.portrait(), portraits.builtInPortrait(c.portrait));
        EXPECT_TRUE(hero.isModified());
    }
}

} // namespace
