// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/gas_parser.h"

#include "gas/errors.h"
#include "gas/gas_text.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The text as one line: the lines of a file are joined with nothing between them.
std::string_view joined(std::string_view text, std::string &buffer) {
    if (std::find_if(text.begin(), text.end(), isLineBreak) == text.end())
        return text;
    buffer.clear();
    std::copy_if(text.begin(), text.end(), std::back_inserter(buffer),
                 [](char c) { return !isLineBreak(c); });
    return buffer;
}

bool isSpecial(char c) {
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
    GasParser(std::string_view text, GasBlock &into) : m_text(text), m_into(into) {}

    void run() {
        openBlock(m_into);
        while (!m_open.empty())
            step();
    }

private:
    std::string_view m_text;
    GasBlock &m_into;
    size_t m_pos = 0;
    std::vector<GasBlock *> m_open; // the blocks being read, innermost last
    std::string m_pending;          // the statement read so far, blanks outside quotes left out
    bool m_quoted = false;
    bool m_valueSeen = false;
    std::string m_joined; // a piece of text with its line breaks taken out

    [[noreturn]] static void broken() {
        throw OperationError("Gas file structure could not be read");
    }

    size_t find(char c) const {
        size_t at = m_text.find(c, m_pos);
        if (at == std::string_view::npos)
            broken();
        return at;
    }

    // From the next "[" to its "]": appends a block entry named by the text between them, then
    // steps into the block's body after the next "{".
    void openBlock(GasBlock &parent) {
        m_pos = find('[') + 1;
        size_t close = find(']');
        std::string name = trimControl(joined(m_text.substr(m_pos, close - m_pos), m_joined));
        m_pos = close;
        parent.push_back({std::move(name), std::make_unique<GasBlock>()});
        m_open.push_back(parent.back().child.get());
        m_pos = find('{') + 1;
        startStatement();
    }

    void startStatement() {
        m_pending.clear();
        m_quoted = false;
        m_valueSeen = false;
    }

    void step() {
        if (m_pos >= m_text.size())
            broken();
        if (m_quoted) {
            // Inside quotes everything up to the closing quote is data; an "=" still counts.
            size_t close = find('"');
            std::string_view data = m_text.substr(m_pos, close + 1 - m_pos);
            m_valueSeen = m_valueSeen || data.find('=') != std::string_view::npos;
            m_pending += joined(data, m_joined);
            m_quoted = false;
            m_pos = close + 1;
            return;
        }
        switch (m_text[m_pos]) {
        case '}':
            m_open.pop_back();
            ++m_pos;
            startStatement();
            return;
        case '[':
            if (!m_valueSeen) {
                openBlock(*m_open.back());
                return;
            }
            break;
        case ';':
            m_open.back()->push_back({trimControl(m_pending), nullptr});
            ++m_pos;
            m_pending.clear();
            m_valueSeen = false;
            return;
        case '=':
            m_valueSeen = true;
            break;
        case '"':
            m_quoted = true;
            m_pending += '"';
            ++m_pos;
            return;
        case ' ':
        case '\t':
        case '\r':
        case '\n':
            ++m_pos; // blanks outside quotes and line breaks are left out of the statement
            return;
        }
        // Data up to the next character that means something.
        size_t end = m_pos + 1;
        while (end < m_text.size() && !isSpecial(m_text[end]))
            ++end;
        m_pending += m_text.substr(m_pos, end - m_pos);
        m_pos = end;
    }
};

} // namespace

void parseGas(std::string_view text, GasBlock &into) {
    GasParser(text, into).run();
}
