// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the editor on a fake home whose saved parties lie in two Wine prefixes: the first game's
// in a Steam Proton prefix, the expansion's in a Lutris prefix. Opens File > Import and saves
// what the screen shows of the window and its menus. Run under a virtual X server:
// scripts/prefix-screenshot.sh.
#include "tools/dev/screenshot_driver.h"

#include "app/folders.h"
#include "session/editor_session.h"
#include "ui/main_window.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

void writeParty(const QString &folder, const QString &name) {
    QDir().mkpath(folder);
    QFile party(folder + name + ".dsparty");
    if (party.open(QIODevice::WriteOnly))
        party.write("placeholder: the menu lists file names");
}

// The fake home, made before Qt reads the home folder.
void makeFakeHome(const QString &home) {
    const QString proton = home + "/.local/share/Steam/steamapps/compatdata/39190/pfx/drive_c/"
                                  "users/steamuser/Documents/Dungeon Siege/Save/";
    writeParty(proton, "Ulf the Bold");
    writeParty(proton, "Kara");
    const QString lutris =
        home + "/Games/dungeon-siege-loa/drive_c/users/player/Documents/Dungeon Siege LOA/Save/";
    writeParty(lutris, "Aranna Ranger");
    setenv("HOME", home.toLocal8Bit().constData(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    unsetenv("WINEPREFIX");
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir root;
    makeFakeHome(root.path() + "/home");
    ScreenshotDriver driver(argc, argv);
    if (!driver.ready())
        return 2;

    const QString program = root.path() + "/program";
    QDir().mkpath(program);
    QFile::copy(KEGTAP_LIBRARY, program + "/libkegtap.so");
    const ProgramFolders folders = computeProgramFolders(program, true);
    EditorSession session(folders, driver.desktop(),
                          [&folders] { return findSaveFolders(folders.documents); });
    std::printf("save folder: %s\n", qPrintable(session.saveFolder()));

    int result = 1;
    {
        MainWindow window(session);
        QMenu *file = window.findChild<QMenu *>(QStringLiteral("fileMenu"));
        QMenu *import = window.findChild<QMenu *>(QStringLiteral("importMenu"));
        if (!ScreenshotDriver::show(window))
            return 1;
        // Opens File, then Import, and points at the last party the way a user's mouse does.
        QMenuBar *bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTest::qWait(300);
        const QPoint importPlace = file->actionGeometry(import->menuAction()).center();
        QTest::mouseMove(file, importPlace);
        QTest::mouseClick(file, Qt::LeftButton, {}, importPlace);
        QTest::qWait(500);
        const QList<QAction *> items = import->actions();
        if (items.size() > 2)
            QTest::mouseMove(import, import->actionGeometry(items[items.size() - 3]).center());
        QTest::qWait(300);
        for (const QAction *item : import->actions())
            std::printf("import item: %s%s\n", qPrintable(item->text()),
                        item->isEnabled() ? "" : " (heading)");

        const QRect area = window.frameGeometry().united(import->geometry()).adjusted(-8, -8, 8, 8);
        result = driver.save(window, area) ? 0 : 1;
        file->close();
        session.hero().markUnmodified();
    }
    return result;
}
