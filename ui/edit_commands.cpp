// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_commands.h"

#include "exchange/desktop.h"
#include "exchange/gametext.h"
#include "hero/hero.h"
#include "ui/frm_gold.h"
#include "ui/frm_name.h"
#include "ui/frm_race.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

void EditHeroName(QWidget *parent, TDSHero &hero) {
    hero.SetName(ToGameText(AskHeroName(parent, FromGameText(hero.HeroName()))));
}

void EditGold(QWidget *parent, TDSHero &hero) {
    hero.SetGold(AskGold(parent, hero.Gold()));
}

void EditHeroModel(QWidget *parent, TDSHero &hero) {
    hero.SetModel(AskHeroModel(parent, hero.Model()));
}

void PicCustom(TDSHero &hero, QString &initialDir) {
    FilePickSpec pick;
    pick.title = QStringLiteral("Hero Portrait (64x64 24-bit bmp)");
    pick.filter = QStringLiteral("Bitmaps (*.bmp)");
    pick.initialFolder = initialDir;
    pick.preview = true;
    const QString chosen = desktop().pickFile(pick);
    if (chosen.isEmpty())
        return;

    QFile file(chosen);
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (QImage::fromData(data, "BMP").isNull())
        throw std::runtime_error("Bitmap image is not valid");
    if (TDSPortraitControl *portrait = hero.Portrait()) {
        portrait->ShowPortrait(TDSImageData(data.begin(), data.end()));
        hero.MarkModified();
    }
    initialDir = QDir::cleanPath(QFileInfo(chosen).absolutePath()) + QLatin1Char('/');
}
