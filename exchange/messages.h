// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/desktop.h"

// The application title: the main window's title and the caption of every message box.
QString AppTitle();

// A message box of the editor, captioned with the application title.
MsgAnswer showMessage(const QString &text, MsgType type, MsgButtons buttons = MsgButtons::Ok,
                      MsgAnswer defaultAnswer = MsgAnswer::Ok);
