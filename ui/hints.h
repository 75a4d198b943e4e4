// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QStatusBar;

// Hints have the form "short text|status text": the short text is the tool tip, the status text
// (the whole hint when there is no "|") goes to the status bar.
QString shortHint(const QString &hint);
QString statusHint(const QString &hint);

// Gives a widget or an action its hint (tool tip and status tip) and remembers it whole.
void setHint(QObject *object, const QString &hint);
// The hint last given with setHint.
QString hint(const QObject *object);

// A path as a hint shows it: the documents folder in it written "<My Documents>/".
QString pathHint(const QString &path, const QString &documents);

// Shows a status text in the bar, elided in the middle when it is wider than the bar.
void showStatusText(QStatusBar *bar, const QString &text);
