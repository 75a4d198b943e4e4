// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/export_staging.h"

#include <QString>

#include <functional>

class ExchangeHost;
class KegtapLibrary;
enum class TankOutcome;

// What the "Tank Creation Parameters" dialog edits.
struct ExportParameters {
    QString source; // the hero folder to pack
    QString output; // the folder the party file goes to
    bool always = false;
};

// The Export command: saves the hero folder and packs it into save folder + name + ".dsparty"
// with the Tank Creator, automatically or through the "Tank Creation Parameters" dialog. The
// result is read back through the extraction library before it replaces a party file, and the
// replaced file is kept in the backups.
class PartyExporter {
public:
    // Shows the dialog with the parameters, which it updates; true when the user pressed Export
    // and the dialog accepted them.
    using ParametersDialog = std::function<bool(ExportParameters &parameters)>;

    PartyExporter(ExchangeHost &host, KegtapLibrary &kegtap);

    void setParametersDialog(ParametersDialog dialog) { m_dialog = std::move(dialog); }

    // The command: finds the Tank Creator (asking for it when it is missing) and exports.
    void run();
    // Saves the hero, then exports automatically or through the dialog.
    void exportHero();
    // After a failed automatic export: offers the dialog.
    bool askRetryManually();
    // Prepares, shows and remembers the dialog, exporting when the user accepts it.
    void exportWithDialog();

private:
    bool settingIsTrue(const char *key) const;
    QString setting(const char *key) const;
    void setSetting(const char *key, const QString &value);
    QString partyFile(const QString &outFolder) const;
    TankOutcome runTankCreator(const QString &source, const QString &outFolder);
    void reportSucceeded(const QString &outFolder);

    ExchangeHost &m_host;
    KegtapLibrary &m_kegtap;
    ParametersDialog m_dialog;
    ExportStaging m_staging;
};
