#pragma once

#include "exchange/desktop.h"

// A message box of the editor, captioned with the application title.
MsgAnswer showMessage(const QString &text, MsgType type, MsgButtons buttons = MsgButtons::Ok,
                      MsgAnswer defaultAnswer = MsgAnswer::Ok);
