// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settingsfile.h"

#include <QFile>
#include <QSaveFile>

// Text is kept as UTF-8 bytes, read and written as they are; the template code is built here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace {

const char MainSection[] = "Main";
const char RecentSection[] = "Main.Hero.RecentHeros";
const char DataSection[] = "Main.moc.Data";

std::string Utf8(const QString &text) {
    return text.toStdString();
}

class TIni {
public:
    TIni() : ini(true, false, false) { ini.SetSpaces(false); }

    // Loads the file when there is one; an unreadable file counts as empty.
    void Load(const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        if (ini.LoadData(bytes.constData(), bytes.size()) < 0)
            ini.Reset();
    }

    bool Has(const char *section, const char *key) const {
        return ini.GetValue(section, key) != nullptr;
    }

    QString Get(const char *section, const char *key) const {
        return QString::fromUtf8(ini.GetValue(section, key, ""));
    }

    void Set(const char *section, const char *key, const QString &value) {
        ini.SetValue(section, key, Utf8(value.trimmed()).c_str());
    }

    QStringList GetList(const char *section) const {
        bool ok = false;
        const int count = Get(section, "Count").toInt(&ok);
        QStringList lines;
        for (int i = 0; ok && i < count; ++i)
            lines.append(Get(section, ItemKey(i).c_str()));
        return lines;
    }

    void SetList(const char *section, const QStringList &lines) {
        ini.Delete(section, nullptr);
        if (lines.isEmpty())
            return;
        ini.SetValue(section, "Count", std::to_string(lines.size()).c_str());
        for (qsizetype i = 0; i < lines.size(); ++i)
            ini.SetValue(section, ItemKey(i).c_str(), Utf8(lines[i]).c_str());
    }

    bool Save(const QString &path) const {
        std::string text;
        if (ini.Save(text) < 0)
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
    static std::string ItemKey(qsizetype i) { return "Item" + std::to_string(i); }

    CSimpleIniA ini;
};

void ReadInt(const TIni &ini, const char *key, int &value) {
    bool ok = false;
    const int read = ini.Get(MainSection, key).trimmed().toInt(&ok);
    if (ok)
        value = read;
}

void ReadBool(const TIni &ini, const char *key, bool &value) {
    const QString read = ini.Get(MainSection, key).trimmed();
    if (read.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || read == QLatin1String("1"))
        value = true;
    else if (read.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
             read == QLatin1String("0"))
        value = false;
}

void ReadText(const TIni &ini, const char *key, QString &value) {
    if (ini.Has(MainSection, key))
        value = ini.Get(MainSection, key);
}

void ReadList(const TIni &ini, const char *section, QStringList &lines) {
    const QStringList read = ini.GetList(section);
    if (!read.isEmpty())
        lines = read;
}

} // namespace

void ReadSettingsFile(const QString &path, TStoredSettings &settings) {
    TIni ini;
    ini.Load(path);
    ReadBool(ini, "Advanced1.Checked", settings.Advanced);
    ReadText(ini, "Hero.Folder", settings.HeroFolder);
    ReadText(ini, "dlgPic.InitialDir", settings.PicInitialDir);
    ReadText(ini, "dlgOpenTank.InitialDir", settings.OpenTankInitialDir);
    ReadText(ini, "SaveFolder", settings.SaveFolder);
    ReadList(ini, RecentSection, settings.RecentHeros);
    ReadList(ini, DataSection, settings.Data);
    ReadInt(ini, "FormTop", settings.FormTop);
    ReadInt(ini, "FormLeft", settings.FormLeft);
}

bool WriteSettingsFile(const QString &path, const TStoredSettings &settings) {
    TIni ini;
    ini.Load(path);
    ini.Set(MainSection, "Advanced1.Checked",
            settings.Advanced ? QStringLiteral("True") : QStringLiteral("False"));
    ini.Set(MainSection, "Hero.Folder", settings.HeroFolder);
    ini.Set(MainSection, "dlgPic.InitialDir", settings.PicInitialDir);
    ini.Set(MainSection, "dlgOpenTank.InitialDir", settings.OpenTankInitialDir);
    if (!settings.SaveFolder.isEmpty())
        ini.Set(MainSection, "SaveFolder", settings.SaveFolder);
    ini.SetList(RecentSection, settings.RecentHeros);
    ini.SetList(DataSection, settings.Data);
    ini.Set(MainSection, "FormTop", QString::number(settings.FormTop));
    ini.Set(MainSection, "FormLeft", QString::number(settings.FormLeft));
    return ini.Save(path);
}
