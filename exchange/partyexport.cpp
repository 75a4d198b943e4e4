// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/partyexport.h"

#include "exchange/desktop.h"
#include "exchange/frmtank.h"
#include "exchange/messages.h"
#include "exchange/paths.h"
#include "exchange/tankcreator.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace {

const QString TankCreator = QStringLiteral("TankCreator");
const QString TankDlgAlways = QStringLiteral("TankDlgAlways");
const QString TankDlgSource = QStringLiteral("TankDlgSource");
const QString TankDlgOut = QStringLiteral("TankDlgOut");

const QString tankCreatorSite = QStringLiteral("https://www.siegetheday.org");

void reportSucceeded() {
    showMessage(QStringLiteral("Export succeded."), MsgType::Information);
}

} // namespace

TPartyExport::TPartyExport(ExchangeHost &host, const ExchangeFolders &folders)
    : host(host), folders(folders) {}

bool TPartyExport::settingIsTrue(const QString &key) const {
    return host.setting(key) == QStringLiteral("1");
}

QString TPartyExport::partyFile(const QString &outFolder) const {
    return withTrailingSlash(outFolder) + host.HeroName() + QStringLiteral(".dsparty");
}

void TPartyExport::Export1Click() {
    if (QFileInfo(host.setting(TankCreator)).isFile()) {
        ExportHero();
        return;
    }
    showMessage(QStringLiteral("Tank Creator was not found.\rPlease select its location on your "
                               "computer...\r\r(you can get RTC.exe from ") +
                    tankCreatorSite + ')',
                MsgType::Information);
    // The second filter lets a tool of another name, such as our own tankcreator, be chosen.
    const QString tool = desktop().pickFile(
        {QStringLiteral("Tank Creator Location"),
         QStringLiteral("Tank Creator (RTC.exe);;All files (*)"), host.setting(TankCreator)});
    if (tool.isEmpty())
        return;
    host.setSetting(TankCreator, tool);
    ExportHero();
}

void TPartyExport::ExportHero() {
    if (!isSafePathComponent(host.HeroName()))
        throw std::runtime_error(("Cannot export: the hero name \"" + host.HeroName() +
                                  "\" cannot be used as a file name.")
                                     .toStdString());
    if (host.Modified() || host.IsNew())
        host.Save1Click();
    if (host.Modified() || host.IsNew())
        return;
    if (settingIsTrue(TankDlgAlways)) {
        ExportWithDialog();
        return;
    }
    // A save folder found nowhere is the default one, which the game has not made yet.
    if (!QDir().mkpath(folders.save))
        throw std::runtime_error(
            ("Cannot create the save folder " + folders.save + '.').toStdString());
    switch (RunTankCreator(host.setting(TankCreator), host.Folder(), partyFile(folders.save))) {
    case TankOutcome::Succeeded:
        reportSucceeded();
        break;
    case TankOutcome::Failed:
        if (AskRetryManually())
            ExportWithDialog();
        break;
    case TankOutcome::Cancelled:
        break;
    }
}

bool TPartyExport::AskRetryManually() {
    const QString text =
        QStringLiteral(
            "Export failed.\r\rThis command did not work for creating the tank file:\r") +
        host.setting(TankCreator) + QStringLiteral(" -source \"") +
        withoutTrailingSlash(host.Folder()) + QStringLiteral("\" -out \"") +
        partyFile(folders.save) +
        QStringLiteral("\"\r\rWould you like to try again specifying the parameters manually?");
    return showMessage(text, MsgType::Error, MsgButtons::YesNo, MsgAnswer::Yes) == MsgAnswer::Yes;
}

void TPartyExport::ExportWithDialog() {
    bool always = settingIsTrue(TankDlgAlways);
    const QString keptSource = host.setting(TankDlgSource);
    QString source = keptSource.isEmpty() ? host.Folder()
                                          : withTrailingSlash(keptSource) + lastName(host.Folder());
    QString output = host.setting(TankDlgOut);
    if (output.isEmpty())
        output = folders.save;
    if (!ShowTankDialog(source, output, always))
        return;
    host.setSetting(TankDlgAlways, always ? QStringLiteral("1") : QStringLiteral("0"));
    host.setSetting(TankDlgSource, parentFolder(source));
    host.setSetting(TankDlgOut, output);
}

bool TPartyExport::ShowTankDialog(QString &source, QString &output, bool &always) {
    TfrmTank dialog(host.window(), host.HeroName(), folders.documents, folders.save);
    dialog.edtSource->setText(source);
    dialog.edtOut->setText(output);
    dialog.ckbAlways->setChecked(always);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) {
        switch (RunTankCreator(host.setting(TankCreator), dialog.edtSource->text(),
                               partyFile(dialog.edtOut->text()))) {
        case TankOutcome::Succeeded:
            reportSucceeded();
            break;
        case TankOutcome::Failed:
            showMessage(QStringLiteral("Export failed.\r\rYou will need to create ") +
                            host.HeroName() +
                            QStringLiteral(".dsparty manually using a Tank Creator tool and place "
                                           "it in your savegame folder."),
                        MsgType::Error);
            break;
        case TankOutcome::Cancelled:
            break;
        }
    }
    source = dialog.edtSource->text();
    output = dialog.edtOut->text();
    always = dialog.ckbAlways->isChecked();
    return accepted;
}
