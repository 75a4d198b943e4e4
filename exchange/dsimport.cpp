// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/dsimport.h"

#include "exchange/desktop.h"
#include "exchange/gametext.h"
#include "exchange/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace {

using SetPromptHandlerFn = decltype(&::SetKvPromptHandler);

// Answers the library's Yes/No warnings; nothing may be thrown back into C code.
int askUser(const char *text, const char *caption, void *) {
    try {
        // The texts name the Tank's entries, whose names are game text.
        return desktop().message(FromGameText(text), FromGameText(caption), MsgType::Warning,
                                 MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::Yes;
    } catch (...) {
        return 0;
    }
}

void setPromptHandler(void *library, KvPromptHandler handler) {
    if (auto set = reinterpret_cast<SetPromptHandlerFn>(dlsym(library, "SetKvPromptHandler")))
        set(handler, nullptr);
}

} // namespace

TDSImport::TDSImport(const QString &libraryPath)
    : libraryPath(libraryPath),
      // A bare SONAME is the dynamic loader's to find.
      libraryFound(QFileInfo(libraryPath).isRelative() || QFileInfo(libraryPath).isFile()) {}

TDSImport::~TDSImport() {
    if (LibraryHandle) {
        setPromptHandler(LibraryHandle, nullptr);
        dlclose(LibraryHandle);
    }
}

bool TDSImport::Bind() {
    if (!LibraryHandle) {
        LibraryHandle = dlopen(QFile::encodeName(libraryPath).constData(), RTLD_NOW);
        if (!LibraryHandle)
            throw std::runtime_error(
                (QFileInfo(libraryPath).fileName() + " not found").toStdString());
        setPromptHandler(LibraryHandle, askUser);
        ErrorStringProc = reinterpret_cast<ErrorStringFn>(dlsym(LibraryHandle, "GetKvErrorString"));
    }
    if (!ExtractProc) {
        ExtractProc = reinterpret_cast<ExtractFn>(dlsym(LibraryHandle, "ExtractFilesFromTankFile"));
        if (!ExtractProc)
            throw std::runtime_error(
                ("ExtractFilesFromTankFile not found in " + libraryPath).toStdString());
    }
    return true;
}

bool TDSImport::Extract(const QString &tankPath, const QString &destFolder) {
    Bind();
    const QString dest = withoutTrailingSlash(destFolder);
    QDir().mkpath(dest);
    return ExtractProc(QFile::encodeName(tankPath).constData(),
                       QFile::encodeName(dest).constData());
}

QString TDSImport::ErrorMessage() const {
    if (!ErrorStringProc)
        return {};
    const uint32_t needed = ErrorStringProc(nullptr, 0);
    if (needed == 0)
        return {};
    std::string buffer(needed, '\0');
    if (ErrorStringProc(buffer.data(), needed) != 0)
        return {};
    return QString::fromLocal8Bit(buffer.c_str());
}
