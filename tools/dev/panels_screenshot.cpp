// SPDX-License-Identifier: GPL-3.0-or-later
// Photographs the editor on a virtual X server through its real widgets
// (scripts/panels-screenshot.sh):
//   panels_screenshot melee-drag <picture.png>       after a melee drag to level 30 and a bit
//   panels_screenshot fractions <picture.png>        with four-digit fractions in the panels
//   panels_screenshot portrait-picker <picture.png>  the portrait picker previewing a bitmap
#include "tools/dev/screenshot_driver.h"

#include "session/built_in_portraits.h"
#include "session/editor_session.h"
#include "ui/edit_commands.h"
#include "ui/main_window.h"
#include "ui/skill_bar.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLinearGradient>
#include <QPainter>
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
int shootWindow(ScreenshotDriver &driver, const ProgramFolders &folders,
                const std::function<void(MainWindow &, Hero &)> &action) {
    EditorSession session(folders, driver.desktop());
    MainWindow window(session);
    if (!ScreenshotDriver::show(window))
        return 1;
    action(window, session.hero());
    QTest::qWait(300);
    const bool saved = driver.save(window);
    session.hero().markUnmodified(); // nothing to ask on the way out
    return saved ? 0 : 1;
}

// Each pass over the bar's right end is one more level; stop 40 % into level 30.
void meleeDrag(MainWindow &window, Hero &hero) {
    SkillBar *bar = window.findChild<SkillBar *>(QStringLiteral("meleeBackground"));
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
    const int end = 30 * 200 + 80;
    for (int x = 50; x < end; x += 50)
        QTest::mouseMove(bar, QPoint(x, 6));
    QTest::mouseMove(bar, QPoint(end, 6));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(end, 6));
    window.statusBar()->showMessage(bar->statusTip());
    std::printf("melee level %d, uber %.2f\n", hero.melee().currentLevel(), double(hero.uber()));
}

// Each skill a given way into its first level; the attributes follow with fractions of their own.
void fractions(MainWindow &, Hero &hero) {
    hero.melee().adjustExperience(99.99L);
    hero.ranged().adjustExperience(20.25L);
    hero.nature().adjustExperience(88.88L);
    hero.combat().adjustExperience(4.44L);
}

// A large photograph-like picture: a sky, a sun and hills, 1600 x 1000.
bool writeLandscape(const QString &path) {
    QImage picture(1600, 1000, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 1000);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(250, 200, 140));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawEllipse(QPoint(800, 430), 170, 170);
    painter.setBrush(QColor(60, 110, 50));
    painter.drawEllipse(QPoint(400, 1150), 900, 450);
    painter.setBrush(QColor(40, 80, 40));
    painter.drawEllipse(QPoint(1300, 1200), 800, 450);
    painter.end();
    return picture.save(path, "PNG");
}

// The picker as Custom... shows it, over a folder of the built-in portraits and a large PNG, with
// the named file selected.
int portraitPicker(ScreenshotDriver &driver, const QString &folder, const QString &selected) {
    QDir().mkpath(folder);
    const BuiltInPortraits portraits;
    const char *names[BuiltInPortraits::count] = {"farmboy",  "farmgirl",  "dwarf",
                                                  "skeleton", "skullhelm", "skullward"};
    for (int n = 0; n < BuiltInPortraits::count; ++n) {
        const ImageBytes bitmap = portraits.builtInPortrait(n);
        QFile file(folder + names[n] + ".bmp");
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(bitmap.data()), qint64(bitmap.size())) < 0)
            return 1;
    }
    if (!writeLandscape(folder + "landscape.png"))
        return 1;
    bool saved = false;
    QTimer::singleShot(500, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->move(40, 40);
        // The folder is listed in the background; click the file once it is there.
        auto *model = dialog->findChild<QFileSystemModel *>();
        auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (!model || !list)
            return;
        const QString file = folder + selected;
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
    pick.filter = pictureFilter();
    pick.initialFolder = folder;
    pick.preview = true;
    driver.desktop().pickFile(pick);
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    ScreenshotDriver driver(argc, argv, 1,
                            "melee-drag|fractions|portrait-picker|portrait-picker-png ");
    if (!driver.ready())
        return 2;
    QTemporaryDir root;
    const QString base = root.path() + "/";
    const ProgramFolders folders{
        base + "Documents/",     base + "Pictures/",    base + "Documents/Dungeon Siege/Save/",
        base + "bin/",           base + "bin/Imports/", base + "Backups/",
        base + "bin/Thalrex.INI"};
    if (std::strcmp(argv[1], "melee-drag") == 0)
        return shootWindow(driver, folders, meleeDrag);
    if (std::strcmp(argv[1], "fractions") == 0)
        return shootWindow(driver, folders, fractions);
    if (std::strcmp(argv[1], "portrait-picker") == 0)
        return portraitPicker(driver, folders.pictures, "skeleton.bmp");
    if (std::strcmp(argv[1], "portrait-picker-png") == 0)
        return portraitPicker(driver, folders.pictures, "landscape.png");
    return 2;
}
