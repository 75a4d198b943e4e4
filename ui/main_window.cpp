// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "exchange/desktop.h"
#include "session/editor_session.h"
#include "ui/click_label.h"
#include "ui/disabled_item_hints.h"
#include "ui/edit_commands.h"
#include "ui/export_dialog.h"
#include "ui/hints.h"
#include "ui/import_menu.h"
#include "ui/portrait_picture.h"
#include "ui/portrait_view.h"
#include "ui/screen_placement.h"
#include "ui/skill_panels.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

MainWindow::MainWindow(EditorSession &session, QWidget *parent)
    : QMainWindow(parent), m_session(session) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(appTitle());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_header = new QWidget(client);
    m_header->setObjectName(QStringLiteral("header"));
    m_panels = new SkillPanels(session.hero(), client);
    m_panels->setFixedSize(clientWidth, clientHeight - headerHeight - statusHeight);
    column->addWidget(m_header);
    column->addWidget(m_panels);
    setCentralWidget(client);

    createMenu();
    createHeader();
    connectHeader();
    statusBar()->setSizeGripEnabled(false);
    showDisabledItemHints(menuBar(), statusBar());
    statusBar()->setFixedHeight(statusHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_session.exporter().setParametersDialog([this](ExportParameters &parameters) {
        return askExportParameters(this, m_session, parameters);
    });
    m_session.hero().onChanged = [this] { showHero(); };
    m_advancedAction->setChecked(m_session.settings().advanced);
    showAdvancedMode();
    placeWindow();
}

MainWindow::~MainWindow() {
    writeSettings();
    m_session.hero().onChanged = nullptr;
    m_session.exporter().setParametersDialog(nullptr);
}

void MainWindow::placeWindow() {
    layout()->activate();
    const StoredSettings &settings = m_session.settings();
    const QPoint kept(settings.windowLeft, settings.windowTop);
    QScreen *screen = QGuiApplication::screenAt(kept);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(screen ? pullOntoScreen(kept, size(), screen->geometry()) : kept);
}

bool MainWindow::event(QEvent *event) {
    if (event->type() != QEvent::StatusTip)
        return QMainWindow::event(event);
    showStatusText(statusBar(), static_cast<QStatusTipEvent *>(event)->tip());
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    // A picture dropped on the portrait becomes it, as with Custom....
    if (watched != m_portraitFrame)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (enter->mimeData()->hasUrls() && enter->mimeData()->urls().first().isLocalFile())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        const QString path =
            static_cast<QDropEvent *>(event)->mimeData()->urls().first().toLocalFile();
        runCommand([this, path] { setPortraitFromFile(m_session, path); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    runCommand([this] { m_session.start(); });
}

void MainWindow::closeEvent(QCloseEvent *event) {
    bool allowed = false;
    runCommand([&] { allowed = m_session.askToSave(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

void MainWindow::writeSettings() {
    if (m_settingsWritten)
        return;
    m_settingsWritten = true;
    StoredSettings &settings = m_session.settings();
    settings.advanced = m_advancedAction->isChecked();
    settings.windowTop = y();
    settings.windowLeft = x();
    if (!m_session.writeSettings())
        m_session.desktop().show(
            QStringLiteral("Unable to write to %1").arg(m_session.folders().settingsFile),
            MsgType::Error);
}

void MainWindow::runCommand(const std::function<void()> &command) {
    try {
        command();
    } catch (const std::exception &error) {
        m_session.desktop().show(QString::fromUtf8(error.what()), MsgType::Error);
    } catch (...) {
        m_session.desktop().show(QStringLiteral("An unknown error occurred."), MsgType::Error);
    }
    rebuildHeroesMenu();
}

void MainWindow::showHero() {
    const Hero &hero = m_session.hero();
    // A long name ends in an ellipsis before the uber level.
    setCaption(
        m_nameShadow, m_name,
        m_name->fontMetrics().elidedText(m_session.heroName(), Qt::ElideRight, m_name->width()));
    setCaption(m_titleShadow, m_title, QString::fromStdString(hero.title()));
    const long double uber = hero.uber();
    setCaption(m_uberShadow, m_uber, QString::number(static_cast<long long>(uber)));
    setHint(m_uber, QStringLiteral("Uber Level|Level: ") +
                        QString::number(static_cast<double>(uber), 'f', 5));
    setCaption(m_goldShadow, m_gold, QString::number(hero.gold()));
    m_modifiedShadow->setVisible(hero.isModified());
    m_modified->setVisible(hero.isModified());
    findChild<QAction *>(QStringLiteral("saveAction"))->setEnabled(hero.isModified());
    m_portrait->showPortrait(hero.portrait());
    setHint(
        m_portraitFrame,
        isAllBlack(m_portrait->picture())
            ? QStringLiteral("Portrait|The portrait is all black, as in some heroes saved under "
                             "Wine: choose another with Edit > Portrait")
            : QStringLiteral("Portrait|Double-click to select portrait"));
    m_panels->showHero();
}
