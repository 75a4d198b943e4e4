// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/tank_check.h"

#include "exchange/kegtap_library.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <stdexcept>

namespace {

// The files below the folder by their relative paths in lower case, each with that path as it
// is.
QMap<QString, QString> filesBelow(const QString &folder) {
    QMap<QString, QString> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = root.relativeFilePath(it.next());
        files.insert(relative.toLower(), relative);
    }
    return files;
}

bool hasContent(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == content &&
           file.error() == QFileDevice::NoError;
}

} // namespace

QString tankMismatch(KegtapLibrary &kegtap, const QString &tankFile, const QString &folder) {
    QList<TankFile> packed;
    try {
        packed = kegtap.readFiles(tankFile);
    } catch (const std::exception &error) {
        return QStringLiteral("it cannot be read back (%1)").arg(QString::fromUtf8(error.what()));
    }
    QMap<QString, QString> source = filesBelow(folder);
    for (const TankFile &file : packed) {
        const QString original = source.take(file.path.toLower());
        if (original.isEmpty())
            return QStringLiteral("%1 is not in the hero folder").arg(file.path);
        if (!hasContent(QDir(folder).filePath(original), file.content))
            return QStringLiteral("%1 differs").arg(original);
    }
    if (!source.isEmpty())
        return QStringLiteral("%1 is missing").arg(source.first());
    return {};
}
