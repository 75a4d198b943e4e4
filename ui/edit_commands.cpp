// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_commands.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "session/editor_session.h"
#include "ui/gold_dialog.h"
#include "ui/model_dialog.h"
#include "ui/name_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

void editHeroName(QWidget *parent, EditorSession &session) {
    Hero &hero = session.hero();
    hero.setName(toGameText(askHeroName(parent, session.desktop(), fromGameText(hero.name()))));
}

void editHeroGold(QWidget *parent, EditorSession &session) {
    Hero &hero = session.hero();
    hero.setGold(askGold(parent, session.desktop(), hero.gold()));
}

void editHeroModel(QWidget *parent, EditorSession &session) {
    Hero &hero = session.hero();
    hero.setModel(askHeroModel(parent, hero.model()));
}

void choosePortraitFile(EditorSession &session) {
    QString &folder = session.settings().portraitFolder;
    FilePickSpec pick;
    pick.title = QStringLiteral("Hero Portrait (64x64 24-bit bmp)");
    pick.filter = QStringLiteral("Bitmaps (*.bmp)");
    pick.initialFolder = folder;
    pick.preview = true;
    const QString chosen = session.desktop().pickFile(pick);
    if (chosen.isEmpty())
        return;

    QFile file(chosen);
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (QImage::fromData(data, "BMP").isNull())
        throw std::runtime_error("Bitmap image is not valid");
    session.hero().setPortrait(ImageBytes(data.begin(), data.end()));
    folder = QDir::cleanPath(QFileInfo(chosen).absolutePath()) + QLatin1Char('/');
}
