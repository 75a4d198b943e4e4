#pragma once

class QString;
class QWidget;

// Applies a hint "short text|status text": the short text becomes the tooltip, the status text
// the status bar text. A hint without "|" is both.
void SetHint(QWidget *widget, const QString &hint);
