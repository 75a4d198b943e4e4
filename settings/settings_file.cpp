// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "settings/settings_keys.h"

#include <QFile>
#include <QSaveFile>

// Text is kept as UTF-8 bytes, read and written as they are; the template code is built here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace {

using namespace SettingsKeys;

class IniFile {
public:
    IniFile() : m_ini(true, false, false) { m_ini.SetSpaces(false); }

    // Loads the file when there is one; an unreadable file counts as empty.
    void load(const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        if (m_ini.LoadData(bytes.constData(), bytes.size()) < 0)
            m_ini.Reset();
    }

    bool has(const char *section, const char *key) const {
        return m_ini.GetValue(section, key) != nullptr;
    }

    QString get(const char *section, const char *key) const {
        return QString::fromUtf8(m_ini.GetValue(section, key, ""));
    }

    void set(const char *section, const char *key, const QString &value) {
        m_ini.SetValue(section, key, value.trimmed().toStdString().c_str());
    }

    void remove(const char *section, const char *key) { m_ini.Delete(section, key); }

    QStringList getList(const char *section) const {
        bool ok = false;
        const int count = get(section, listCount).toInt(&ok);
        QStringList lines;
        for (int i = 0; ok && i < count; ++i)
            lines.append(get(section, itemKey(i).c_str()));
        return lines;
    }

    void setList(const char *section, const QStringList &lines) {
        m_ini.Delete(section, nullptr);
        if (lines.isEmpty())
            return;
        m_ini.SetValue(section, listCount, std::to_string(lines.size()).c_str());
        for (qsizetype i = 0; i < lines.size(); ++i)
            m_ini.SetValue(section, itemKey(i).c_str(), lines[i].toStdString().c_str());
    }

    bool save(const QString &path) const {
        std::string text;
        if (m_ini.Save(text) < 0)
            return false;
        // One blank line between sections.
        for (std::string::size_type at; (at = text.find("\n\n\n")) != std::string::npos;)
            text.erase(at, 1);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(text.data(), static_cast<qint64>(text.size()));
        return file.commit();
    }

private:
    static std::string itemKey(qsizetype i) { return listItem + std::to_string(i); }

    CSimpleIniA m_ini;
};

void readInt(const IniFile &ini, const char *key, int &value) {
    bool ok = false;
    const int read = ini.get(mainSection, key).trimmed().toInt(&ok);
    if (ok)
        value = read;
}

void readBool(const IniFile &ini, const char *key, bool &value) {
    const QString read = ini.get(mainSection, key).trimmed();
    if (read.compare(QLatin1String(trueValue), Qt::CaseInsensitive) == 0 ||
        read == QLatin1String("1"))
        value = true;
    else if (read.compare(QLatin1String(falseValue), Qt::CaseInsensitive) == 0 ||
             read == QLatin1String("0"))
        value = false;
}

void readText(const IniFile &ini, const char *key, QString &value) {
    if (ini.has(mainSection, key))
        value = ini.get(mainSection, key);
}

void readList(const IniFile &ini, const char *section, QStringList &lines) {
    const QStringList read = ini.getList(section);
    if (!read.isEmpty())
        lines = read;
}

} // namespace

void readSettingsFile(const QString &path, StoredSettings &settings) {
    IniFile ini;
    ini.load(path);
    readBool(ini, advanced, settings.advanced);
    readText(ini, heroFolder, settings.heroFolder);
    readText(ini, portraitFolder, settings.portraitFolder);
    readText(ini, partyFolder, settings.partyFolder);
    readText(ini, saveFolder, settings.saveFolder);
    readList(ini, recentHeroesSection, settings.recentHeroes);
    readList(ini, settingsListSection, settings.settingsList);
    readList(ini, partyFoldersSection, settings.partyFolders);
    readInt(ini, windowTop, settings.windowTop);
    readInt(ini, windowLeft, settings.windowLeft);
}

bool writeSettingsFile(const QString &path, const StoredSettings &settings) {
    IniFile ini;
    ini.load(path);
    ini.set(mainSection, advanced, QLatin1String(settings.advanced ? trueValue : falseValue));
    ini.set(mainSection, heroFolder, settings.heroFolder);
    ini.set(mainSection, portraitFolder, settings.portraitFolder);
    ini.set(mainSection, partyFolder, settings.partyFolder);
    // No folder chosen by hand: the editor finds one.
    if (settings.saveFolder.isEmpty())
        ini.remove(mainSection, saveFolder);
    else
        ini.set(mainSection, saveFolder, settings.saveFolder);
    ini.setList(recentHeroesSection, settings.recentHeroes);
    ini.setList(settingsListSection, settings.settingsList);
    ini.setList(partyFoldersSection, settings.partyFolders);
    ini.set(mainSection, windowTop, QString::number(settings.windowTop));
    ini.set(mainSection, windowLeft, QString::number(settings.windowLeft));
    return ini.save(path);
}
