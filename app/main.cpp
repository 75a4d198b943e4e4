// SPDX-License-Identifier: GPL-3.0-or-later
// Thalrex: the hero editor for Dungeon Siege saved parties.
#include "app/command_line.h"
#include "app/folders.h"
#include "session/editor_session.h"
#include "ui/application.h"
#include "ui/images.h"
#include "ui/main_window.h"
#include "ui/qt_desktop.h"

#include <QDir>

int main(int argc, char *argv[]) {
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv))
        return *answered;
    ensureHomeVariable();
    Application application(argc, argv);
    const std::optional<std::string> opened = pathToOpen(argc, argv);
    if (!opened)
        return 2;
    QtDesktop desktop;
    application.setDesktop(&desktop);
    // No display name: the desktop would append it to every dialog's caption.
    QApplication::setApplicationName(appTitle());
    QApplication::setWindowIcon(appIcon());

    // Everything the run needs to know of the machine, found once before the window exists.
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const ProgramFolders folders =
        computeProgramFolders(programFolder, keepsFilesBesideProgram(programFolder));
    EditorSession session(folders, desktop,
                          [&folders] { return findSaveFolders(folders.documents); });
    int result = 0;
    {
        MainWindow window(session);
        window.show();
        if (!opened->empty())
            window.openFromCommandLine(QByteArray::fromStdString(*opened));
        result = QApplication::exec();
    }
    application.setDesktop(nullptr);
    return result;
}
