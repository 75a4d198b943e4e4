// SPDX-License-Identifier: GPL-3.0-or-later
// The older extraction exports over the same reader as the handle interface: the whole Tank, or
// one file entry of an index block the caller holds. The host answers their two warnings.
#include "kegtap/kegtap.h"
#include "kegtap/tank.h"
#include "kegtap/tank_tree.h"
#include "text/windows1252.h"

#include <string>

using namespace tankreader;

namespace {

// Asks the host: Yes keeps the file and goes on, No keeps the file and stops.
class PromptPolicy : public ExtractionPolicy {
public:
    Verdict badCrc(const FileEntryFields &file) const override {
        const std::string question = "Extracted file " + std::string(file.name, file.nameLength) +
                                     " CRC32 does not tally!\nContinue?";
        return {true, askYesNo(question.c_str(), "Warning")};
    }
    Verdict badTime() const override {
        return {true, askYesNo("Cannot set the time of the extracted file!", "Warning")};
    }
    bool keepExisting() const override { return false; }
};

} // namespace

extern "C" bool ExtractFilesFromTankFile(const char *tankPath, const char *destFolder) {
    ErrorState error;
    Tank tank;
    const bool extracted =
        tank.open(tankPath, error) &&
        tank.extractAll(destFolder, ProgressReport{}, PromptPolicy(), error) != Outcome::Failed;
    tank.close(error);
    error.publish();
    return extracted;
}

extern "C" bool ExtractFile(const void *fileEntry, int fd, uint32_t dataOffset,
                            const void *indexStart, const char *destFolder) {
    ErrorState error;
    const FileEntryFields file = readFileEntry(static_cast<const uint8_t *>(fileEntry),
                                               static_cast<const uint8_t *>(indexStart));
    Decoder decoder;
    const bool extracted =
        checkFileEntry(file, error) &&
        extractFileInto(OutputFolder::openDestination(destFolder),
                        windows1252::toUtf8({file.name, file.nameLength}), file,
                        TankSource::of(fd, dataOffset), decoder, ProgressReport{}, PromptPolicy(),
                        error) != Outcome::Failed;
    error.publish();
    return extracted;
}
