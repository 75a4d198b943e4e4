// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typing_filter.h"

#include <algorithm>

TTypingFilter::TTypingFilter(const QString &allowedCharacters, int maxLength, QObject *parent)
    : QValidator(parent),
      allowed(QRegularExpression::anchoredPattern(QStringLiteral("[%1]*").arg(allowedCharacters))),
      maxLength(maxLength) {}

QValidator::State TTypingFilter::validate(QString &input, int &) const {
    if (input == last)
        return Acceptable;
    // What was inserted lies between the part both texts start with and the part they end with.
    const qsizetype shorter = std::min(input.size(), last.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == last[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && input[input.size() - 1 - tail] == last[last.size() - 1 - tail])
        ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (!allowed.match(inserted).hasMatch())
        return Invalid;
    if (input.size() > maxLength && input.size() > last.size())
        return Invalid;
    last = input;
    return Acceptable;
}
