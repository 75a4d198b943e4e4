// SPDX-License-Identifier: GPL-3.0-or-later
// The hero folder: Info.gas, Party.gas and Portrait-0.bmp, opened into the hero and saved from it.
#include "hero/hero.h"

#include "gas/disk_file.h"
#include "gas/errors.h"
#include "gas/gas_text.h"
#include "hero/experience_text.h"
#include "hero/game_path.h"
#include "hero/hero_templates.h"
#include "hero/hero_values.h"

#include <cmath>
#include <filesystem>

namespace {

const char *const infoFile = "Info.gas";
const char *const partyFile = "Party.gas";
const char *const portraitFile = "Portrait-0.bmp";

std::string inQuotes(const std::string &text) {
    return "\"" + text + "\"";
}

// Position of the first occurrence of what in text, ASCII letters compared without case.
size_t findText(const std::string &text, const std::string &what) {
    for (size_t at = 0; at + what.size() <= text.size(); ++at)
        if (sameText(std::string_view(text).substr(at, what.size()), what))
            return at;
    return std::string::npos;
}

void loadTemplate(GasDocument &doc, std::string_view text) {
    doc.setLines(text);
    doc.load();
}

// The portrait file's bytes; they must be a Windows bitmap.
ImageBytes readPortrait(const std::string &path) {
    const std::string bytes = readFileBytes(path);
    ImageBytes bitmap(bytes.begin(), bytes.end());
    if (!isWindowsBitmap(bitmap))
        throw std::runtime_error("Bitmap image is not valid");
    return bitmap;
}

// Runs a folder operation, turning any failure into OperationError with the operation's first
// line.
template <typename Operation> void guarded(const char *firstLine, Operation operation) {
    try {
        operation();
    } catch (const std::exception &error) {
        throw OperationError(std::string(firstLine) + "\r\n" + error.what());
    }
}

} // namespace

void Hero::startNew() {
    m_isNew = true;
    loadTemplate(m_info, infoTemplate);
    loadTemplate(m_party, partyTemplate);
    m_name = "Hero";
    m_savedName = "Hero";
    m_model = HeroModel::SkeletonGood;
    m_gold = 100;
    resetToMinimum();
    loadBuiltInPortrait(0);
    markUnmodified();
    notifyChanged();
}

void Hero::openFolder(const std::string &folder) {
    const std::string target = folder.empty() ? m_folder : withTrailingSlash(folder);
    guarded("Error opening hero.", [&] {
        // Everything that can fail comes first, so that a failure leaves the hero untouched.
        GasDocument info;
        GasDocument party;
        info.load(target + infoFile);
        party.load(target + partyFile);
        const HeroValues values = readHeroValues(party);
        const std::string portraitPath = target + portraitFile;
        // Only a file is a portrait; anything else by that name leaves the built-in one.
        std::error_code ignored;
        std::optional<ImageBytes> portrait;
        if (std::filesystem::is_regular_file(portraitPath, ignored))
            portrait = readPortrait(portraitPath);

        m_folder = target;
        m_info = std::move(info);
        m_party = std::move(party);
        applyValues(values);
        if (portrait)
            m_portrait = std::move(*portrait);
        else
            loadBuiltInPortrait(0);
        m_isNew = false;
        markUnmodified();
        notifyChanged();
    });
    addRecentHero();
}

void Hero::applyValues(const HeroValues &values) {
    m_name = values.name;
    m_savedName = m_name;
    m_model = values.model;
    m_gold = values.gold;
    m_melee.loadExperience(values.melee);
    m_ranged.loadExperience(values.ranged);
    m_nature.loadExperience(values.nature);
    m_combat.loadExperience(values.combat);
    m_unassigned.loadExperience(0);
    m_unassigned.loadExperience(values.uberExperience - totalExperience());
    m_strength.loadExperience(values.strength);
    m_dexterity.loadExperience(values.dexterity);
    m_intelligence.loadExperience(values.intelligence);
    setUberExperience(totalExperience());
}

void Hero::saveFolder(const std::string &folder, const std::string &saveGameFolder) {
    if (!folder.empty())
        m_folder = withTrailingSlash(folder);
    guarded("Error saving hero.", [&] {
        commitCurrent();
        std::error_code reportedByTheWrites;
        std::filesystem::create_directories(m_folder, reportedByTheWrites);
        writeGas(saveGameFolder);
        // Each file is replaced atomically: an interrupted save leaves every file old or new.
        m_info.save(m_folder + infoFile);
        m_party.save(m_folder + partyFile);
        if (!m_portrait.empty())
            replaceFileAtomically(
                m_folder + portraitFile,
                std::string_view(reinterpret_cast<const char *>(m_portrait.data()),
                                 m_portrait.size()));
        m_isNew = false;
        markUnmodified();
    });
    addRecentHero();
}

std::string Hero::fileNameValue(const std::string &saveGameFolder) const {
    // The folder is a path, the name game text.
    std::string value = m_isNew ? inQuotes(gamePathOf(saveGameFolder) + m_savedName + ".dsparty")
                                : m_info.value("info\rfile_name");
    const std::string saved = m_savedName + ".dsparty";
    const size_t at = findText(value, saved);
    if (at != std::string::npos)
        value.replace(at, saved.size(), m_name + ".dsparty");
    return value;
}

void Hero::writeGas(const std::string &saveGameFolder) {
    m_info.setValue("info\rfile_name", fileNameValue(saveGameFolder));
    m_info.setValue("info\rhero_name", inQuotes(m_name));
    m_info.setValue("info\rscreen_name", inQuotes(m_name));
    m_party.setValue(memberPath("actor_class"), inQuotes(title()));
    m_party.setValue(memberPath("gold"), std::to_string(m_gold));
    m_party.setValue("party\rparty\rgold", std::to_string(m_gold));
    m_party.setValue(memberPath("screen_name"), inQuotes(m_name));
    if (m_model != HeroModel::Unknown)
        m_party.setValue(memberPath("template_name"), modelTemplateName(m_model));

    const std::pair<const char *, const Attribute *> attributes[] = {
        {"melee", &m_melee},
        {"ranged", &m_ranged},
        {"nature_magic", &m_nature},
        {"combat_magic", &m_combat},
        {"strength", &m_strength},
        {"dexterity", &m_dexterity},
        {"intelligence", &m_intelligence}};
    const std::string skills = "skills\r";
    for (const auto &[name, attribute] : attributes)
        m_party.setValue(memberPath(skills + name + "_xp"),
                         formatExperience(attribute->experience()));
    m_party.setValue(memberPath(skills + "uber_xp"), formatExperience(totalExperience()));
    for (const auto &[name, attribute] : attributes)
        m_party.setValue(memberPath(skills + name + "_level"), std::to_string(attribute->level()));
    m_party.setValue(memberPath(skills + "uber_level"),
                     std::to_string(static_cast<long long>(std::trunc(m_uber))));
    m_savedName = m_name;
}

void Hero::applyClothes() {
    if (!clothesOf)
        return;
    try {
        const std::optional<ModelClothes> clothes = clothesOf(modelTemplateName(m_model));
        if (!clothes)
            return;
        m_party.setValue(memberPath("custom_head"), clothes->head);
        for (size_t i = 0; i < clothes->skins.size(); ++i)
            m_party.setValue(memberPath("skins\r" + std::to_string(i)), clothes->skins[i]);
    } catch (...) {
        // A model change never fails; what was written before the error stays written.
    }
}
