// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide last error and the host's answer to Yes/No warnings.
#pragma once

#include <cstdint>

namespace kegtap {

// Sets the code and the message of the last error.
void setError(uint32_t code, const char *message);
// Sets the code to the current errno value and the message.
void setSystemError(const char *message);
// Sets the message only; the code keeps its value.
void setErrorMessage(const char *message);
// Sets the code only (the code 0 after an accepted "already exists").
void setErrorCode(uint32_t code);

uint32_t lastErrorCode();
const char *lastErrorMessage();

// Asks the registered host a Yes/No question; No without a host.
bool askYesNo(const char *text, const char *caption);

} // namespace kegtap
