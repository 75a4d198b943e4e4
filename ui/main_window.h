// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class ClickLabel;
class EditorSession;
class ImportMenu;
class PortraitView;
class QAction;
class QLabel;
class QMenu;
class SkillPanels;

// The program's only window: a header with the hero's portrait, name, title, uber level,
// modified mark and gold, the skill panels below it and the main menu. It shows the session's
// hero, follows its changes and runs the menu's commands on the session; each command runs
// through runCommand, so that its errors are shown and the window stays usable.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int clientWidth = 361;
    static constexpr int clientHeight = 195;
    static constexpr int headerHeight = 52;
    static constexpr int statusHeight = 19;

    // Builds the window over the session and places it where the settings keep it.
    explicit MainWindow(EditorSession &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens what the command line names, a hero folder or a party file to import, as a menu
    // command would.
    void openFromCommandLine(const QByteArray &path);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct MenuRow;
    static const MenuRow menuRows[];

    void createHeader();
    void createMenu();
    void connectHeader();
    void placeWindow();
    void writeSettings();

    // Runs a command; an error it raises is shown in an error message box.
    void runCommand(const std::function<void()> &command);

    // What the window shows of the hero.
    void showHero();
    void showAdvancedMode();
    void showSaveFolderHint();
    void rebuildHeroesMenu();
    void setCaption(QLabel *shadow, QLabel *label, const QString &caption);

    // Menu commands.
    void newHero();
    void openHero();
    void revertHero();
    void saveHero();
    void saveHeroAs();
    void exportParty();
    void restoreBackup();
    void browseParty();
    void exitProgram();
    void undoAdjustment();
    void editName();
    void editModel();
    void chooseCustomPortrait();
    void loadDefaultPortrait();
    void loadSkullwardPortrait();
    void loadSkullHelmPortrait();
    void editGold();
    void resetToMinimum();
    void toggleAdvanced();
    void openDocuments();
    void chooseSaveFolder();
    void openHelp();
    void showAbout();
    void updateFileMenu();
    void updateEditMenu();
    void updateHelpMenu();

    EditorSession &m_session;
    SkillPanels *m_panels = nullptr;
    ImportMenu *m_importMenu = nullptr;

    QWidget *m_header = nullptr;
    PortraitView *m_portrait = nullptr;
    ClickLabel *m_portraitFrame = nullptr;
    QLabel *m_nameShadow = nullptr;
    ClickLabel *m_name = nullptr;
    QLabel *m_titleShadow = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_uberShadow = nullptr;
    QLabel *m_uber = nullptr;
    QLabel *m_modifiedShadow = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_goldShadow = nullptr;
    ClickLabel *m_gold = nullptr;
    ClickLabel *m_goldCoin = nullptr;

    QAction *m_advancedAction = nullptr;
    QMenu *m_heroesMenu = nullptr;
    QStringList m_shownRecentHeroes; // the recent heroes the Heroes menu shows
    bool m_shown = false;
    bool m_settingsWritten = false;
};
