// Shows the editor with a new hero, drags the melee bar to level 30 and a bit through the
// real widgets, then saves what the screen shows of the window. Run under a virtual X server:
// scripts/panels-screenshot.sh.
#include "tests/ui/screenshot_driver.h"

#include "hero/hero.h"
#include "ui/ds_shape.h"
#include "ui/frmmain.h"
#include "ui/skill_panels.h"

#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[]) {
    const ScreenshotDriver driver(argc, argv);
    if (!driver.ready())
        return 2;

    QTemporaryDir root;
    const QString base = root.path() + "/";
    ProgramFolders folders{
        base + "Documents/", base + "Pictures/",    base + "Documents/Dungeon Siege/Save/",
        base + "bin/",       base + "bin/Imports/", base + "bin/Thalrex.INI"};
    int result = 1;
    {
        TfrmMain window(folders);
        if (!ScreenshotDriver::show(window))
            return 1;

        // Each pass over the bar's right end is one more level; stop 40 % into level 30.
        TDSShape *bar = window.findChild<TDSShape *>(QStringLiteral("shpMB"));
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
        const int end = 30 * 200 + 80;
        for (int x = 50; x < end; x += 50)
            QTest::mouseMove(bar, QPoint(x, 6));
        QTest::mouseMove(bar, QPoint(end, 6));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(end, 6));
        window.statusBar()->showMessage(bar->statusTip());
        QTest::qWait(300);

        std::printf("melee level %d, uber %.2f\n", window.Hero->Melee().CurrentLevel(),
                    double(window.Hero->Uber()));
        result = driver.save(window, window.frameGeometry()) ? 0 : 1;
        window.Hero->MarkUnmodified(); // nothing to ask on the way out
    }
    return result;
}
