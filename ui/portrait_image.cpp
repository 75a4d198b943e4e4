#include "ui/portrait_image.h"

#include <QPainter>

#include <stdexcept>

namespace {

[[noreturn]] void NotABitmap() {
    throw std::runtime_error("Bitmap image is not valid");
}

} // namespace

TDSPortraitImage::TDSPortraitImage(QWidget *parent) : QWidget(parent) {}

void TDSPortraitImage::ShowPortrait(const TDSImageData &image) {
    QImage decoded;
    if (!decoded.loadFromData(image.data(), static_cast<int>(image.size())))
        NotABitmap();
    Show(decoded);
}

void TDSPortraitImage::LoadPortraitFile(const std::string &path) {
    QImage decoded;
    if (!decoded.load(QString::fromStdString(path)))
        NotABitmap();
    Show(decoded);
}

void TDSPortraitImage::SavePortraitFile(const std::string &path) const {
    // Without alpha the bitmap is written with 24 bits per pixel.
    const QImage stored = picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32)
                                                    : picture.convertToFormat(QImage::Format_RGB32);
    if (stored.isNull() || !stored.save(QString::fromStdString(path), "BMP"))
        throw std::runtime_error("Cannot create file " + path);
}

void TDSPortraitImage::Show(const QImage &image) {
    picture = image;
    update();
}

void TDSPortraitImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}
