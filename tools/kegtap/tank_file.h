// SPDX-License-Identifier: GPL-3.0-or-later
// A Tank opened through the library's handle interface, with its failures as exceptions that
// carry the tool's exit code.
#pragma once

#include "kegtap/kegtap.h"

#include <stdexcept>
#include <string>

namespace kegtapcli {

// Exit codes of the command line.
enum ExitCode { Success = 0, Damaged = 1, Usage = 2, InputOutput = 3 };

struct Failure : std::runtime_error {
    Failure(ExitCode code, const std::string &message) : std::runtime_error(message), code(code) {}
    ExitCode code;
};

// The exit code of a library error: its own codes mean a damaged file (or one refused), system
// codes an input/output error.
ExitCode exitCodeOf(uint32_t error);
// "context: message", with the system's words for a system error.
std::string describe(const std::string &context, uint32_t error, const char *message);

class TankFile {
public:
    // Opens and checks the Tank; throws Failure when it cannot.
    explicit TankFile(const std::string &path);
    ~TankFile();
    TankFile(const TankFile &) = delete;
    TankFile &operator=(const TankFile &) = delete;

    kegtap *handle() const { return m_k; }
    const std::string &path() const { return m_path; }
    size_t fileCount() const { return kegtap_entry_count(m_k); }
    size_t folderCount() const { return kegtap_folder_count(m_k); }
    // The entry's path points into the handle until its next call.
    kegtap_entry file(size_t i) const;
    kegtap_folder folder(size_t i) const;

    // The last failure of the handle, as describe() puts it.
    std::string lastError(const std::string &context) const;
    // Throws the handle's last failure.
    [[noreturn]] void fail(const std::string &context) const;

private:
    std::string m_path;
    kegtap *m_k;
};

} // namespace kegtapcli
