// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/disabled_item_hints.h"

#include "ui/hints.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

namespace {

class DisabledItemHints : public QObject {
public:
    explicit DisabledItemHints(QStatusBar *status) : QObject(status), m_status(status) {}

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
                    m_status,
                    [status = m_status, tip = item->statusTip()] { showStatusText(status, tip); },
                    Qt::QueuedConnection);
                m_showing = true;
            } else if (m_showing) {
                // An enabled item shows its own text; none clears it.
                if (!item || item->isSeparator())
                    m_status->clearMessage();
                m_showing = false;
            }
        } else if (event->type() == QEvent::Hide && m_showing) {
            m_status->clearMessage();
            m_showing = false;
        }
        return false;
    }

private:
    QStatusBar *m_status;
    bool m_showing = false;
};

} // namespace

void showDisabledItemHints(QMenuBar *bar, QStatusBar *status) {
    auto *hints = new DisabledItemHints(status);
    for (QMenu *menu : bar->findChildren<QMenu *>())
        menu->installEventFilter(hints);
}
