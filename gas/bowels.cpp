// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/bowels.h"

#include "gas/disk_file.h"
#include "gas/errors.h"
#include "gas/gas_parser.h"
#include "gas/gas_text.h"
#include "gas/gas_writer.h"

#include <algorithm>

namespace {

// A path split at its first '\r': the first component and the rest.
struct PathStep {
    std::string_view name;
    std::string_view rest;
};

PathStep SplitPath(std::string_view path) {
    auto cr = path.find('\r');
    if (cr == std::string_view::npos)
        return {path, {}};
    return {path.substr(0, cr), path.substr(cr + 1)};
}

// Walks the block components of the path; the result's name is the key, its block the one holding
// it. Only block entries match a block name; the first match wins.
template <typename Block>
std::pair<Block *, std::string_view> WalkToKey(Block *block, std::string_view path) {
    PathStep step = SplitPath(path);
    for (; !step.rest.empty(); step = SplitPath(step.rest)) {
        auto found = std::find_if(block->begin(), block->end(), [&](const TGasEntry &entry) {
            return entry.Child && SameText(entry.Text, step.name);
        });
        if (found == block->end())
            throw EListError(-1);
        block = found->Child.get();
    }
    return {block, step.name};
}

// The first statement of the block whose text before its first '=' is the key.
template <typename Block> auto FindKey(Block &block, std::string_view key) {
    return std::find_if(block.begin(), block.end(), [&](const TGasEntry &entry) {
        if (entry.Child)
            return false;
        auto equals = entry.Text.find('=');
        return equals != std::string::npos &&
               SameText(std::string_view(entry.Text).substr(0, equals), key);
    });
}

} // namespace

TBowels::~TBowels() {
    Clear();
}

TBowels &TBowels::operator=(TBowels &&other) noexcept {
    if (this != &other) {
        Clear();
        Root = std::move(other.Root);
    }
    return *this;
}

void TBowels::Clear() {
    Clear(Root);
}

void TBowels::Clear(TGasBlock &block) {
    // Detach every child block before freeing it, so freeing never recurses into deep trees.
    std::vector<std::unique_ptr<TGasBlock>> detached;
    auto detachChildren = [&detached](TGasBlock &from) {
        for (TGasEntry &entry : from)
            if (entry.Child)
                detached.push_back(std::move(entry.Child));
        from.clear();
    };
    detachChildren(block);
    while (!detached.empty()) {
        std::unique_ptr<TGasBlock> next = std::move(detached.back());
        detached.pop_back();
        detachChildren(*next);
    }
}

void TBowels::SetLines(std::string_view text) {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        Root.push_back({std::string(text.substr(start, end - start)), nullptr});
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

void TBowels::Load(const std::string &fileName) {
    std::string text;
    if (!fileName.empty()) {
        text = ReadFileBytes(fileName);
        text.resize(std::min(text.size(), text.find('\0')));
    } else {
        for (const TGasEntry &line : Root)
            text += line.Text;
    }
    Clear();
    ParseGas(text, Root);
}

void TBowels::Save(const std::string &fileName) const {
    ReplaceFileAtomically(fileName, Text());
}

std::string TBowels::Text() const {
    return WriteGas(Root);
}

std::string TBowels::GetValue(std::string_view path) const {
    auto [block, key] = WalkToKey(&Root, path);
    auto found = FindKey(*block, key);
    if (found == block->end())
        return {};
    return found->Text.substr(found->Text.find('=') + 1);
}

void TBowels::SetValue(std::string_view path, std::string_view value) {
    auto [block, key] = WalkToKey(&Root, path);
    auto found = FindKey(*block, key);
    if (value.empty()) {
        if (found != block->end())
            block->erase(found);
        return;
    }
    std::string text = std::string(key) + "=" + std::string(value);
    if (found != block->end())
        found->Text = std::move(text);
    else
        block->push_back({std::move(text), nullptr});
}

TGasBlock *TBowels::Child(const TGasBlock &block, int index) {
    if (index < 0 || static_cast<size_t>(index) >= block.size())
        throw EListError(index);
    return block[static_cast<size_t>(index)].Child.get();
}
