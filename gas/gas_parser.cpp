// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/gas_parser.h"

#include "gas/errors.h"
#include "gas/gas_text.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The text as one line: the lines of a file are joined with nothing between them.
std::string_view Joined(std::string_view text, std::string &buffer) {
    if (std::find_if(text.begin(), text.end(), IsLineBreak) == text.end())
        return text;
    buffer.clear();
    std::copy_if(text.begin(), text.end(), std::back_inserter(buffer),
                 [](char c) { return !IsLineBreak(c); });
    return buffer;
}

bool IsSpecial(char c) {
    switch (c) {
    case '\r':
    case '\n':
    case '}':
    case '[':
    case ';':
    case '=':
    case '"':
    case ' ':
    case '\t':
        return true;
    default:
        return false;
    }
}

class GasParser {
public:
    GasParser(std::string_view text, TGasBlock &into) : text_(text), into_(into) {}

    void Run() {
        OpenBlock(into_);
        while (!open_.empty())
            Step();
    }

private:
    std::string_view text_;
    TGasBlock &into_;
    size_t pos_ = 0;
    std::vector<TGasBlock *> open_; // the blocks being read, innermost last
    std::string pending_;           // the statement read so far, blanks outside quotes left out
    bool quoted_ = false;
    bool valueSeen_ = false;
    std::string joined_; // a piece of text with its line breaks taken out

    [[noreturn]] static void Broken() { throw EDSFailed("Gas file structure could not be read"); }

    size_t Find(char c) const {
        size_t at = text_.find(c, pos_);
        if (at == std::string_view::npos)
            Broken();
        return at;
    }

    // From the next "[" to its "]": appends a block entry named by the text between them, then
    // steps into the block's body after the next "{".
    void OpenBlock(TGasBlock &parent) {
        pos_ = Find('[') + 1;
        size_t close = Find(']');
        std::string name = TrimControl(Joined(text_.substr(pos_, close - pos_), joined_));
        pos_ = close;
        parent.push_back({std::move(name), std::make_unique<TGasBlock>()});
        open_.push_back(parent.back().Child.get());
        pos_ = Find('{') + 1;
        StartStatement();
    }

    void StartStatement() {
        pending_.clear();
        quoted_ = false;
        valueSeen_ = false;
    }

    void Step() {
        if (pos_ >= text_.size())
            Broken();
        if (quoted_) {
            // Inside quotes everything up to the closing quote is data; an "=" still counts.
            size_t close = Find('"');
            std::string_view data = text_.substr(pos_, close + 1 - pos_);
            valueSeen_ = valueSeen_ || data.find('=') != std::string_view::npos;
            pending_ += Joined(data, joined_);
            quoted_ = false;
            pos_ = close + 1;
            return;
        }
        switch (text_[pos_]) {
        case '}':
            open_.pop_back();
            ++pos_;
            StartStatement();
            return;
        case '[':
            if (!valueSeen_) {
                OpenBlock(*open_.back());
                return;
            }
            break;
        case ';':
            open_.back()->push_back({TrimControl(pending_), nullptr});
            ++pos_;
            pending_.clear();
            valueSeen_ = false;
            return;
        case '=':
            valueSeen_ = true;
            break;
        case '"':
            quoted_ = true;
            pending_ += '"';
            ++pos_;
            return;
        case ' ':
        case '\t':
        case '\r':
        case '\n':
            ++pos_; // blanks outside quotes and line breaks are left out of the statement
            return;
        }
        // Data up to the next character that means something.
        size_t end = pos_ + 1;
        while (end < text_.size() && !IsSpecial(text_[end]))
            ++end;
        pending_ += text_.substr(pos_, end - pos_);
        pos_ = end;
    }
};

} // namespace

void ParseGas(std::string_view text, TGasBlock &into) {
    GasParser(text, into).Run();
}
