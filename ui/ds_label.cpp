#include "ui/ds_label.h"

void TDSLabel::SetCaption(const std::string &caption) {
    setText(QString::fromStdString(caption));
}
