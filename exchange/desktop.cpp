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
