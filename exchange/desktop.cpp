// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include <stdexcept>

namespace {
Desktop *installed = nullptr;
}

Desktop &desktop() {
    if (!installed)
        throw std::logic_error("No desktop installed");
    return *installed;
}

Desktop *setDesktop(Desktop *desktop) {
    Desktop *previous = installed;
    installed = desktop;
    return previous;
}

MsgAnswer CautiousAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesCancel:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}
