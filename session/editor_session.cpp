// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor_session.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "exchange/kegtap_location.h"
#include "exchange/party_backups.h"
#include "exchange/paths.h"
#include "session/built_in_portraits.h"
#include "session/save_folders.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <stdexcept>

namespace {

// A recent heroes line of the settings file and of the hero: the folder is a path, the rest
// game text.
std::string heroLine(const QString &line) {
    qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        eq = line.size();
    return line.left(eq).toStdString() + toGameText(line.mid(eq));
}

// A backup's time "YYYY-MM-DD HH-MM-SS" as people write it.
QString shownTime(const QString &made) {
    QString shown = made;
    if (shown.size() == 19)
        shown[13] = shown[16] = QLatin1Char(':');
    return shown;
}

QString settingsLine(const std::string &line) {
    const size_t eq = std::min(line.find('='), line.size());
    return QString::fromStdString(line.substr(0, eq)) +
           fromGameText(std::string_view(line).substr(eq));
}

} // namespace

EditorSession::EditorSession(const ProgramFolders &folders, Desktop &desktop,
                             const SaveFolderFinder &findSaveFolders)
    : m_folders(folders), m_desktop(desktop), m_kegtap(kegtapLibraryPath(folders.program), desktop),
      m_importer(*this, m_kegtap), m_exporter(*this, m_kegtap) {
    m_hero.setBuiltInPortraits(std::make_unique<BuiltInPortraits>());
    m_hero.clothesOf = [this](const std::string &model) { return clothesOf(model); };
    readSettings();
    if (findSaveFolders)
        m_foundSaveFolders = findSaveFolders();
}

EditorSession::~EditorSession() = default;

void EditorSession::readSettings() {
    m_settings.portraitFolder = m_folders.pictures;
    m_settings.partyFolder = m_folders.save;
    m_settings.heroFolder = m_folders.documents;
    m_settings.settingsList = m_settingsList.lines();
    readSettingsFile(m_folders.settingsFile, m_settings);

    m_hero.setFolder(m_settings.heroFolder.toStdString());
    std::vector<std::string> recent;
    for (const QString &line : m_settings.recentHeroes)
        recent.push_back(heroLine(line));
    m_hero.recentHeroes().setLines(recent);
    m_settingsList.setLines(m_settings.settingsList);
    m_partyFolders.setLines(m_settings.partyFolders);
}

bool EditorSession::writeSettings() {
    m_settings.heroFolder = QString::fromStdString(m_hero.folder());
    m_settings.recentHeroes.clear();
    for (const std::string &line : m_hero.recentHeroes().lines())
        m_settings.recentHeroes.append(settingsLine(line));
    m_settings.settingsList = m_settingsList.lines();
    m_settings.partyFolders = m_partyFolders.lines();
    QDir().mkpath(QFileInfo(m_folders.settingsFile).absolutePath());
    return writeSettingsFile(m_folders.settingsFile, m_settings);
}

std::vector<GameSaveFolder> EditorSession::saveFolders() const {
    std::vector<GameSaveFolder> candidates =
        documentsSaveFolders(m_folders.documents.toStdString());
    candidates.insert(candidates.end(), m_foundSaveFolders.begin(), m_foundSaveFolders.end());
    if (!m_settings.saveFolder.isEmpty())
        candidates.push_back({withTrailingSlash(m_settings.saveFolder).toStdString(),
                              Game::DungeonSiege,
                              SavePlace::Chosen,
                              {}});
    std::vector<GameSaveFolder> folders;
    QStringList seen;
    for (const GameSaveFolder &candidate : candidates) {
        const QString real =
            QFileInfo(QString::fromStdString(candidate.folder)).canonicalFilePath();
        if (!real.isEmpty() && QFileInfo(real).isDir() && !seen.contains(real)) {
            seen.append(real);
            folders.push_back(candidate);
        }
    }
    return folders;
}

QString EditorSession::defaultSaveFolder() const {
    return ::defaultSaveFolder(saveFolders(), m_settings.saveFolder, m_folders.save);
}

QString EditorSession::saveFolder() const {
    const QString partyFolder = m_hero.isNew() ? QString() : m_partyFolders.of(heroFolder());
    return !partyFolder.isEmpty() && QFileInfo(partyFolder).isDir() ? partyFolder
                                                                    : defaultSaveFolder();
}

void EditorSession::setSaveFolder(const QString &folder) {
    m_settings.saveFolder = withTrailingSlash(folder);
}

void EditorSession::rememberPartyFolder(const QString &heroFolder, const QString &partyFolder) {
    m_partyFolders.remember(withTrailingSlash(heroFolder), withTrailingSlash(partyFolder));
}

void EditorSession::start() {
    const auto gone = [](const QString &folder) { return !QFileInfo(folder).isDir(); };
    m_hero.recentHeroes().removeIf(
        [&](const std::string &folder) { return gone(QString::fromStdString(folder)); });
    m_partyFolders.removeIf(gone);
    m_hero.startNew();
    if (!m_settingsList.hasKey(QLatin1String(SettingsKeys::tankCreator)))
        m_settingsList.setValue(QLatin1String(SettingsKeys::tankCreator),
                                m_folders.program + QStringLiteral("tankcreator"));
}

std::optional<ModelClothes> EditorSession::clothesOf(const std::string &model) const {
    const QString name = QString::fromStdString(model);
    const QString headKey = name + QLatin1String(SettingsKeys::modelHead);
    if (!m_settingsList.hasKey(headKey))
        return std::nullopt;
    ModelClothes clothes;
    clothes.head = m_settingsList.value(headKey).toStdString();
    for (int i = 0;; ++i) {
        const QString skinKey = name + QLatin1String(SettingsKeys::modelSkin) + QString::number(i);
        if (!m_settingsList.hasKey(skinKey))
            break;
        clothes.skins.push_back(m_settingsList.value(skinKey).toStdString());
    }
    return clothes;
}

bool EditorSession::askToSave() {
    if (!m_hero.isModified())
        return true;
    switch (m_desktop.show(
        QStringLiteral("The hero has been modified.\r\rDo you want to save the changes?"),
        MsgType::Warning, MsgButtons::YesNoCancel, MsgAnswer::Yes)) {
    case MsgAnswer::Yes:
        saveHero();
        // The save may not have happened (a folder choice cancelled): then nothing may replace
        // the unsaved hero.
        return !m_hero.isModified();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

QString EditorSession::browseFolder(const QString &label) {
    const QString heroFolder = this->heroFolder();
    FolderPickSpec pick;
    pick.label = label;
    pick.initial = QFileInfo(heroFolder).isDir() ? heroFolder : m_folders.documents;
    pick.newFolder = true;
    return m_desktop.pickFolder(pick);
}

void EditorSession::newHero() {
    if (askToSave())
        m_hero.startNew();
}

void EditorSession::openHero() {
    if (!askToSave())
        return;
    const QString folder = browseFolder(QStringLiteral("Select a hero folder:"));
    if (!folder.isEmpty())
        openHero(folder);
}

void EditorSession::openHero(const QString &folder) {
    m_hero.openFolder(folder.toStdString());
}

void EditorSession::openRecentHero(const QString &folder) {
    if (askToSave())
        openHero(folder);
}

void EditorSession::revertHero() {
    m_hero.openFolder();
}

bool EditorSession::canRevert() const {
    return QFileInfo(heroFolder()).isDir() && !m_hero.isNew() && m_hero.isModified();
}

void EditorSession::saveHero() {
    const std::string saveFolder = this->saveFolder().toStdString();
    if (!m_hero.isNew())
        m_hero.saveFolder({}, saveFolder);
    else if (m_settings.advanced)
        saveHeroAs();
    else
        m_hero.saveFolder((m_folders.imports + heroName()).toStdString(), saveFolder);
}

void EditorSession::saveHeroAs() {
    const QString folder = browseFolder(QStringLiteral("Save hero in folder:"));
    if (!folder.isEmpty())
        m_hero.saveFolder(folder.toStdString(), saveFolder().toStdString());
}

void EditorSession::undoAdjustment() {
    m_hero.undo();
}

void EditorSession::resetToMinimum() {
    if (!m_hero.isNew() &&
        m_desktop.show(
            QStringLiteral(
                "This may adversely affect any equipment the hero is wearing. If you save your "
                "changes with stats which are lower than the equipment's required stats, the "
                "equipment will not be useable by the hero. And it may not be possible to "
                "re-equip once removed.\r\rProceed?"),
            MsgType::Warning, MsgButtons::YesCancel, MsgAnswer::Cancel) != MsgAnswer::Yes)
        return;
    m_hero.resetToMinimum();
}

void EditorSession::chooseSaveFolder() {
    // The first item leaves the choice to the editor; the others are the folders it knows.
    const std::vector<GameSaveFolder> folders = saveFolders();
    ItemChoiceSpec choice;
    choice.title = QStringLiteral("Save Folder");
    choice.label = QStringLiteral("New heroes are exported to the game's save folder chosen here:");
    choice.otherButton = QStringLiteral("&Browse...");
    choice.items.append(QStringLiteral("The folder holding the newest party"));
    for (const GameSaveFolder &folder : folders) {
        const QString path = QString::fromStdString(folder.folder);
        choice.items.append(QString::fromStdString(describe(folder)) + QStringLiteral(": ") + path);
        if (withTrailingSlash(m_settings.saveFolder) == path)
            choice.current = static_cast<int>(choice.items.size()) - 1;
    }
    const int chosen = m_desktop.chooseItem(choice);
    if (chosen == ItemChoiceSpec::other) {
        FolderPickSpec pick;
        pick.label = QStringLiteral("Select the game's save folder:");
        pick.initial = defaultSaveFolder();
        pick.newFolder = true;
        const QString folder = m_desktop.pickFolder(pick);
        if (!folder.isEmpty())
            setSaveFolder(folder);
    } else if (chosen >= 0) {
        setSaveFolder(chosen == 0 ? QString() : QString::fromStdString(folders[chosen - 1].folder));
    }
}

void EditorSession::restoreBackup() {
    PartyBackups backups(m_folders.backups);
    const QList<PartyBackup> kept = backups.all();
    if (kept.isEmpty()) {
        m_desktop.show(QStringLiteral("No party file has been replaced yet, so there is no "
                                      "backup to restore.\r\rExport keeps every party file it "
                                      "replaces in %1.")
                           .arg(m_folders.backups),
                       MsgType::Information);
        return;
    }
    ItemChoiceSpec choice;
    choice.title = QStringLiteral("Restore Backup");
    choice.label = QStringLiteral("Choose the party to put back into its save folder:");
    {
        BusyCursor busy(m_desktop);
        for (const PartyBackup &backup : kept)
            choice.items.append(QStringLiteral("%1 - %2.dsparty, %3")
                                    .arg(describeParty(m_kegtap, backup.file), backup.partyName,
                                         shownTime(backup.made)));
    }
    const int chosen = m_desktop.chooseItem(choice);
    if (chosen < 0)
        return;
    const PartyBackup &backup = kept[chosen];
    // A party whose save folder is gone (a deleted prefix) goes where a new hero would.
    QString target = backup.original;
    if (target.isEmpty() || !QFileInfo(QFileInfo(target).absolutePath()).isDir())
        target = defaultSaveFolder() + backup.partyName + QStringLiteral(".dsparty");
    if (m_desktop.show(QStringLiteral("Put the backup of %1.dsparty made %2 back into %3?\r\rThe "
                                      "party file there now is kept as a backup first.")
                           .arg(backup.partyName, shownTime(backup.made),
                                withTrailingSlash(QFileInfo(target).absolutePath())),
                       MsgType::Warning, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    QDir().mkpath(QFileInfo(target).absolutePath());
    {
        BusyCursor busy(m_desktop);
        replacePartyFile(backups, backup.file, target);
    }
    m_desktop.show(QStringLiteral("%1 was restored.").arg(QFileInfo(target).fileName()),
                   MsgType::Information);
}

void EditorSession::openFromCommandLine(const QByteArray &path) {
    const std::filesystem::path named(path.toStdString());
    std::error_code error;
    if (std::filesystem::is_directory(named, error)) {
        if (askToSave())
            openHero(withTrailingSlash(QFile::decodeName(path)));
    } else if (std::filesystem::exists(named, error)) {
        m_importer.importParty(path);
    } else {
        throw std::runtime_error(QStringLiteral("Cannot open %1: there is no such file or folder.")
                                     .arg(shownFileName(path.toStdString()))
                                     .toStdString());
    }
}

bool EditorSession::heroIsModified() const {
    return m_hero.isModified();
}

bool EditorSession::heroIsNew() const {
    return m_hero.isNew();
}

QString EditorSession::heroName() const {
    return fromGameText(m_hero.name());
}

QString EditorSession::heroFolder() const {
    return QString::fromStdString(m_hero.folder());
}

ExchangeFolders EditorSession::exchangeFolders() const {
    return {m_folders.documents, saveFolder(), m_folders.imports, m_folders.backups};
}
