// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/kegtap_library.h"

#include "exchange/desktop.h"
#include "exchange/game_text.h"
#include "exchange/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using SetPromptHandlerFunction = decltype(&::SetKvPromptHandler);

// Answers the library's Yes/No warnings; nothing may be thrown back into C code.
int askUser(const char *text, const char *caption, void *desktop) {
    try {
        // The texts name the Tank's entries, whose names are game text.
        return static_cast<Desktop *>(desktop)->message(fromGameText(text), fromGameText(caption),
                                                        MsgType::Warning, MsgButtons::YesNo,
                                                        MsgAnswer::No) == MsgAnswer::Yes;
    } catch (...) {
        return 0;
    }
}

void setPromptHandler(void *library, KvPromptHandler handler, void *context) {
    if (auto set = reinterpret_cast<SetPromptHandlerFunction>(dlsym(library, "SetKvPromptHandler")))
        set(handler, context);
}

} // namespace

KegtapLibrary::KegtapLibrary(const QString &libraryPath, Desktop &desktop)
    : m_libraryPath(libraryPath),
      // A bare SONAME is the dynamic loader's to find.
      m_libraryFound(QFileInfo(libraryPath).isRelative() || QFileInfo(libraryPath).isFile()),
      m_desktop(desktop) {}

KegtapLibrary::~KegtapLibrary() {
    if (m_handle) {
        setPromptHandler(m_handle, nullptr, nullptr);
        dlclose(m_handle);
    }
}

void KegtapLibrary::bind() {
    if (!m_handle) {
        m_handle = dlopen(QFile::encodeName(m_libraryPath).constData(), RTLD_NOW);
        if (!m_handle)
            throw std::runtime_error(
                (QFileInfo(m_libraryPath).fileName() + " not found").toStdString());
        setPromptHandler(m_handle, askUser, &m_desktop);
        m_errorString = reinterpret_cast<ErrorStringFunction>(dlsym(m_handle, "GetKvErrorString"));
    }
    if (!m_extract) {
        m_extract = reinterpret_cast<ExtractFunction>(dlsym(m_handle, "ExtractFilesFromTankFile"));
        if (!m_extract)
            throw std::runtime_error(
                ("ExtractFilesFromTankFile not found in " + m_libraryPath).toStdString());
    }
}

bool KegtapLibrary::extract(const QByteArray &tankFile, const QString &destFolder) {
    bind();
    const QString dest = withoutTrailingSlash(destFolder);
    QDir().mkpath(dest);
    return m_extract(tankFile.constData(), QFile::encodeName(dest).constData());
}

template <typename Function> Function KegtapLibrary::function(const char *name) const {
    auto bound = reinterpret_cast<Function>(dlsym(m_handle, name));
    if (!bound)
        throw std::runtime_error(std::string(name) + " not found in " +
                                 m_libraryPath.toStdString());
    return bound;
}

QList<TankFile> KegtapLibrary::readFiles(const QString &tankFile) {
    bind();
    const auto open = function<decltype(&::kegtap_open)>("kegtap_open");
    const auto close = function<decltype(&::kegtap_close)>("kegtap_close");
    const auto errorCode = function<decltype(&::kegtap_errno)>("kegtap_errno");
    const auto errorString = function<decltype(&::kegtap_error_string)>("kegtap_error_string");
    const auto entryCount = function<decltype(&::kegtap_entry_count)>("kegtap_entry_count");
    const auto entryAt = function<decltype(&::kegtap_entry_at)>("kegtap_entry_at");
    const auto read = function<decltype(&::kegtap_read)>("kegtap_read");

    const std::unique_ptr<kegtap, decltype(close)> tank(
        open(QFile::encodeName(tankFile).constData()), close);
    const auto fail = [&] {
        throw std::runtime_error(tank ? errorString(tank.get()) : "Not enough memory.");
    };
    if (!tank || errorCode(tank.get()) != 0)
        fail();
    // More than a saved party ever holds; a larger file is no party.
    constexpr uint64_t largestFile = uint64_t(1) << 28;
    QList<TankFile> files;
    for (size_t i = 0, count = entryCount(tank.get()); i < count; ++i) {
        kegtap_entry entry{};
        if (entryAt(tank.get(), i, &entry) != 0)
            fail();
        if (entry.size > largestFile)
            throw std::runtime_error("The file " + std::string(entry.path) + " is too large.");
        TankFile file{QString::fromUtf8(entry.path), QByteArray(qsizetype(entry.size), '\0')};
        if (read(tank.get(), i, file.content.data(), size_t(entry.size)) != 0)
            fail();
        files.append(std::move(file));
    }
    return files;
}

QString KegtapLibrary::errorMessage() const {
    if (!m_errorString)
        return {};
    const uint32_t needed = m_errorString(nullptr, 0);
    if (needed == 0)
        return {};
    std::string buffer(needed, '\0');
    if (m_errorString(buffer.data(), needed) != 0)
        return {};
    return QString::fromLocal8Bit(buffer.c_str());
}
