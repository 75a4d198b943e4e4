// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typing_filter.h"

#include <algorithm>

TypingFilter::TypingFilter(const QString &allowedCharacters, int maxLength, QObject *parent)
    : QValidator(parent), m_allowed(QRegularExpression::anchoredPattern(
                              QStringLiteral("[%1]*").arg(allowedCharacters))),
      m_maxLength(maxLength) {}

QValidator::State TypingFilter::validate(QString &input, int &) const {
    if (input == m_last)
        return Acceptable;
    // What was inserted lies between the part both texts start with and the part they end with.
    const qsizetype shorter = std::min(input.size(), m_last.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == m_last[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           input[input.size() - 1 - tail] == m_last[m_last.size() - 1 - tail])
        ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (!m_allowed.match(inserted).hasMatch())
        return Invalid;
    if (input.size() > m_maxLength && input.size() > m_last.size())
        return Invalid;
    m_last = input;
    return Acceptable;
}
