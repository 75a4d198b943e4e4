// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The extraction library the editor binds, for the program folder it runs from (with its
// trailing slash):
// - libkegtap.so beside the program, by its full path: a build tree, or a copy of the program
//   folder that carries the library;
// - in an installation, whose library folder holds libkegtap.so.0, that name alone, the library's
//   SONAME, which the dynamic loader finds along its ordinary path;
// - otherwise libkegtap.so beside the program, which is missing.
QString kegtapLibraryPath(const QString &programFolder);
