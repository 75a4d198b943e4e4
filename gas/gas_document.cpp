// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/gas_document.h"

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

PathStep splitPath(std::string_view path) {
    auto cr = path.find('\r');
    if (cr == std::string_view::npos)
        return {path, {}};
    return {path.substr(0, cr), path.substr(cr + 1)};
}

// Walks the block components of the path; the result's name is the key, its block the one holding
// it. Only block entries match a block name; the first match wins.
template <typename Block>
std::pair<Block *, std::string_view> walkToKey(Block *block, std::string_view path) {
    PathStep step = splitPath(path);
    for (; !step.rest.empty(); step = splitPath(step.rest)) {
        auto found = std::find_if(block->begin(), block->end(), [&](const GasNode &entry) {
            return entry.child && sameText(entry.text, step.name);
        });
        if (found == block->end())
            throw GasPathError(-1);
        block = found->child.get();
    }
    return {block, step.name};
}

// The first statement of the block whose text before its first '=' is the key.
template <typename Block> auto findKey(Block &block, std::string_view key) {
    return std::find_if(block.begin(), block.end(), [&](const GasNode &entry) {
        if (entry.child)
            return false;
        auto equals = entry.text.find('=');
        return equals != std::string::npos &&
               sameText(std::string_view(entry.text).substr(0, equals), key);
    });
}

} // namespace

GasDocument::~GasDocument() {
    clear();
}

GasDocument &GasDocument::operator=(GasDocument &&other) noexcept {
    if (this != &other) {
        clear();
        m_root = std::move(other.m_root);
    }
    return *this;
}

void GasDocument::clear() {
    clear(m_root);
}

void GasDocument::clear(GasBlock &block) {
    // Detach every child block before freeing it, so freeing never recurses into deep trees.
    std::vector<std::unique_ptr<GasBlock>> detached;
    auto detachChildren = [&detached](GasBlock &from) {
        for (GasNode &entry : from)
            if (entry.child)
                detached.push_back(std::move(entry.child));
        from.clear();
    };
    detachChildren(block);
    while (!detached.empty()) {
        std::unique_ptr<GasBlock> next = std::move(detached.back());
        detached.pop_back();
        detachChildren(*next);
    }
}

void GasDocument::setLines(std::string_view text) {
    clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        m_root.push_back({std::string(text.substr(start, end - start)), nullptr});
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

void GasDocument::load(const std::string &fileName) {
    std::string text;
    if (!fileName.empty()) {
        text = readFileBytes(fileName);
        text.resize(std::min(text.size(), text.find('\0')));
    } else {
        for (const GasNode &line : m_root)
            text += line.text;
    }
    clear();
    parseGas(text, m_root);
}

void GasDocument::save(const std::string &fileName) const {
    replaceFileAtomically(fileName, text());
}

std::string GasDocument::text() const {
    return formatGas(m_root);
}

std::string GasDocument::value(std::string_view path) const {
    auto [block, key] = walkToKey(&m_root, path);
    auto found = findKey(*block, key);
    if (found == block->end())
        return {};
    return found->text.substr(found->text.find('=') + 1);
}

void GasDocument::setValue(std::string_view path, std::string_view value) {
    auto [block, key] = walkToKey(&m_root, path);
    auto found = findKey(*block, key);
    if (value.empty()) {
        if (found != block->end())
            block->erase(found);
        return;
    }
    std::string text = std::string(key) + "=" + std::string(value);
    if (found != block->end())
        found->text = std::move(text);
    else
        block->push_back({std::move(text), nullptr});
}

GasBlock *GasDocument::child(const GasBlock &block, int index) {
    if (index < 0 || static_cast<size_t>(index) >= block.size())
        throw GasPathError(index);
    return block[static_cast<size_t>(index)].child.get();
}
