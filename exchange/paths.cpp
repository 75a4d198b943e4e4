// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/paths.h"

QString withTrailingSlash(const QString &path) {
    return path.isEmpty() || path.endsWith('/') ? path : path + '/';
}

QString withoutTrailingSlash(const QString &path) {
    return path.endsWith('/') ? path.chopped(1) : path;
}

QString lastName(const QString &folder) {
    const QString trimmed = withoutTrailingSlash(folder);
    return trimmed.mid(trimmed.lastIndexOf('/') + 1);
}

QString parentFolder(const QString &folder) {
    const QString trimmed = withoutTrailingSlash(folder);
    return trimmed.left(trimmed.lastIndexOf('/') + 1);
}

bool isSafePathComponent(const QString &name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains(QChar(0));
}

QString replaceFirst(const QString &text, const QString &what, const QString &with) {
    const qsizetype at = text.indexOf(what, 0, Qt::CaseInsensitive);
    if (at < 0 || what.isEmpty())
        return text;
    return text.left(at) + with + text.mid(at + what.size());
}
