// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that belong to the main window alone.
#include "ui/frmmain.h"

#include "exchange/desktop.h"
#include "exchange/messages.h"
#include "exchange/partyexport.h"
#include "exchange/partyimport.h"
#include "exchange/paths.h"
#include "hero/game_save_folder.h"
#include "hero/hero.h"
#include "thalrex_version.h"

#include <QAction>
#include <QFileInfo>
#include <QUrl>

#include <stdexcept>

void TfrmMain::New1Click() {
    if (AskToSave())
        Hero->NewHero();
}

void TfrmMain::Open1Click() {
    if (!AskToSave())
        return;
    const QString folder = BrowseFolder(QStringLiteral("Select a hero folder:"));
    if (!folder.isEmpty())
        Hero->OpenFolder(folder.toStdString());
}

void TfrmMain::Refresh1Click() {
    Hero->OpenFolder(std::string());
}

void TfrmMain::Save1Click() {
    if (!Hero->IsNew())
        Hero->SaveFolder(std::string());
    else if (Advanced1->isChecked())
        SaveAs1Click();
    else
        Hero->SaveFolder((Folders.Imports + HeroName()).toStdString());
}

void TfrmMain::SaveAs1Click() {
    const QString folder = BrowseFolder(QStringLiteral("Save hero in folder:"));
    if (!folder.isEmpty())
        Hero->SaveFolder(folder.toStdString());
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::File1Click() {
    Refresh1->setEnabled(QFileInfo(QString::fromStdString(Hero->Folder())).isDir() &&
                         !Hero->IsNew() && Hero->Modified());
    Import->RefreshImportMenu();
}

void TfrmMain::Edit1Click() {
    Undo1->setEnabled(Hero->CanUndo());
}

void TfrmMain::Undo1Click() {
    Hero->Undo();
}

void TfrmMain::Farmer1Click() {
    if (!Hero->IsNew() &&
        showMessage(
            QStringLiteral(
                "This may adversely affect any equipment the hero is wearing. If you save your "
                "changes with stats which are lower than the equipment's required stats, the "
                "equipment will not be useable by the hero. And it may not be possible to "
                "re-equip once removed.\r\rProceed?"),
            MsgType::Warning, MsgButtons::YesCancel, MsgAnswer::Cancel) != MsgAnswer::Yes)
        return;
    Hero->ResetToMinimum();
}

void TfrmMain::Advanced1Click() {
    Advanced1->toggle();
}

void TfrmMain::MyDocuments1Click() {
    desktop().openUrl(QUrl::fromLocalFile(Folders.Documents));
}

QString TfrmMain::HelpPage() const {
    return Folders.Program + QStringLiteral("help/index.html");
}

void TfrmMain::Help2Click() {
    const QString page = HelpPage();
    if (!QFileInfo(page).isFile())
        throw std::runtime_error(
            QStringLiteral("The help page %1 is missing.").arg(page).toStdString());
    desktop().openUrl(QUrl::fromLocalFile(page));
}

void TfrmMain::SaveFolder1Click() {
    FolderPickSpec pick;
    pick.label = QStringLiteral("Select the game's save folder:");
    pick.initial = Folders.Save;
    pick.newFolder = true;
    const QString folder = desktop().pickFolder(pick);
    if (!folder.isEmpty())
        SetSaveFolder(folder);
}

void TfrmMain::SetSaveFolder(const QString &folder) {
    Folders.Save = withTrailingSlash(folder);
    chosenSaveFolder = Folders.Save;
    SetGameSaveFolder(Folders.Save.toStdString());
    Import->SetSaveFolder(Folders.Save);
    Export->SetSaveFolder(Folders.Save);
    Import->RefreshImportMenu();
    ShowSaveFolderHint();
}

void TfrmMain::About1Click() {
    desktop().message(QString::fromUtf8("Thalrex\r\rVersion " THALREX_VERSION "\r\r"
                                     "The hero editor for Dungeon Siege saved parties.\r\r"
                                     "Save folder: ") +
                          Folders.Save,
                      QStringLiteral("About Thalrex"), MsgType::Information, MsgButtons::Ok,
                      MsgAnswer::Ok);
}
