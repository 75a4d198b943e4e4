// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/tank_file.h"

#include "tools/terminal_text.h"

#include <new>
#include <system_error>

namespace kegtapcli {

ExitCode exitCodeOf(uint32_t error) {
    return (error & 0x20000000u) != 0 ? Damaged : InputOutput;
}

std::string describe(const std::string &context, uint32_t error, const char *message) {
    std::string text = shownText(context) + ": " + message;
    if (exitCodeOf(error) == InputOutput)
        text += " (" + std::error_code(static_cast<int>(error), std::generic_category()).message() +
                ")";
    return text;
}

TankFile::TankFile(const std::string &path) : m_path(path), m_k(kegtap_open(path.c_str())) {
    if (m_k == nullptr)
        throw std::bad_alloc();
    if (kegtap_errno(m_k) != 0) {
        const Failure failure(exitCodeOf(kegtap_errno(m_k)), lastError(path));
        kegtap_close(m_k);
        throw failure;
    }
}

TankFile::~TankFile() {
    kegtap_close(m_k);
}

kegtap_entry TankFile::file(size_t i) const {
    kegtap_entry e{};
    if (kegtap_entry_at(m_k, i, &e) != 0)
        fail(m_path);
    return e;
}

kegtap_folder TankFile::folder(size_t i) const {
    kegtap_folder f{};
    if (kegtap_folder_at(m_k, i, &f) != 0)
        fail(m_path);
    return f;
}

std::string TankFile::lastError(const std::string &context) const {
    return describe(context, kegtap_errno(m_k), kegtap_error_string(m_k));
}

void TankFile::fail(const std::string &context) const {
    throw Failure(exitCodeOf(kegtap_errno(m_k)), lastError(context));
}

} // namespace kegtapcli
