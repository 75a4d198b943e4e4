// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label (text or picture) that reports double-clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
