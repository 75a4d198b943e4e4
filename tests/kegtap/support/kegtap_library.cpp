// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/kegtap/support/kegtap_library.h"

#include <cstdlib>
#include <dlfcn.h>
#include <stdexcept>

namespace {

template <typename F> void bind(void *handle, const char *name, F &function) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    if (function == nullptr)
        throw std::runtime_error(std::string("libkegtap.so lacks ") + name);
}

KegtapLibrary load() {
    const char *programDir = std::getenv("THALREX_PROGRAM_DIR");
    const std::string path =
        std::string(programDir != nullptr ? programDir : ".") + "/libkegtap.so";
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        throw std::runtime_error("cannot load " + path + ": " + dlerror());
    KegtapLibrary k{};
    bind(handle, "ExtractFilesFromTankFile", k.ExtractFilesFromTankFile);
    bind(handle, "GetHeaderFromTankFile", k.GetHeaderFromTankFile);
    bind(handle, "GetIndexFromTankFile", k.GetIndexFromTankFile);
    bind(handle, "GetChildOffsetOfDirEntry", k.GetChildOffsetOfDirEntry);
    bind(handle, "IsFile", k.IsFile);
    bind(handle, "GetDirEntryName", k.GetDirEntryName);
    bind(handle, "GetFileEntryName", k.GetFileEntryName);
    bind(handle, "ExtractFile", k.ExtractFile);
    bind(handle, "GetKvErrorCode", k.GetKvErrorCode);
    bind(handle, "GetKvErrorString", k.GetKvErrorString);
    bind(handle, "SetKvPromptHandler", k.SetKvPromptHandler);
    return k;
}

} // namespace

std::string KegtapLibrary::errorMessage() const {
    const uint32_t needed = GetKvErrorString(nullptr, 0);
    std::string message(needed, '\0');
    GetKvErrorString(message.data(), needed);
    message.resize(needed - 1);
    return message;
}

const KegtapLibrary &kegtapLibrary() {
    static const KegtapLibrary library = load();
    return library;
}
