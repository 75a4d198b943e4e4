// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;

// Hints have the form "short text|status text": the short text is the tool tip, the status text
// (the whole hint when there is no "|") goes to the status bar.
QString ShortHint(const QString &hint);
QString StatusHint(const QString &hint);

// Gives a widget or an action its hint (tool tip and status tip) and remembers it whole.
void SetHint(QObject *object, const QString &hint);
// The hint last given with SetHint.
QString Hint(const QObject *object);
