// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the editor as a Steam player's first start would find it: a fake home whose only saved
// party lies in a Proton prefix. Opens File > Import and saves what the screen shows of the
// window and its menus. Run under a virtual X server: scripts/prefix-screenshot.sh.
#include "tests/ui/screenshot_driver.h"

#include "app/folders.h"
#include "hero/game_save_folder.h"
#include "hero/hero.h"
#include "ui/frmmain.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// The fake home, made before Qt reads the home folder.
void MakeFakeHome(const QString &home) {
    const QString save = home + "/.local/share/Steam/steamapps/compatdata/39190/pfx/drive_c/users/"
                                "steamuser/Documents/Dungeon Siege/Save/";
    QDir().mkpath(save);
    QFile party(save + "Ulf the Bold.dsparty");
    if (party.open(QIODevice::WriteOnly))
        party.write("placeholder: the menu lists file names");
    setenv("HOME", home.toLocal8Bit().constData(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    unsetenv("WINEPREFIX");
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir root;
    MakeFakeHome(root.path() + "/home");
    const ScreenshotDriver driver(argc, argv);
    if (!driver.ready())
        return 2;

    const QString program = root.path() + "/program";
    QDir().mkpath(program);
    QFile::copy(KEGTAP_LIBRARY, program + "/libkegtap.so");
    ProgramFolders folders = ComputeProgramFolders(program, true);
    folders.Save = FindSaveFolder(QString(), folders.Save);
    SetGameSaveFolder(folders.Save.toStdString());
    std::printf("save folder: %s\n", qPrintable(folders.Save));

    int result = 1;
    {
        TfrmMain window(folders);
        if (!ScreenshotDriver::show(window))
            return 1;
        // Opens File, then Import, and points at the first party the way a user's mouse does.
        QMenuBar *bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(window.File1->menuAction()).center());
        QTest::qWait(300);
        const QPoint import = window.File1->actionGeometry(window.Import1->menuAction()).center();
        QTest::mouseMove(window.File1, import);
        QTest::mouseClick(window.File1, Qt::LeftButton, {}, import);
        QTest::qWait(500);
        const QList<QAction *> parties = window.Import1->actions();
        if (!parties.isEmpty())
            QTest::mouseMove(window.Import1,
                             window.Import1->actionGeometry(parties.first()).center());
        QTest::qWait(300);
        std::printf("import items: %lld\n",
                    static_cast<long long>(window.Import1->actions().size()));

        const QRect area =
            window.frameGeometry().united(window.Import1->geometry()).adjusted(-8, -8, 8, 8);
        result = driver.save(window, area) ? 0 : 1;
        window.File1->close();
        window.Hero->MarkUnmodified();
    }
    return result;
}
