// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"

#include "gas/disk_file.h"
#include "gas/errors.h"
#include "gas/gas_text.h"
#include "hero/experience_text.h"
#include "hero/game_save_folder.h"
#include "hero/hero_templates.h"
#include "hero/hero_values.h"
#include "hero/titles.h"

#include <cmath>
#include <filesystem>

namespace {

const char *const kInfoFile = "Info.gas";
const char *const kPartyFile = "Party.gas";
const char *const kPortraitFile = "Portrait-0.bmp";

std::string WithTrailingSlash(const std::string &path) {
    return path.empty() || path.back() == '/' ? path : path + "/";
}

std::string Quoted(const std::string &text) {
    return "\"" + text + "\"";
}

// Position of the first occurrence of what in text, ASCII letters compared without case.
size_t FindText(const std::string &text, const std::string &what) {
    for (size_t at = 0; at + what.size() <= text.size(); ++at)
        if (SameText(std::string_view(text).substr(at, what.size()), what))
            return at;
    return std::string::npos;
}

void LoadTemplate(TBowels &doc, std::string_view text) {
    doc.SetLines(text);
    doc.Load();
}

// Runs a folder operation, turning any failure into EDSFailed with the operation's first line.
template <typename Operation> void Guarded(const char *firstLine, Operation operation) {
    try {
        operation();
    } catch (const std::exception &error) {
        throw EDSFailed(std::string(firstLine) + "\r\n" + error.what());
    }
}

} // namespace

void TDSHero::NewHero() {
    IsNew_ = true;
    LoadTemplate(InfoDoc_, InfoTemplate);
    LoadTemplate(PartyDoc_, PartyTemplate);
    HeroName_ = "Hero";
    SavedName_ = "Hero";
    Model_ = dsrSkeleton_Good;
    Gold_ = 100;
    ResetToMinimum();
    LoadBuiltInPortrait(0);
    PropChanged();
    MarkUnmodified();
}

void TDSHero::OpenFolder(const std::string &folder) {
    const std::string target = folder.empty() ? Folder_ : WithTrailingSlash(folder);
    Guarded("Error opening hero.", [&] {
        // Everything that can fail comes first, so that a failure leaves the hero untouched.
        TBowels info;
        TBowels party;
        info.Load(target + kInfoFile);
        party.Load(target + kPartyFile);
        const TDSHeroValues values = ReadHeroValues(party);
        const std::string portrait = target + kPortraitFile;
        // Only a file is a portrait; anything else by that name leaves the built-in one.
        std::error_code ignored;
        const bool hasPortrait = Portrait_ && std::filesystem::is_regular_file(portrait, ignored);
        if (hasPortrait)
            Portrait_->LoadPortraitFile(portrait);

        Folder_ = target;
        InfoDoc_ = std::move(info);
        PartyDoc_ = std::move(party);
        ApplyValues(values);
        if (Portrait_ && !hasPortrait)
            LoadBuiltInPortrait(0);
        IsNew_ = false;
        PropChanged();
        StatsChanged();
        MarkUnmodified();
    });
    AddRecentHero();
}

void TDSHero::ReadGas() {
    ApplyValues(ReadHeroValues(PartyDoc_));
}

void TDSHero::ApplyValues(const TDSHeroValues &values) {
    HeroName_ = values.HeroName;
    SavedName_ = HeroName_;
    Model_ = values.Model;
    Gold_ = values.Gold;
    Melee_.LoadExperience(values.Melee);
    Ranged_.LoadExperience(values.Ranged);
    Nature_.LoadExperience(values.Nature);
    Combat_.LoadExperience(values.Combat);
    Kungfu_.LoadExperience(0);
    Kungfu_.LoadExperience(values.UberXp - TotalExperience());
    Strength_.LoadExperience(values.Strength);
    Dexterity_.LoadExperience(values.Dexterity);
    Intelligence_.LoadExperience(values.Intelligence);
    SetUberExperience(TotalExperience());
}

void TDSHero::SaveFolder(const std::string &folder) {
    if (!folder.empty())
        Folder_ = WithTrailingSlash(folder);
    Guarded("Error saving hero.", [&] {
        CommitCurrent();
        std::error_code reportedByTheWrites;
        std::filesystem::create_directories(Folder_, reportedByTheWrites);
        WriteGas();
        // Each file is replaced atomically: an interrupted save leaves every file old or new.
        InfoDoc_.Save(Folder_ + kInfoFile);
        PartyDoc_.Save(Folder_ + kPartyFile);
        if (Portrait_)
            ReplaceFileAtomically(Folder_ + kPortraitFile, [this](const std::string &path) {
                Portrait_->SavePortraitFile(path);
            });
        IsNew_ = false;
        MarkUnmodified();
    });
    AddRecentHero();
}

std::string TDSHero::FileNameValue() const {
    std::string value = IsNew_ ? Quoted(GamePathOf(GameSaveFolder() + SavedName_ + ".dsparty"))
                               : InfoDoc_.GetValue("info\rfile_name");
    const std::string saved = SavedName_ + ".dsparty";
    const size_t at = FindText(value, saved);
    if (at != std::string::npos)
        value.replace(at, saved.size(), HeroName_ + ".dsparty");
    return value;
}

void TDSHero::WriteGas() {
    InfoDoc_.SetValue("info\rfile_name", FileNameValue());
    InfoDoc_.SetValue("info\rhero_name", Quoted(HeroName_));
    InfoDoc_.SetValue("info\rscreen_name", Quoted(HeroName_));
    PartyDoc_.SetValue(MemberPath("actor_class"),
                       Quoted(ClassificationTitle(Melee_.Level(), Ranged_.Level(), Nature_.Level(),
                                                  Combat_.Level(), Model_)));
    PartyDoc_.SetValue(MemberPath("gold"), std::to_string(Gold_));
    PartyDoc_.SetValue("party\rparty\rgold", std::to_string(Gold_));
    PartyDoc_.SetValue(MemberPath("screen_name"), Quoted(HeroName_));
    if (Model_ != dsrUnknown)
        PartyDoc_.SetValue(MemberPath("template_name"), RaceTemplateName(Model_));

    const std::pair<const char *, const TDSAttribute *> attributes[] = {
        {"melee", &Melee_},
        {"ranged", &Ranged_},
        {"nature_magic", &Nature_},
        {"combat_magic", &Combat_},
        {"strength", &Strength_},
        {"dexterity", &Dexterity_},
        {"intelligence", &Intelligence_}};
    const std::string skills = "skills\r";
    for (const auto &[name, attribute] : attributes)
        PartyDoc_.SetValue(MemberPath(skills + name + "_xp"),
                           FormatExperience(attribute->Experience()));
    PartyDoc_.SetValue(MemberPath(skills + "uber_xp"), FormatExperience(TotalExperience()));
    for (const auto &[name, attribute] : attributes)
        PartyDoc_.SetValue(MemberPath(skills + name + "_level"),
                           std::to_string(attribute->Level()));
    PartyDoc_.SetValue(MemberPath(skills + "uber_level"),
                       std::to_string(static_cast<long long>(std::trunc(Uber_))));
    SavedName_ = HeroName_;
}

void TDSHero::ApplySkins() {
    if (!GetSkins)
        return;
    try {
        std::string head;
        std::vector<std::string> skins;
        if (!GetSkins(*this, RaceTemplateName(Model_), head, skins))
            return;
        PartyDoc_.SetValue(MemberPath("custom_head"), head);
        for (size_t i = 0; i < skins.size(); ++i)
            PartyDoc_.SetValue(MemberPath("skins\r" + std::to_string(i)), skins[i]);
    } catch (...) {
        // A model change never fails; what was written before the error stays written.
    }
}
