// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ds_label.h"

void TDSLabel::SetCaption(const std::string &caption) {
    setText(QString::fromStdString(caption));
}
