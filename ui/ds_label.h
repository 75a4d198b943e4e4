// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"

#include <QLabel>

// A label the hero model writes its level and fraction texts into.
class TDSLabel : public QLabel, public TDSLabelDisplay {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void SetCaption(const std::string &caption) override;
};
