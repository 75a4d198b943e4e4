// SPDX-License-Identifier: GPL-3.0-or-later
// Failures as the library reports them: each operation records its code and message in an error
// state of its own (the handle's, or one made for a single call of the older exports, which then
// publish it as the process-wide last error). Also the host's answer to Yes/No warnings.
#pragma once

#include <cstdint>
#include <string>

namespace tankreader {

class ErrorState {
public:
    // The code and the message.
    void set(uint32_t code, const char *message);
    // The current errno value and the message (EIO for the handle interface should errno be 0).
    void setSystem(const char *message);
    // The file ends before what the index names: the older exports report the code 0 for it,
    // the handle interface KEGTAP_ERR_EARLY_EOF.
    void setEndOfFile(const char *message);
    // The message alone; the code keeps its value.
    void setMessage(const char *message);
    // A folder that already exists was accepted: the older exports reset their code to 0.
    void acceptExisting();
    void clear();

    // For the handle interface: 0, or the code of the last failure.
    uint32_t code() const { return code_; }
    const std::string &message() const { return message_; }
    bool failed() const { return code_ != 0; }

    // Copies what was set to the process-wide last error of the older exports.
    void publish() const;

private:
    uint32_t code_ = 0;
    uint32_t publishedCode_ = 0;
    std::string message_;
    bool codeSet_ = false;
    bool messageSet_ = false;
};

// Asks the host registered with SetKvPromptHandler a Yes/No question; No without a host.
bool askYesNo(const char *text, const char *caption);

} // namespace tankreader
