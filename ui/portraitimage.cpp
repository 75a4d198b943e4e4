// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/portraitimage.h"

#include "hero/hero.h"

#include <QPainter>
#include <QSaveFile>

#include <stdexcept>

TPortraitImage::TPortraitImage(TDSHero &hero, QWidget *parent) : QWidget(parent), hero(&hero) {}

TPortraitImage::~TPortraitImage() {
    if (hero)
        hero->DropDisplay(static_cast<const TDSPortraitControl *>(this));
}

void TPortraitImage::ShowPortrait(const TDSImageData &image) {
    QImage decoded;
    if (!decoded.loadFromData(image.data(), static_cast<int>(image.size())))
        throw std::runtime_error("Bitmap image is not valid");
    picture = decoded;
    update();
}

void TPortraitImage::LoadPortraitFile(const std::string &path) {
    QImage loaded;
    if (!loaded.load(QString::fromStdString(path)))
        throw std::runtime_error("Bitmap image is not valid");
    picture = loaded;
    update();
}

void TPortraitImage::SavePortraitFile(const std::string &path) const {
    if (picture.isNull())
        throw std::runtime_error("There is no portrait to save.");
    // A picture without transparency is kept as a 24-bit bitmap.
    const QImage image = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32)
                                                   : picture.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !file.commit())
        throw std::runtime_error("Cannot create file " + path);
}

void TPortraitImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}
