// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the editor as a Steam player's first start would find it: a fake home whose only saved
// party lies in a Proton prefix. Opens File > Import and saves what the screen shows of the
// window and its menus. Run under a virtual X server: scripts/prefix-screenshot.sh.
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

// The fake home, made before Qt reads the home folder.
void makeFakeHome(const QString &home) {
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
    makeFakeHome(root.path() + "/home");
    ScreenshotDriver driver(argc, argv);
    if (!driver.ready())
        return 2;

    const QString program = root.path() + "/program";
    QDir().mkpath(program);
    QFile::copy(KEGTAP_LIBRARY, program + "/libkegtap.so");
    const ProgramFolders folders = computeProgramFolders(program, true);
    EditorSession session(folders, driver.desktop(), [&folders](const QString &chosen) {
        return findSaveFolder(chosen, folders.save);
    });
    std::printf("save folder: %s\n", qPrintable(session.saveFolder()));

    int result = 1;
    {
        MainWindow window(session);
        QMenu *file = window.findChild<QMenu *>(QStringLiteral("fileMenu"));
        QMenu *import = window.findChild<QMenu *>(QStringLiteral("importMenu"));
        if (!ScreenshotDriver::show(window))
            return 1;
        // Opens File, then Import, and points at the first party the way a user's mouse does.
        QMenuBar *bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTest::qWait(300);
        const QPoint importPlace = file->actionGeometry(import->menuAction()).center();
        QTest::mouseMove(file, importPlace);
        QTest::mouseClick(file, Qt::LeftButton, {}, importPlace);
        QTest::qWait(500);
        const QList<QAction *> parties = import->actions();
        if (!parties.isEmpty())
            QTest::mouseMove(import, import->actionGeometry(parties.first()).center());
        QTest::qWait(300);
        std::printf("import items: %lld\n", static_cast<long long>(import->actions().size()));

        const QRect area = window.frameGeometry().united(import->geometry()).adjusted(-8, -8, 8, 8);
        result = driver.save(window, area) ? 0 : 1;
        file->close();
        session.hero().markUnmodified();
    }
    return result;
}
