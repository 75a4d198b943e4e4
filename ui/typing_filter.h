// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QValidator>

// Checks what the user types or pastes into a line edit, not the whole text: only the allowed
// characters may be inserted, and no edit may make the text longer than the limit. A text the
// program puts in the field (setText) may hold other characters and be longer; it stays editable,
// and deleting from it is always allowed.
class TypingFilter : public QValidator {
public:
    // allowedCharacters: the inside of a regular expression character class, such as "0-9".
    TypingFilter(const QString &allowedCharacters, int maxLength, QObject *parent);

    // The text the field now holds, set by the program.
    void setText(const QString &text) { m_last = text; }

    State validate(QString &input, int &pos) const override;

private:
    QRegularExpression m_allowed;
    int m_maxLength;
    mutable QString m_last; // the text as last accepted
};
