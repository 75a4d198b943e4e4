// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe replacement of files on the local disk, and the one form of
// folder paths: with a trailing "/".

// The path with a "/" appended when it does not end in one; an empty path stays empty.
std::string withTrailingSlash(const std::string &path);

// The file's bytes. Throws FileError "Cannot open file %s" when it cannot be opened or read.
std::string readFileBytes(const std::string &fileName);

// Creates or replaces the file with the bytes so that it is never seen truncated: the bytes go to a
// temporary file in the same folder, which is flushed to disk and then renamed over the old one.
// On failure the old file is untouched and no temporary file remains. Throws FileError
// "Cannot create file %s" with the system's reason on the next line (after CR LF) when the file
// cannot be created, written (for instance on a full disk) or put in place.
void replaceFileAtomically(const std::string &fileName, std::string_view bytes);

// The same with the content written by a function that writes the file at the path it is given: a
// temporary name in the same folder with the file's extension. When it throws, the file is left as
// it was and FileError "Cannot create file %s" names the file.
void replaceFileAtomically(const std::string &fileName,
                           const std::function<void(const std::string &path)> &write);
