// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/disabled_hints.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

namespace {

class TDisabledItemHints : public QObject {
public:
    explicit TDisabledItemHints(QStatusBar *status) : QObject(status), status(status) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *menu = qobject_cast<QMenu *>(watched);
        if (!menu)
            return false;
        if (event->type() == QEvent::MouseMove) {
            const QAction *item =
                menu->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (item && !item->isEnabled() && !item->isSeparator()) {
                // After the menu's own handling, which clears the text for a disabled item.
                QMetaObject::invokeMethod(
                    status,
                    [status = status, tip = item->statusTip()] { status->showMessage(tip); },
                    Qt::QueuedConnection);
                showing = true;
            } else if (showing) {
                // An enabled item shows its own text; none clears it.
                if (!item || item->isSeparator())
                    status->clearMessage();
                showing = false;
            }
        } else if (event->type() == QEvent::Hide && showing) {
            status->clearMessage();
            showing = false;
        }
        return false;
    }

private:
    QStatusBar *status;
    bool showing = false;
};

} // namespace

void ShowDisabledItemHints(QMenuBar *bar, QStatusBar *status) {
    auto *hints = new TDisabledItemHints(status);
    for (QMenu *menu : bar->findChildren<QMenu *>())
        menu->installEventFilter(hints);
}
