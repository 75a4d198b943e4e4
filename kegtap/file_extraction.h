// SPDX-License-Identifier: GPL-3.0-or-later
// Extraction of one file entry into a folder: written under a temporary name and renamed over
// its final name once complete and checked, so that a failure leaves what was there untouched.
#pragma once

#include "kegtap/content_reader.h"
#include "kegtap/output_folder.h"

#include <string>

namespace tankreader {

// What becomes of a file whose CRC-32 differs or whose time cannot be set.
struct Verdict {
    bool keep; // it takes its final name
    bool goOn; // and the extraction counts it as done
};

class ExtractionPolicy {
public:
    virtual ~ExtractionPolicy() = default;
    virtual Verdict badCrc(const FileEntryFields &file) const = 0;
    virtual Verdict badTime() const = 0;
    // A file that exists is left alone.
    virtual bool keepExisting() const = 0;
};

enum class Outcome {
    Written,
    Kept,    // in place with a doubt the policy let pass; the error state says which
    Skipped, // already there, left alone
    Failed,
};

// Extracts the checked file entry into folder under name (UTF-8).
Outcome extractFileInto(const OutputFolder &folder, const std::string &name,
                        const FileEntryFields &file, const TankSource &tank, Decoder &decoder,
                        const ProgressReport &progress, const ExtractionPolicy &policy,
                        ErrorState &error);

} // namespace tankreader
