// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchangehost.h"

#include <QString>

// The Export command: saves the hero folder and packs it into save folder + name + ".dsparty"
// with the Tank Creator, automatically or through the "Tank Creation Parameters" dialog.
class TPartyExport {
public:
    TPartyExport(ExchangeHost &host, const ExchangeFolders &folders);

    void Export1Click();
    void ExportHero();
    bool AskRetryManually();
    void ExportWithDialog();
    bool ShowTankDialog(QString &source, QString &output, bool &always);
    // The save folder chosen by hand.
    void SetSaveFolder(const QString &folder) { folders.save = folder; }

private:
    bool settingIsTrue(const QString &key) const;
    QString partyFile(const QString &outFolder) const;

    ExchangeHost &host;
    ExchangeFolders folders;
};
