// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hints.h"

#include "exchange/paths.h"

#include <QAction>
#include <QStatusBar>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {
const char hintProperty[] = "thalrexHint";
}

QString shortHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString statusHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QObject *object, const QString &hint) {
    object->setProperty(hintProperty, hint);
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setToolTip(shortHint(hint));
        widget->setStatusTip(statusHint(hint));
    } else if (auto *action = qobject_cast<QAction *>(object)) {
        action->setToolTip(shortHint(hint));
        action->setStatusTip(statusHint(hint));
    }
}

QString hint(const QObject *object) {
    return object->property(hintProperty).toString();
}

QString pathHint(const QString &path, const QString &documents) {
    return replaceFirst(path, documents, QStringLiteral("<My Documents>/"));
}

void showStatusText(QStatusBar *bar, const QString &text) {
    const int room =
        bar->contentsRect().width() - 2 * bar->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    bar->showMessage(bar->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
}
