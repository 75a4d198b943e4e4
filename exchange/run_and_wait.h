// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Desktop;

// Starts a program with its arguments through the desktop and, with wait, returns once it has
// ended. A path ending in ".exe" is started through wine when wine is on the PATH. Throws
// std::runtime_error "Executable <program> not found" when it cannot be started.
void runAndWait(Desktop &desktop, const QString &program, const QStringList &arguments, bool wait);
