// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/portrait.h"

#include <QImage>
#include <QWidget>

// The hero's portrait in the header: the picture unscaled from its top-left corner, clipped to
// the view.
class PortraitView : public QWidget {
    Q_OBJECT
public:
    explicit PortraitView(QWidget *parent);

    const QImage &picture() const { return m_picture; }
    // Shows the bitmap; bytes that are no picture show nothing.
    void showPortrait(const ImageBytes &bitmap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageBytes m_shown;
    QImage m_picture;
};
