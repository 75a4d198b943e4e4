// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/portrait_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

ImageBytes bitmapOf(const QImage &picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An image without alpha is written as a 24-bit bitmap.
    picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return ImageBytes(bytes.begin(), bytes.end());
}

// The picture scaled so that it covers the portrait, its middle cut out.
QImage coverPortrait(const QImage &picture) {
    const QImage scaled = picture.scaled(portraitSide, portraitSide, Qt::KeepAspectRatioByExpanding,
                                         Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - portraitSide) / 2, (scaled.height() - portraitSide) / 2,
                       portraitSide, portraitSide);
}

} // namespace

std::optional<ImageBytes> portraitFromFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    ImageBytes bytes(data.begin(), data.end());
    if (isWindowsBitmap(bytes))
        return bytes;
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer); // the format is told by the content, not by the name
    const QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return bitmapOf(coverPortrait(picture));
}

QImage portraitPicture(const ImageBytes &bitmap) {
    return QImage::fromData(bitmap.data(), static_cast<int>(bitmap.size()), "BMP");
}

bool isAllBlack(const QImage &picture) {
    if (picture.isNull())
        return false;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qRed(line[x]) | qGreen(line[x]) | qBlue(line[x]))
                return false;
    }
    return true;
}
