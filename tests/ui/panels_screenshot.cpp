// SPDX-License-Identifier: GPL-3.0-or-later
// Photographs the editor on a virtual X server through its real widgets
// (scripts/panels-screenshot.sh):
//   panels_screenshot melee-drag <picture.png>       after a melee drag to level 30 and a bit
//   panels_screenshot fractions <picture.png>        with four-digit fractions in the panels
//   panels_screenshot portrait-picker <picture.png>  the portrait picker previewing a bitmap
#include "tests/ui/screenshot_driver.h"

#include "hero/hero.h"
#include "ui/ds_shape.h"
#include "ui/frm_portraits.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// Shows the editor with a new hero, does something to it and photographs the window.
int ShootWindow(const ScreenshotDriver &driver, const ProgramFolders &folders,
                const std::function<void(TfrmMain &)> &action) {
    TfrmMain window(folders);
    if (!ScreenshotDriver::show(window))
        return 1;
    action(window);
    QTest::qWait(300);
    const bool saved = driver.save(window);
    window.Hero->MarkUnmodified(); // nothing to ask on the way out
    return saved ? 0 : 1;
}

// Each pass over the bar's right end is one more level; stop 40 % into level 30.
void MeleeDrag(TfrmMain &window) {
    TDSShape *bar = window.findChild<TDSShape *>(QStringLiteral("shpMB"));
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
    const int end = 30 * 200 + 80;
    for (int x = 50; x < end; x += 50)
        QTest::mouseMove(bar, QPoint(x, 6));
    QTest::mouseMove(bar, QPoint(end, 6));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(end, 6));
    window.statusBar()->showMessage(bar->statusTip());
    std::printf("melee level %d, uber %.2f\n", window.Hero->Melee().CurrentLevel(),
                double(window.Hero->Uber()));
}

// Each skill a given way into its first level; the attributes follow with fractions of their own.
void Fractions(TfrmMain &window) {
    window.Hero->Melee().AdjustExperience(99.99L);
    window.Hero->Ranged().AdjustExperience(20.25L);
    window.Hero->Nature().AdjustExperience(88.88L);
    window.Hero->Combat().AdjustExperience(4.44L);
}

// The picker as Custom... shows it, over a folder of the built-in portraits, with one selected.
int PortraitPicker(const ScreenshotDriver &driver, const QString &folder) {
    QDir().mkpath(folder);
    const TfrmPortraits portraits;
    const char *names[TfrmPortraits::Count] = {"farmboy",  "farmgirl",  "dwarf",
                                               "skeleton", "skullhelm", "skullward"};
    for (int n = 0; n < TfrmPortraits::Count; ++n) {
        const TDSImageData bitmap = portraits.BuiltInPortrait(n);
        QFile file(folder + names[n] + ".bmp");
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(bitmap.data()), qint64(bitmap.size())) < 0)
            return 1;
    }
    bool saved = false;
    QTimer::singleShot(500, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->move(40, 40);
        dialog->resize(640, 380);
        // The folder is listed in the background; click the file once it is there.
        auto *model = dialog->findChild<QFileSystemModel *>();
        auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (!model || !list)
            return;
        const QString file = folder + "skeleton.bmp";
        for (int tries = 0; tries < 50 && !list->visualRect(model->index(file)).isValid(); ++tries)
            QTest::qWait(100);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(model->index(file)).center());
        QTest::qWait(500);
        saved = driver.save(*dialog);
        dialog->reject();
    });
    FilePickSpec pick;
    pick.title = QStringLiteral("Hero Portrait (64x64 24-bit bmp)");
    pick.filter = QStringLiteral("Bitmaps (*.bmp)");
    pick.initialFolder = folder;
    pick.preview = true;
    desktop().pickFile(pick);
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    const ScreenshotDriver driver(argc, argv, 1, "melee-drag|fractions|portrait-picker ");
    if (!driver.ready())
        return 2;
    QTemporaryDir root;
    const QString base = root.path() + "/";
    const ProgramFolders folders{
        base + "Documents/", base + "Pictures/",    base + "Documents/Dungeon Siege/Save/",
        base + "bin/",       base + "bin/Imports/", base + "bin/Thalrex.INI"};
    if (std::strcmp(argv[1], "melee-drag") == 0)
        return ShootWindow(driver, folders, MeleeDrag);
    if (std::strcmp(argv[1], "fractions") == 0)
        return ShootWindow(driver, folders, Fractions);
    if (std::strcmp(argv[1], "portrait-picker") == 0)
        return PortraitPicker(driver, folders.Pictures);
    return 2;
}
