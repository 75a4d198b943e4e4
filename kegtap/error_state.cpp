// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/error_state.h"

#include "kegtap/kegtap.h"

#include <cerrno>

namespace tankreader {
namespace {

// The older exports' last error and prompt host: process-wide, as their callers expect.
uint32_t lastCode = 0;
std::string lastMessage;
KvPromptHandler promptHandler = nullptr;
void *promptContext = nullptr;

} // namespace

void ErrorState::set(uint32_t code, const char *message) {
    code_ = publishedCode_ = code;
    message_ = message;
    codeSet_ = messageSet_ = true;
}

void ErrorState::setSystem(const char *message) {
    const auto error = static_cast<uint32_t>(errno);
    set(error != 0 ? error : EIO, message);
    publishedCode_ = error;
}

void ErrorState::setEndOfFile(const char *message) {
    set(KEGTAP_ERR_EARLY_EOF, message);
    publishedCode_ = 0;
}

void ErrorState::setMessage(const char *message) {
    message_ = message;
    messageSet_ = true;
}

void ErrorState::acceptExisting() {
    publishedCode_ = 0;
    codeSet_ = true;
}

void ErrorState::clear() {
    *this = ErrorState();
}

void ErrorState::publish() const {
    if (codeSet_)
        lastCode = publishedCode_;
    if (messageSet_)
        lastMessage = message_;
}

bool askYesNo(const char *text, const char *caption) {
    return promptHandler != nullptr && promptHandler(text, caption, promptContext) != 0;
}

} // namespace tankreader

using namespace tankreader;

extern "C" uint32_t GetKvErrorCode(void) {
    return lastCode;
}

extern "C" uint32_t GetKvErrorString(char *buffer, uint32_t bufferLength) {
    const uint32_t needed = static_cast<uint32_t>(lastMessage.size()) + 1;
    if (buffer == nullptr || bufferLength < needed)
        return needed;
    lastMessage.copy(buffer, lastMessage.size());
    buffer[lastMessage.size()] = '\0';
    return 0;
}

extern "C" void SetKvPromptHandler(KvPromptHandler handler, void *context) {
    promptHandler = handler;
    promptContext = handler != nullptr ? context : nullptr;
}
