// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One entry of a Gas block: a block entry (the block's name and its child block) or a statement
// entry (the statement's text, normally key=value, and no child).
struct TGasEntry {
    std::string Text;
    std::unique_ptr<std::vector<TGasEntry>> Child;
};

// An ordered list of entries, blocks and statements mixed, in the order of the file.
using TGasBlock = std::vector<TGasEntry>;

// A Gas text document: a tree of named blocks and key=value statements, read from a file or a text,
// addressed by Gas paths (names from the top-level block down, then the key, joined by '\r'),
// and written back in the game's layout (TAB indents, " = ", ";", CR LF).
//
// Before Load parses it, Root is a line buffer: raw text lines without children. After a
// successful Load, Root holds exactly one entry, the top-level block.
class TBowels {
public:
    TGasBlock Root;

    TBowels() = default;
    ~TBowels();
    TBowels(TBowels &&other) noexcept = default;
    TBowels &operator=(TBowels &&other) noexcept;
    TBowels(const TBowels &) = delete;
    TBowels &operator=(const TBowels &) = delete;

    // Frees the block's subtree and empties it. Works without recursion, so any depth is safe.
    void Clear();
    static void Clear(TGasBlock &block);

    // Replaces Root by the lines of the text, split at CR, LF or CR LF; Load("") then parses them.
    void SetLines(std::string_view text);

    // With a file name, the file's lines replace Root (text from the first NUL on is ignored);
    // then Root's lines are parsed into the tree. Throws EFileError "Cannot open file %s", or
    // EDSFailed "Gas file structure could not be read" leaving the tree built so far.
    void Load(const std::string &fileName = "");

    // Writes the tree in the game's layout, replacing the file atomically.
    // Throws EFileError "Cannot create file %s", CR LF and the system's reason.
    void Save(const std::string &fileName) const;

    // The Gas text that Save writes.
    std::string Text() const;

    // The value after the first '=' of the first statement with the path's key, or "" when the key
    // is missing. A missing block on the path throws EListError for index -1.
    std::string GetValue(std::string_view path) const;

    // Replaces (keeping its place), appends or, for an empty value, removes the key's statement.
    // The key is stored as spelled in the path. A missing block throws EListError for index -1.
    void SetValue(std::string_view path, std::string_view value);

    // The child block of the entry at the index, or nullptr for a statement entry.
    // An index outside the block throws EListError with that index.
    static TGasBlock *Child(const TGasBlock &block, int index);
};
