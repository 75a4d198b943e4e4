// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The built-in Gas texts a new hero starts from (LF line ends); parsed, never written as they are.
extern const std::string_view infoTemplate;
extern const std::string_view partyTemplate;
