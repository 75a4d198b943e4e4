// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/tank_check.h"

#include "exchange/kegtap_library.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
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

QByteArray contentOf(const QString &path, bool &readable) {
    QFile file(path);
    readable = file.open(QIODevice::ReadOnly);
    const QByteArray content = readable ? file.readAll() : QByteArray();
    readable = readable && file.error() == QFileDevice::NoError;
    return content;
}

} // namespace

QString tankMismatch(KegtapLibrary &kegtap, const QString &tankFile, const QString &folder) {
    QTemporaryDir readBack;
    if (!readBack.isValid())
        return QStringLiteral("no temporary folder to read it back into");
    bool extracted = false;
    QString why;
    try {
        extracted = kegtap.extract(QFile::encodeName(tankFile), readBack.path(),
                                   KegtapLibrary::Warnings::AnswerNo);
        why = kegtap.errorMessage();
    } catch (const std::exception &error) {
        why = QString::fromUtf8(error.what());
    }
    if (!extracted)
        return QStringLiteral("it cannot be read back (%1)")
            .arg(why.isEmpty() ? QStringLiteral("unknown error") : why);
    const QMap<QString, QString> packed = filesBelow(readBack.path());
    const QMap<QString, QString> source = filesBelow(folder);
    for (auto it = source.begin(); it != source.end(); ++it) {
        if (!packed.contains(it.key()))
            return QStringLiteral("%1 is missing").arg(it.value());
        bool sourceRead = false;
        bool packedRead = false;
        const QByteArray original = contentOf(QDir(folder).filePath(it.value()), sourceRead);
        const QByteArray copy =
            contentOf(QDir(readBack.path()).filePath(packed.value(it.key())), packedRead);
        if (!sourceRead || !packedRead || original != copy)
            return QStringLiteral("%1 differs").arg(it.value());
    }
    for (auto it = packed.begin(); it != packed.end(); ++it)
        if (!source.contains(it.key()))
            return QStringLiteral("%1 is not in the hero folder").arg(it.value());
    return {};
}
