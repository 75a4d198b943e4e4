// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor_session.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "exchange/kegtap_location.h"
#include "exchange/paths.h"
#include "session/built_in_portraits.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A recent heroes line of the settings file and of the hero: the folder is a path, the rest
// game text.
std::string heroLine(const QString &line) {
    qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        eq = line.size();
    return line.left(eq).toStdString() + toGameText(line.mid(eq));
}

QString settingsLine(const std::string &line) {
    const size_t eq = std::min(line.find('='), line.size());
    return QString::fromStdString(line.substr(0, eq)) +
           fromGameText(std::string_view(line).substr(eq));
}

} // namespace

EditorSession::EditorSession(const ProgramFolders &folders, Desktop &desktop,
                             const SaveFolderFinder &findSaveFolder)
    : m_folders(folders), m_desktop(desktop), m_kegtap(kegtapLibraryPath(folders.program), desktop),
      m_importer(*this, m_kegtap), m_exporter(*this) {
    m_hero.setBuiltInPortraits(std::make_unique<BuiltInPortraits>());
    m_hero.clothesOf = [this](const std::string &model) { return clothesOf(model); };
    readSettings(findSaveFolder);
}

EditorSession::~EditorSession() = default;

void EditorSession::readSettings(const SaveFolderFinder &findSaveFolder) {
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
    m_saveFolder = findSaveFolder                    ? findSaveFolder(m_settings.saveFolder)
                   : m_settings.saveFolder.isEmpty() ? m_folders.save
                                                     : m_settings.saveFolder;
}

bool EditorSession::writeSettings() {
    m_settings.heroFolder = QString::fromStdString(m_hero.folder());
    m_settings.recentHeroes.clear();
    for (const std::string &line : m_hero.recentHeroes().lines())
        m_settings.recentHeroes.append(settingsLine(line));
    m_settings.settingsList = m_settingsList.lines();
    QDir().mkpath(QFileInfo(m_folders.settingsFile).absolutePath());
    return writeSettingsFile(m_folders.settingsFile, m_settings);
}

void EditorSession::setSaveFolder(const QString &folder) {
    m_saveFolder = withTrailingSlash(folder);
    m_settings.saveFolder = m_saveFolder;
}

void EditorSession::start() {
    m_hero.recentHeroes().removeIf([](const std::string &folder) {
        return !QFileInfo(QString::fromStdString(folder)).isDir();
    });
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
    const std::string saveFolder = m_saveFolder.toStdString();
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
        m_hero.saveFolder(folder.toStdString(), m_saveFolder.toStdString());
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
    FolderPickSpec pick;
    pick.label = QStringLiteral("Select the game's save folder:");
    pick.initial = m_saveFolder;
    pick.newFolder = true;
    const QString folder = m_desktop.pickFolder(pick);
    if (!folder.isEmpty())
        setSaveFolder(folder);
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
    return {m_folders.documents, m_saveFolder, m_folders.imports};
}
