// SPDX-License-Identifier: GPL-3.0-or-later
// Thalrex: the hero editor for Dungeon Siege saved parties.
#include "app/command_line.h"
#include "app/folders.h"
#include "exchange/messages.h"
#include "exchange/partyimport.h"
#include "exchange/staging.h"
#include "hero/documents_folder.h"
#include "hero/experience.h"
#include "hero/game_save_folder.h"
#include "ui/application.h"
#include "ui/frmmain.h"
#include "ui/images.h"
#include "ui/qtdesktop.h"
#include "ui/settingsfile.h"

#include <QDir>

int main(int argc, char *argv[]) {
    if (const std::optional<int> answered = AnswerHelpOrVersion(argc, argv))
        return *answered;
    TApplication application(argc, argv);
    const std::optional<QString> party = PartyToImport(QCoreApplication::arguments());
    if (!party)
        return 2;
    QtDesktop desktop;
    setDesktop(&desktop);

    // Everything the run needs to know of the machine, computed once before the window exists.
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    ProgramFolders folders = ComputeProgramFolders(programFolder, IsWritableFolder(programFolder));
    SetDocumentsFolder(folders.Documents.toStdString());
    TStoredSettings stored;
    ReadSettingsFile(folders.SettingsFile, stored);
    folders.Save = FindSaveFolder(stored.SaveFolder, folders.Save);
    SetGameSaveFolder(folders.Save.toStdString());
    SetMaxLevel(150);

    // No display name: the desktop would append it to every dialog's caption.
    QApplication::setApplicationName(AppTitle());
    QApplication::setWindowIcon(AppIcon());

    int result = 0;
    {
        TfrmMain frmMain(folders);
        frmMain.show();
        if (!party->isEmpty())
            frmMain.RunCommand([&] { frmMain.Import->ImportParty(*party); });
        result = QApplication::exec();
    }
    RemoveStagingFolder();
    setDesktop(nullptr);
    return result;
}
