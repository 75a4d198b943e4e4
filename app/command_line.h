// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The editor's command line: thalrex [--help | --version] [--] [PARTY | FOLDER]

// Answers --help and --version on standard output, before the application object exists, so
// that they work without a display. Only the arguments before a "--" are looked at. Returns the
// exit status when the command line has been answered, nothing when the editor is to start.
std::optional<int> answerHelpOrVersion(int argc, char **argv);

// The party file to import or the hero folder to open at start-up, made absolute, its bytes as
// the file system names it; an empty string when none is named. The arguments are the program's,
// as left once the application object has taken out Qt's own options (-platform, -style, ...).
// An unknown option or a second path is reported on standard error and answers nothing: the
// editor then exits with status 2.
std::optional<std::string> pathToOpen(int argc, char **argv);
