// SPDX-License-Identifier: GPL-3.0-or-later
// Names and texts from a file, made safe to print: what a terminal would act on (control
// characters, DEL, the C1 controls) and the backslash are written as C escapes, as `ls -b` writes
// them (\n, \t, \033, \302\233, \\), so that a name can neither drive the terminal nor forge a
// line of output. Everything else passes as it is.
#pragma once

#include <string>
#include <string_view>

std::string shownText(std::string_view text);
