#pragma once

#include "hero/displays.h"

#include <QImage>
#include <QWidget>

// The hero's portrait in the window's header: the picture unscaled from its top-left corner,
// clipped to the control's size.
class TDSPortraitImage : public QWidget, public TDSPortraitControl {
    Q_OBJECT
public:
    explicit TDSPortraitImage(QWidget *parent = nullptr);

    QImage Picture() const { return picture; }

    void ShowPortrait(const TDSImageData &image) override;
    void LoadPortraitFile(const std::string &path) override;
    void SavePortraitFile(const std::string &path) const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void Show(const QImage &image);

    QImage picture;
};
