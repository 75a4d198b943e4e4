// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/desktop.h"
#include "exchange/exchangehost.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

// A main window stand-in: a hero with a name and folder, a settings list and the ask-to-save
// step; its Save command asks for a folder like a new hero in advanced mode.
class FakeHost : public ExchangeHost {
public:
    bool modified = false;
    bool isNew = false;
    QString name = "Ulf";
    QString folder;
    QMap<QString, QString> settings; // keys lower-cased
    bool askToSaveAnswer = true;
    QStringList opened;
    int saves = 0;
    QWidget win;

    bool askToSave() override { return askToSaveAnswer; }
    void openFolder(const QString &f) override { opened << f; }
    void save1Click() override {
        ++saves;
        if (isNew && desktop().pickFolder({"Save hero in folder:", folder, true}).isEmpty())
            return;
        modified = isNew = false;
    }
    bool modified() const override { return modified; }
    bool isNew() const override { return isNew; }
    QString heroName() const override { return name; }
    QString folder() const override { return folder; }
    QString setting(const QString &key) const override { return settings.value(key.toLower()); }
    void setSetting(const QString &key, const QString &value) override {
        settings[key.toLower()] = value;
        settingWrites << key;
    }
    QWidget *window() override { return &win; }

    QStringList settingWrites;
};

// A temporary tree: docs/, docs/Dungeon Siege/Save/, bin/, bin/Imports/.
struct TempFolders {
    QTemporaryDir dir;
    ExchangeFolders folders;

    TempFolders();
    QString path(const QString &relative) const { return dir.path() + '/' + relative; }
    // Writes a file (and its folders) with the given content; returns its path.
    QString write(const QString &relative, const QByteArray &content) const;
};
