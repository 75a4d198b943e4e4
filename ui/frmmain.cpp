// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmmain.h"

#include "exchange/desktop.h"
#include "exchange/gametext.h"
#include "exchange/messages.h"
#include "exchange/partyexport.h"
#include "exchange/partyimport.h"
#include "hero/hero.h"
#include "hero/titles.h"
#include "ui/clicklabel.h"
#include "ui/disabled_hints.h"
#include "ui/hints.h"
#include "ui/panels_wiring.h"
#include "ui/portraitimage.h"
#include "ui/screenplacement.h"
#include "ui/settingsfile.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}

std::vector<std::string> FromList(const QStringList &list) {
    std::vector<std::string> lines;
    for (const QString &line : list)
        lines.push_back(line.toStdString());
    return lines;
}

} // namespace

TfrmMain::TfrmMain(const ProgramFolders &folders, QWidget *parent)
    : QMainWindow(parent), Folders(folders), Hero(std::make_unique<TDSHero>()),
      Export(std::make_unique<TPartyExport>(*this, ExchangeFoldersOf())) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    pnlHeader = new QWidget(client);
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    pnlStats = new QWidget(client);
    pnlStats->setObjectName(QStringLiteral("pnlStats"));
    pnlStats->setFixedSize(ClientWidth, ClientHeight - HeaderHeight - StatusHeight);
    column->addWidget(pnlHeader);
    column->addWidget(pnlStats);
    setCentralWidget(client);

    CreateMenu();
    CreateHeader();
    statusBar()->setSizeGripEnabled(false);
    ShowDisabledItemHints(menuBar(), statusBar());
    statusBar()->setFixedHeight(StatusHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(FirstRunLeft, FirstRunTop);

    // The hero as the window describes it: its folder, its portrait control and its events.
    Hero->SetFolder(Folders.Documents.toStdString());
    Hero->SetPortrait(imgHero);
    ConnectHero();
    ConnectMenu();
    AttachSkillPanels(*this);

    FormCreate();
    ReadSettings();
}

TfrmMain::~TfrmMain() {
    WriteSettings();
    // The controls go before the hero that refers to them.
    Hero->SetPortrait(nullptr);
    imgHero->ForgetHero();
    delete takeCentralWidget();
}

void TfrmMain::ConnectHero() {
    Hero->OnUberChanged = [this](TDSHero &) { HeroUberChanged(); };
    Hero->OnModified = [this](TDSHero &) { HeroModified(); };
    Hero->OnUnmodified = [this](TDSHero &) { HeroModified(); };
    Hero->OnPropChanged = [this](TDSHero &) { HeroPropChanged(); };
    Hero->OnStatsChanged = [this](TDSHero &) { HeroStatsChanged(); };
    Hero->GetSkins = [this](TDSHero &, const std::string &model, std::string &head,
                            std::vector<std::string> &skins) {
        QString knownHead;
        QStringList knownSkins;
        if (!HeroGetSkins(Q(model), knownHead, knownSkins))
            return false;
        head = knownHead.toStdString();
        skins = FromList(knownSkins);
        return true;
    };
}

void TfrmMain::FormCreate() {
    dlgPicInitialDir = Folders.Pictures;
    // The import binding, with the party file picker starting in the save folder.
    Import = new TPartyImport(*this, ExchangeFoldersOf(), Import1);
    ConnectCommand(Export1, [this] { Export->Export1Click(); });
}

ExchangeFolders TfrmMain::ExchangeFoldersOf() const {
    return {Folders.Documents, Folders.Save, Folders.Program, Folders.Imports};
}

void TfrmMain::ReadSettings() {
    TStoredSettings settings;
    settings.FormTop = y();
    settings.FormLeft = x();
    settings.Advanced = Advanced1->isChecked();
    settings.HeroFolder = Q(Hero->Folder());
    settings.PicInitialDir = dlgPicInitialDir;
    settings.OpenTankInitialDir = Import->dlgOpenTankInitialDir;
    settings.RecentHeros = RecentHerosText();
    settings.Data = moc.Lines();

    ReadSettingsFile(Folders.SettingsFile, settings);

    Advanced1->setChecked(settings.Advanced);
    Hero->SetFolder(settings.HeroFolder.toStdString());
    dlgPicInitialDir = settings.PicInitialDir;
    Import->dlgOpenTankInitialDir = settings.OpenTankInitialDir;
    SetRecentHeros(settings.RecentHeros);
    moc.SetLines(settings.Data);

    layout()->activate();
    const QPoint kept(settings.FormLeft, settings.FormTop);
    QScreen *screen = QGuiApplication::screenAt(kept);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(screen ? PullOntoScreen(kept, size(), screen->geometry()) : kept);
}

void TfrmMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (shown)
        return;
    shown = true;
    RunCommand([this] { FormShow(); });
}

void TfrmMain::FormShow() {
    ApplyAdvanced();
    std::vector<std::string> &recent = Hero->RecentHeros();
    const QStringList lines = RecentHerosText();
    for (auto line = recent.size(); line-- > 0;) {
        const QString folder = lines[qsizetype(line)].section(QLatin1Char('='), 0, 0);
        if (!QFileInfo(folder).isDir())
            recent.erase(recent.begin() + static_cast<std::ptrdiff_t>(line));
    }
    RebuildHeroesMenu();
    emit ResetPanelsRequested();
    Hero->NewHero();
    if (!moc.HasKey(QStringLiteral("TankCreator")))
        moc.SetValue(QStringLiteral("TankCreator"),
                     Folders.Program + QStringLiteral("tankcreator"));
}

void TfrmMain::closeEvent(QCloseEvent *event) {
    bool allowed = false;
    RunCommand([&] { allowed = AskToSave(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    WriteSettings();
    event->accept();
}

void TfrmMain::WriteSettings() {
    if (settingsWritten)
        return;
    settingsWritten = true;

    TStoredSettings settings;
    settings.Advanced = Advanced1->isChecked();
    settings.HeroFolder = Q(Hero->Folder());
    settings.PicInitialDir = dlgPicInitialDir;
    settings.OpenTankInitialDir = Import->dlgOpenTankInitialDir;
    settings.SaveFolder = chosenSaveFolder;
    settings.RecentHeros = RecentHerosText();
    settings.Data = moc.Lines();
    settings.FormTop = y();
    settings.FormLeft = x();

    QDir().mkpath(QFileInfo(Folders.SettingsFile).absolutePath());
    if (!WriteSettingsFile(Folders.SettingsFile, settings))
        showMessage(QStringLiteral("Unable to write to %1").arg(Folders.SettingsFile),
                    MsgType::Error);
}

void TfrmMain::RunCommand(const std::function<void()> &command) {
    try {
        command();
    } catch (const std::exception &error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("An unknown error occurred."));
    }
    if (RecentHerosText() != shownRecentHeros)
        RebuildHeroesMenu();
}

void TfrmMain::ConnectCommand(QAction *item, std::function<void()> command) {
    connect(item, &QAction::triggered, this,
            [this, command = std::move(command)] { RunCommand(command); });
}

void TfrmMain::ShowError(const QString &message) {
    showMessage(message, MsgType::Error);
}

bool TfrmMain::AskToSave() {
    if (!Hero->Modified())
        return true;
    switch (showMessage(
        QStringLiteral("The hero has been modified.\r\rDo you want to save the changes?"),
        MsgType::Warning, MsgButtons::YesNoCancel, MsgAnswer::Yes)) {
    case MsgAnswer::Yes:
        Save1Click();
        // The save may not have happened (a folder choice cancelled): then nothing may replace
        // the unsaved hero.
        return !Hero->Modified();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

QString TfrmMain::BrowseFolder(const QString &label) {
    const QString heroFolder = Q(Hero->Folder());
    FolderPickSpec pick;
    pick.label = label;
    pick.initial = QFileInfo(heroFolder).isDir() ? heroFolder : Folders.Documents;
    pick.newFolder = true;
    return desktop().pickFolder(pick);
}

// What import and export use of the window --------------------------------------------------

void TfrmMain::OpenFolder(const QString &folder) {
    Hero->OpenFolder(folder.toStdString());
}

bool TfrmMain::Modified() const {
    return Hero->Modified();
}

bool TfrmMain::IsNew() const {
    return Hero->IsNew();
}

QString TfrmMain::HeroName() const {
    return FromGameText(Hero->HeroName());
}

QString TfrmMain::Folder() const {
    return Q(Hero->Folder());
}

QString TfrmMain::setting(const QString &key) const {
    return moc.Value(key);
}

void TfrmMain::setSetting(const QString &key, const QString &value) {
    moc.SetValue(key, value);
}

// Hero events ---------------------------------------------------------------------------------

void TfrmMain::HeroUberChanged() {
    const long double uber = Hero->Uber();
    SetCaption(lblUberShd, lblUber, QString::number(static_cast<long long>(std::trunc(uber))));
    SetHint(lblUber, ShortHint(Hint(lblUber)) + QStringLiteral("|Level: ") +
                         QString::number(static_cast<double>(uber), 'f', 5));
    RefreshTitle();
}

void TfrmMain::HeroModified() {
    const bool modified = Hero->Modified();
    lblModShd->setVisible(modified);
    lblMod->setVisible(modified);
    Save1->setEnabled(modified);
}

void TfrmMain::HeroPropChanged() {
    SetCaption(lblHeroShd, lblHero, HeroName());
    RefreshTitle();
    SetCaption(lblGoldShd, lblGold, QString::number(Hero->Gold()));
}

void TfrmMain::HeroStatsChanged() {
    emit HealthManaChanged();
}

bool TfrmMain::HeroGetSkins(const QString &model, QString &head, QStringList &skins) const {
    const QString headKey = model + QStringLiteral("head");
    if (!moc.HasKey(headKey))
        return false;
    head = moc.Value(headKey);
    skins.clear();
    for (int i = 0;; ++i) {
        const QString skinKey = model + QStringLiteral("skin") + QString::number(i);
        if (!moc.HasKey(skinKey))
            break;
        skins.append(moc.Value(skinKey));
    }
    return true;
}

void TfrmMain::RefreshTitle() {
    SetCaption(
        lblTitleShd, lblTitle,
        Q(ClassificationTitle(Hero->Melee().Level(), Hero->Ranged().Level(), Hero->Nature().Level(),
                              Hero->Combat().Level(), Hero->Model())));
}
