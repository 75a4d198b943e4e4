// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_commands.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "session/editor_session.h"
#include "ui/gold_dialog.h"
#include "ui/model_dialog.h"
#include "ui/name_dialog.h"

#include "ui/portrait_picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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
    pick.filter = pictureFilter();
    pick.initialFolder = folder;
    pick.preview = true;
    const QString chosen = session.desktop().pickFile(pick);
    if (chosen.isEmpty())
        return;
    setPortraitFromFile(session, chosen);
    folder = QDir::cleanPath(QFileInfo(chosen).absolutePath()) + QLatin1Char('/');
}

void setPortraitFromFile(EditorSession &session, const QString &path) {
    std::optional<ImageBytes> portrait = portraitFromFile(path);
    if (!portrait)
        throw std::runtime_error("Bitmap image is not valid");
    session.hero().setPortrait(std::move(*portrait));
}

QString pictureFilter() {
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format);
        patterns << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    }
    return QStringLiteral("Pictures (%1);;Bitmaps (*.bmp)").arg(patterns.join(QLatin1Char(' ')));
}
