// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands, most of them the session's, and the Heroes menu of recent heroes.
#include "ui/main_window.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "session/editor_session.h"
#include "thalrex_version.h"
#include "ui/access_keys.h"
#include "ui/edit_commands.h"
#include "ui/hints.h"
#include "ui/images.h"
#include "ui/import_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

#include <stdexcept>

void MainWindow::newHero() {
    m_session.newHero();
}

void MainWindow::openHero() {
    m_session.openHero();
}

void MainWindow::revertHero() {
    m_session.revertHero();
}

void MainWindow::saveHero() {
    m_session.saveHero();
}

void MainWindow::saveHeroAs() {
    m_session.saveHeroAs();
}

void MainWindow::exportParty() {
    m_session.exporter().run();
}

void MainWindow::restoreBackup() {
    m_session.restoreBackup();
}

void MainWindow::openFromCommandLine(const QByteArray &path) {
    runCommand([this, path] { m_session.openFromCommandLine(path); });
}

void MainWindow::browseParty() {
    m_session.importer().browse(m_session.settings().partyFolder);
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::updateFileMenu() {
    findChild<QAction *>(QStringLiteral("revertAction"))->setEnabled(m_session.canRevert());
    m_importMenu->rebuild();
}

void MainWindow::updateEditMenu() {
    findChild<QAction *>(QStringLiteral("undoAction"))->setEnabled(m_session.hero().canUndo());
}

void MainWindow::undoAdjustment() {
    m_session.undoAdjustment();
}

void MainWindow::editName() {
    editHeroName(this, m_session);
}

void MainWindow::editModel() {
    editHeroModel(this, m_session);
}

void MainWindow::editGold() {
    editHeroGold(this, m_session);
}

void MainWindow::chooseCustomPortrait() {
    choosePortraitFile(m_session);
}

void MainWindow::loadDefaultPortrait() {
    m_session.hero().loadBuiltInPortrait(0);
}

void MainWindow::loadSkullwardPortrait() {
    m_session.hero().loadBuiltInPortrait(5);
}

void MainWindow::loadSkullHelmPortrait() {
    m_session.hero().loadBuiltInPortrait(4);
}

void MainWindow::resetToMinimum() {
    m_session.resetToMinimum();
}

void MainWindow::toggleAdvanced() {
    m_session.settings().advanced = m_advancedAction->isChecked();
    showAdvancedMode();
}

void MainWindow::openDocuments() {
    m_session.desktop().openUrl(QUrl::fromLocalFile(m_session.folders().documents));
}

void MainWindow::chooseSaveFolder() {
    m_session.chooseSaveFolder();
    m_importMenu->rebuild();
    showSaveFolderHint();
}

void MainWindow::openHelp() {
    const QString page = m_session.folders().program + QStringLiteral("help/index.html");
    if (!QFileInfo(page).isFile())
        throw std::runtime_error(
            QStringLiteral("The help page %1 is missing.").arg(page).toStdString());
    m_session.desktop().openUrl(QUrl::fromLocalFile(page));
}

void MainWindow::showAbout() {
    m_session.desktop().message(QString::fromUtf8("Thalrex\r\rVersion " THALREX_VERSION "\r\r"
                                                  "The hero editor for Dungeon Siege saved "
                                                  "parties.\r\rSave folder: ") +
                                    m_session.saveFolder(),
                                QStringLiteral("About Thalrex"), MsgType::Information,
                                MsgButtons::Ok, MsgAnswer::Ok);
}

void MainWindow::rebuildHeroesMenu() {
    QStringList lines;
    for (const std::string &line : m_session.hero().recentHeroes().lines())
        lines.append(QString::fromStdString(line));
    if (lines == m_shownRecentHeroes)
        return;
    m_shownRecentHeroes = lines;

    for (QAction *old : m_heroesMenu->actions())
        delete old;
    const std::vector<RecentHero> heroes = m_session.hero().recentHeroes().entries();
    m_heroesMenu->menuAction()->setEnabled(!heroes.empty());
    QStringList captions;
    for (const RecentHero &hero : heroes)
        captions.append(fromGameText(hero.caption));
    captions = withAccessKeys(captions);
    for (size_t i = 0; i < heroes.size(); ++i) {
        const QString folder = QString::fromStdString(heroes[i].folder);
        QAction *action = m_heroesMenu->addAction(captions[static_cast<qsizetype>(i)]);
        action->setIcon(classIcon(heroes[i].classIcon));
        action->setData(folder);
        setHint(action, pathHint(folder, m_session.folders().documents));
        connect(action, &QAction::triggered, this, [this, folder] {
            runCommand([this, folder] { m_session.openRecentHero(folder); });
        });
    }
}
