#include "ui/portrait_commands.h"

#include "exchange/desktop.h"
#include "hero/hero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

void PicCustom(TDSHero &hero, QString &initialDir) {
    FilePickSpec spec;
    spec.title = QStringLiteral("Hero Portrait (64x64 24-bit bmp)");
    spec.filter = QStringLiteral("Bitmaps (*.bmp)");
    spec.initialFolder = initialDir;
    spec.preview = true;
    const QString chosen = desktop().pickFile(spec);
    if (chosen.isEmpty())
        return;

    QFile file(chosen);
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (QImage::fromData(data).isNull())
        throw std::runtime_error("Bitmap image is not valid");
    if (TDSPortraitControl *portrait = hero.Portrait()) {
        portrait->ShowPortrait(TDSImageData(data.begin(), data.end()));
        hero.MarkModified();
    }
    initialDir = QDir::cleanPath(QFileInfo(chosen).absolutePath()) + QLatin1Char('/');
}
