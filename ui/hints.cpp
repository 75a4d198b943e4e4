// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hints.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace {
const char HintProperty[] = "thalrexHint";
}

QString ShortHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString StatusHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QObject *object, const QString &hint) {
    object->setProperty(HintProperty, hint);
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setToolTip(ShortHint(hint));
        widget->setStatusTip(StatusHint(hint));
    } else if (auto *action = qobject_cast<QAction *>(object)) {
        action->setToolTip(ShortHint(hint));
        action->setStatusTip(StatusHint(hint));
    }
}

QString Hint(const QObject *object) {
    return object->property(HintProperty).toString();
}
