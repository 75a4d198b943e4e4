// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchangehost.h"
#include "ui/programfolders.h"
#include "ui/settingslist.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class TClickLabel;
class TDSHero;
class TPartyExport;
class TPartyImport;
class TPortraitImage;

// The program's only main window. It owns the hero for the whole run, shows its name, title,
// uber level, gold and portrait in the header, hosts the skill panels below it, carries every
// command in the main menu and keeps the settings file.
//
// The skill panels live in pnlStats and follow ResetPanelsRequested / HealthManaChanged; the edit
// dialogs run from Name1, Model1, Gold1 and the Portrait1 items (double-clicks in the header
// trigger those items). Import and export work through the window as their ExchangeHost. Each
// command runs through RunCommand so that its errors are shown and the window stays usable.
class TfrmMain : public QMainWindow, public ExchangeHost {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 361;
    static constexpr int ClientHeight = 195;
    static constexpr int HeaderHeight = 52;
    static constexpr int StatusHeight = 19;
    static constexpr int FirstRunLeft = 492;
    static constexpr int FirstRunTop = 442;

    // Builds the window with its hero and first-run settings, runs the creation handler and
    // reads the settings file.
    explicit TfrmMain(const ProgramFolders &folders, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // Before the hero is replaced or the window closes: asks whether to save a modified hero.
    // False when the pending action must not take place (Cancel, or Yes without a save).
    bool AskToSave() override;
    // Runs a command; an error it raises is shown in an error message box.
    void RunCommand(const std::function<void()> &command);
    // Makes a menu item run the command through RunCommand.
    void ConnectCommand(QAction *item, std::function<void()> command);
    // The folder browser of Open and Save As: the chosen folder, or empty.
    QString BrowseFolder(const QString &label);

    ProgramFolders Folders; // only the save folder changes, by Help > Save Folder...
    const std::unique_ptr<TDSHero> Hero;
    TSettingsList moc;              // the settings list
    QString dlgPicInitialDir;       // portrait picker's initial folder
    TPartyImport *Import = nullptr; // the Import submenu and command, owned by Import1
    const std::unique_ptr<TPartyExport> Export;

    // Header
    QWidget *pnlHeader = nullptr;
    TPortraitImage *imgHero = nullptr;
    TClickLabel *imgFrame = nullptr;
    QLabel *lblHeroShd = nullptr;
    TClickLabel *lblHero = nullptr;
    QLabel *lblTitleShd = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblUberShd = nullptr;
    QLabel *lblUber = nullptr;
    QLabel *lblModShd = nullptr;
    QLabel *lblMod = nullptr;
    QLabel *lblGoldShd = nullptr;
    TClickLabel *lblGold = nullptr;
    TClickLabel *imgGold = nullptr;

    // The lower panel, between the header and the status bar, where the skill panels live.
    QWidget *pnlStats = nullptr;

    // Main menu
    QMenu *File1 = nullptr;
    QAction *New1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Open1 = nullptr;
    QMenu *Import1 = nullptr;
    QAction *Refresh1 = nullptr;
    QAction *N2 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *Export1 = nullptr;
    QAction *N3 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Edit1 = nullptr;
    QAction *Undo1 = nullptr;
    QAction *N4 = nullptr;
    QAction *Name1 = nullptr;
    QAction *Model1 = nullptr;
    QMenu *Portrait1 = nullptr;
    QAction *PicCustom1 = nullptr;
    QAction *N6 = nullptr;
    QAction *PicDefault1 = nullptr;   // data: built-in portrait 0
    QAction *PicSkullward1 = nullptr; // data: built-in portrait 5
    QAction *SkullHelm1 = nullptr;    // data: built-in portrait 4
    QAction *Gold1 = nullptr;
    QAction *N5 = nullptr;
    QAction *Farmer1 = nullptr;
    QMenu *Heros1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Advanced1 = nullptr;
    QAction *MyDocuments1 = nullptr;
    QAction *SaveFolder1 = nullptr;
    QAction *N8 = nullptr;
    QAction *Help2 = nullptr;
    QAction *About1 = nullptr;

    // Commands
    void New1Click();
    void Open1Click();
    void Refresh1Click();
    void Save1Click() override;
    void SaveAs1Click();
    void Exit1Click();
    void Undo1Click();
    void Farmer1Click();
    void HeroItemClick(const QAction *item);
    void Advanced1Click();
    void MyDocuments1Click();
    void SaveFolder1Click();
    // Makes the folder the save folder of import, export and new heroes, kept as SaveFolder.
    void SetSaveFolder(const QString &folder);
    void Help2Click();
    void About1Click();
    // The help page shipped in the program folder.
    QString HelpPage() const;
    // Each opening of the File and Edit menus.
    void File1Click();
    void Edit1Click();

    // Makes Open, Save, Save As and Heroes visible exactly in advanced mode.
    void ApplyAdvanced();
    // Rebuilds the Heroes menu from the hero's recent heroes.
    void RebuildHeroesMenu();

    // Handlers of the hero's events.
    void HeroUberChanged();
    void HeroModified();
    void HeroPropChanged();
    void HeroStatsChanged();
    // The default head and skins of a model from the settings list; false when it is unknown.
    bool HeroGetSkins(const QString &model, QString &head, QStringList &skins) const;

    // What import and export use of the window.
    void OpenFolder(const QString &folder) override;
    bool Modified() const override;
    bool IsNew() const override;
    QString HeroName() const override;
    QString Folder() const override;
    QString setting(const QString &key) const override;
    void setSetting(const QString &key, const QString &value) override;
    QWidget *window() override { return this; }
    void runCommand(const std::function<void()> &command) override { RunCommand(command); }

signals:
    // Start-up clears the skill panels.
    void ResetPanelsRequested();
    // The hero reported changed attributes: the health and mana display follows.
    void HealthManaChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateHeader();
    void CreateMenu();
    void ShowSaveFolderHint();
    void ConnectMenu();
    void ConnectHero();
    void FormCreate();
    void ReadSettings();
    void FormShow();
    void WriteSettings();
    void ShowError(const QString &message);
    void SetCaption(QLabel *shadow, QLabel *label, const QString &caption);
    void RefreshTitle();

    ExchangeFolders ExchangeFoldersOf() const;

    // The hero's recent heroes as text and back: each line's folder is a path, the rest game text.
    QStringList RecentHerosText() const;
    void SetRecentHeros(const QStringList &lines);

    QStringList shownRecentHeros; // the recent heroes the Heroes menu shows
    QString chosenSaveFolder;     // the save folder chosen by hand in this run, or empty
    bool shown = false;
    bool settingsWritten = false;
};
