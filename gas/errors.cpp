// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"

GasPathError::GasPathError(int index)
    : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")") {}
