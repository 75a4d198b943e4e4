// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"

#include <QImage>
#include <QWidget>

class TDSHero;

// The hero's portrait in the header: the picture unscaled from its top-left corner, clipped to
// the control. It is the hero's portrait control; the hero forgets it when it is destroyed.
class TPortraitImage : public QWidget, public TDSPortraitControl {
    Q_OBJECT
public:
    TPortraitImage(TDSHero &hero, QWidget *parent);
    ~TPortraitImage() override;

    const QImage &Picture() const { return picture; }
    // Detaches from the hero, which is going away first.
    void ForgetHero() { hero = nullptr; }

    void ShowPortrait(const TDSImageData &image) override;
    void LoadPortraitFile(const std::string &path) override;
    void SavePortraitFile(const std::string &path) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TDSHero *hero;
    QImage picture;
};
