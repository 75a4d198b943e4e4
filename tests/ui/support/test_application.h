// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Application;

// The one application object of a widget test program, made on first use: the editor's own,
// which shows the errors that escape event handlers on the desktop it is given.
Application &testApplication();
