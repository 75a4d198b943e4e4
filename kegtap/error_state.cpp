// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/error_state.h"

#include "kegtap/kegtap.h"

#include <cerrno>
#include <string>

namespace kegtap {
namespace {

uint32_t errorCode = 0;
std::string errorMessage;
KvPromptHandler promptHandler = nullptr;
void *promptContext = nullptr;

} // namespace

void setError(uint32_t code, const char *message) {
    errorCode = code;
    errorMessage = message;
}

void setSystemError(const char *message) {
    setError(static_cast<uint32_t>(errno), message);
}

void setErrorMessage(const char *message) {
    errorMessage = message;
}

void setErrorCode(uint32_t code) {
    errorCode = code;
}

uint32_t lastErrorCode() {
    return errorCode;
}

const char *lastErrorMessage() {
    return errorMessage.c_str();
}

bool askYesNo(const char *text, const char *caption) {
    return promptHandler != nullptr && promptHandler(text, caption, promptContext) != 0;
}

} // namespace kegtap

using namespace kegtap;

extern "C" uint32_t GetKvErrorCode(void) {
    return lastErrorCode();
}

extern "C" uint32_t GetKvErrorString(char *buffer, uint32_t bufferLength) {
    const uint32_t needed = static_cast<uint32_t>(errorMessage.size()) + 1;
    if (buffer == nullptr || bufferLength < needed)
        return needed;
    errorMessage.copy(buffer, errorMessage.size());
    buffer[errorMessage.size()] = '\0';
    return 0;
}

extern "C" void SetKvPromptHandler(KvPromptHandler handler, void *context) {
    promptHandler = handler;
    promptContext = handler != nullptr ? context : nullptr;
}
