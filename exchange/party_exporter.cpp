// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/party_exporter.h"

#include "exchange/desktop.h"
#include "exchange/exchange_host.h"
#include "exchange/party_backups.h"
#include "exchange/paths.h"
#include "exchange/tank_creator.h"
#include "settings/settings_keys.h"
#include "settings/settings_list.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

const QString tankCreatorSite = QStringLiteral("https://www.siegetheday.org");

} // namespace

PartyExporter::PartyExporter(ExchangeHost &host, KegtapLibrary &kegtap)
    : m_host(host), m_kegtap(kegtap) {}

QString PartyExporter::setting(const char *key) const {
    return m_host.settingsList().value(QLatin1String(key));
}

void PartyExporter::setSetting(const char *key, const QString &value) {
    m_host.settingsList().setValue(QLatin1String(key), value);
}

bool PartyExporter::settingIsTrue(const char *key) const {
    return m_host.settingsList().boolValue(QLatin1String(key));
}

QString PartyExporter::partyFile(const QString &outFolder) const {
    return withTrailingSlash(outFolder) + m_host.heroName() + QStringLiteral(".dsparty");
}

TankOutcome PartyExporter::runTankCreator(const QString &source, const QString &outFolder) {
    PartyBackups backups(m_host.exchangeFolders().backups);
    return ::runTankCreator({m_host.desktop(), m_staging, m_kegtap, backups},
                            setting(SettingsKeys::tankCreator), source, partyFile(outFolder));
}

void PartyExporter::reportSucceeded(const QString &outFolder) {
    m_host.rememberPartyFolder(m_host.heroFolder(), withTrailingSlash(outFolder));
    m_host.desktop().show(QStringLiteral("Export succeded."), MsgType::Information);
}

void PartyExporter::run() {
    if (QFileInfo(setting(SettingsKeys::tankCreator)).isFile()) {
        exportHero();
        return;
    }
    Desktop &desktop = m_host.desktop();
    desktop.show(QStringLiteral("Tank Creator was not found.\rPlease select its location on your "
                                "computer...\r\r(you can get RTC.exe from ") +
                     tankCreatorSite + ')',
                 MsgType::Information);
    // The game's tool and our own tankcreator show at once; the second filter shows any program.
    const QString tool =
        desktop.pickFile({QStringLiteral("Tank Creator Location"),
                          QStringLiteral("Tank Creator (RTC.exe tankcreator);;All files (*)"),
                          setting(SettingsKeys::tankCreator)});
    if (tool.isEmpty())
        return;
    setSetting(SettingsKeys::tankCreator, tool);
    exportHero();
}

void PartyExporter::exportHero() {
    if (!isSafePathComponent(m_host.heroName()))
        throw std::runtime_error(("Cannot export: the hero name \"" + m_host.heroName() +
                                  "\" cannot be used as a file name.")
                                     .toStdString());
    if (m_host.heroIsModified() || m_host.heroIsNew())
        m_host.saveHero();
    if (m_host.heroIsModified() || m_host.heroIsNew())
        return;
    if (settingIsTrue(SettingsKeys::exportDialogAlways)) {
        exportWithDialog();
        return;
    }
    // A save folder found nowhere is the default one, which the game has not made yet.
    const QString saveFolder = m_host.exchangeFolders().save;
    if (!QDir().mkpath(saveFolder))
        throw std::runtime_error(
            ("Cannot create the save folder " + saveFolder + '.').toStdString());
    switch (runTankCreator(m_host.heroFolder(), saveFolder)) {
    case TankOutcome::Succeeded:
        reportSucceeded(saveFolder);
        break;
    case TankOutcome::Failed:
        if (askRetryManually())
            exportWithDialog();
        break;
    case TankOutcome::Cancelled:
    case TankOutcome::Refused:
        break;
    }
}

bool PartyExporter::askRetryManually() {
    const QString text =
        QStringLiteral(
            "Export failed.\r\rThis command did not work for creating the tank file:\r") +
        setting(SettingsKeys::tankCreator) + QStringLiteral(" -source \"") +
        withoutTrailingSlash(m_host.heroFolder()) + QStringLiteral("\" -out \"") +
        partyFile(m_host.exchangeFolders().save) +
        QStringLiteral("\"\r\rWould you like to try again specifying the parameters manually?");
    return m_host.desktop().show(text, MsgType::Error, MsgButtons::YesNo, MsgAnswer::Yes) ==
           MsgAnswer::Yes;
}

void PartyExporter::exportWithDialog() {
    ExportParameters parameters;
    parameters.always = settingIsTrue(SettingsKeys::exportDialogAlways);
    const QString keptSource = setting(SettingsKeys::exportDialogSource);
    parameters.source = keptSource.isEmpty()
                            ? m_host.heroFolder()
                            : withTrailingSlash(keptSource) + lastName(m_host.heroFolder());
    parameters.output = setting(SettingsKeys::exportDialogOutput);
    if (parameters.output.isEmpty())
        parameters.output = m_host.exchangeFolders().save;
    if (!m_dialog || !m_dialog(parameters))
        return;
    switch (runTankCreator(parameters.source, parameters.output)) {
    case TankOutcome::Succeeded:
        reportSucceeded(parameters.output);
        break;
    case TankOutcome::Failed:
        m_host.desktop().show(QStringLiteral("Export failed.\r\rYou will need to create ") +
                                  m_host.heroName() +
                                  QStringLiteral(".dsparty manually using a Tank Creator tool and "
                                                 "place it in your savegame folder."),
                              MsgType::Error);
        break;
    case TankOutcome::Cancelled:
    case TankOutcome::Refused:
        break;
    }
    m_host.settingsList().setBoolValue(QLatin1String(SettingsKeys::exportDialogAlways),
                                       parameters.always);
    setSetting(SettingsKeys::exportDialogSource, parentFolder(parameters.source));
    setSetting(SettingsKeys::exportDialogOutput, parameters.output);
}
