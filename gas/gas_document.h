// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One entry of a Gas block: a block entry (the block's name and its child block) or a statement
// entry (the statement's text, normally key=value, and no child).
struct GasNode {
    std::string text;
    std::unique_ptr<std::vector<GasNode>> child;
};

// An ordered list of entries, blocks and statements mixed, in the order of the file.
using GasBlock = std::vector<GasNode>;

// A Gas text document: a tree of named blocks and key=value statements, read from a file or a text,
// addressed by Gas paths (names from the top-level block down, then the key, joined by '\r'),
// and written back in the game's layout (TAB indents, " = ", ";", CR LF).
//
// Before load() parses it, the root is a line buffer: raw text lines without children. After a
// successful load(), the root holds exactly one entry, the top-level block.
class GasDocument {
public:
    GasDocument() = default;
    ~GasDocument();
    GasDocument(GasDocument &&other) noexcept = default;
    GasDocument &operator=(GasDocument &&other) noexcept;
    GasDocument(const GasDocument &) = delete;
    GasDocument &operator=(const GasDocument &) = delete;

    GasBlock &root() { return m_root; }
    const GasBlock &root() const { return m_root; }

    // Frees the block's subtree and empties it. Works without recursion, so any depth is safe.
    void clear();
    static void clear(GasBlock &block);

    // Replaces the root by the lines of the text, split at CR, LF or CR LF; load("") then parses
    // them.
    void setLines(std::string_view text);

    // With a file name, the file's lines replace the root (text from the first NUL on is
    // ignored); then the root's lines are parsed into the tree. Throws FileError "Cannot open
    // file %s", or OperationError "Gas file structure could not be read" leaving the tree built
    // so far.
    void load(const std::string &fileName = "");

    // Writes the tree in the game's layout, replacing the file atomically.
    // Throws FileError "Cannot create file %s", CR LF and the system's reason.
    void save(const std::string &fileName) const;

    // The Gas text that save() writes.
    std::string text() const;

    // The value after the first '=' of the first statement with the path's key, or "" when the key
    // is missing. A missing block on the path throws GasPathError for index -1.
    std::string value(std::string_view path) const;

    // Replaces (keeping its place), appends or, for an empty value, removes the key's statement.
    // The key is stored as spelled in the path. A missing block throws GasPathError for index -1.
    void setValue(std::string_view path, std::string_view value);

    // The child block of the entry at the index, or nullptr for a statement entry.
    // An index outside the block throws GasPathError with that index.
    static GasBlock *child(const GasBlock &block, int index);

private:
    GasBlock m_root;
};
