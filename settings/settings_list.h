// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The settings list: key=value lines, keys compared without regard to case. It holds the default
// head and skins per model and the export settings, and is kept in the settings file.
class SettingsList {
public:
    // The lines of a first run.
    static QStringList firstRunLines();

    SettingsList();

    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }

    bool hasKey(const QString &key) const;
    // The value of the first line with the key; empty when there is none.
    QString value(const QString &key) const;
    // Replaces the value of the key, or appends key=value when the key is absent.
    void setValue(const QString &key, const QString &value);
    // A boolean reads as true only when the value is exactly "1"; it is written "1" or "0".
    bool boolValue(const QString &key) const;
    void setBoolValue(const QString &key, bool value);

private:
    qsizetype indexOfKey(const QString &key) const;

    QStringList m_lines;
};
