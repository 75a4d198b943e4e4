// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/file_selection.h"

#include "tools/path_pattern.h"

namespace kegtapcli {

std::vector<const Entry *> selectEntries(const TankArchive &tank,
                                         const std::vector<std::string> &patterns) {
    std::vector<const Entry *> selected;
    std::vector<bool> used(patterns.size());
    for (const Entry &e : tank.entries()) {
        bool wanted = patterns.empty();
        for (size_t i = 0; i < patterns.size(); ++i)
            if (e.isFile && matchesPattern(patterns[i], e.path))
                wanted = used[i] = true;
        if (wanted || (!patterns.empty() && !e.isFile))
            selected.push_back(&e);
    }
    for (size_t i = 0; i < patterns.size(); ++i)
        if (!used[i])
            throw Failure(Damaged, "no file matches '" + patterns[i] + "'");
    return selected;
}

FolderTrail::FolderTrail(const std::string &destination) {
    open_.push_back(kegtap::OutputFolder::openDestination(destination.c_str()));
}

void FolderTrail::enter(const Entry &folder) {
    names_.resize(folder.depth - 1);
    names_.push_back(folder.name);
    while (open_.size() > folder.depth)
        open_.pop_back();
}

const kegtap::OutputFolder &FolderTrail::open(const Entry &entry) {
    while (open_.size() > entry.depth + 1)
        open_.pop_back();
    while (open_.size() <= entry.depth) {
        std::optional<kegtap::OutputFolder> next =
            open_.back().createSubfolder(names_[open_.size() - 1].c_str());
        if (!next)
            throw libraryFailure(entry.path);
        open_.push_back(std::move(*next));
    }
    return open_.back();
}

} // namespace kegtapcli
