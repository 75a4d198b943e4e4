// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The settings list: key=value lines, keys compared without regard to case. It holds the default
// head and skins per model and the export settings, and is kept in the settings file.
class TSettingsList {
public:
    // The lines of a first run.
    static QStringList FirstRunLines();

    TSettingsList();

    const QStringList &Lines() const { return lines; }
    void SetLines(const QStringList &newLines) { lines = newLines; }

    bool HasKey(const QString &key) const;
    // The value of the first line with the key; empty when there is none.
    QString Value(const QString &key) const;
    // Replaces the value of the key, or appends key=value when the key is absent.
    void SetValue(const QString &key, const QString &value);
    // A boolean reads as true only when the value is exactly "1"; it is written "1" or "0".
    bool Bool(const QString &key) const;
    void SetBool(const QString &key, bool value);

private:
    qsizetype IndexOfKey(const QString &key) const;

    QStringList lines;
};
