// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Path helpers for folders held with a trailing "/".

// An empty path stays empty, as with the plain helper of gas/disk_file.h: it names no folder.
QString withTrailingSlash(const QString &path);
QString withoutTrailingSlash(const QString &path);
// The final folder name of a folder path: "/a/Ulf/" gives "Ulf".
QString lastName(const QString &folder);
// The parent of a folder path, with its "/": "/a/Ulf/" gives "/a/".
QString parentFolder(const QString &folder);
// Whether a name read from a file can stand as one component of a path: not empty, not "." or
// "..", without "/" or NUL.
bool isSafePathComponent(const QString &name);
// Replaces the first occurrence of what (ignoring case) by with.
QString replaceFirst(const QString &text, const QString &what, const QString &with);
