// SPDX-License-Identifier: GPL-3.0-or-later
// The handle interface: one open Tank per handle, with everything a call needs kept in it.
#include "kegtap/kegtap.h"
#include "kegtap/tank.h"
#include "text/utf8.h"
#include "text/windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

using namespace tankreader;

struct kegtap {
    Tank tank;
    ErrorState error;
    bool open = false;
    ProgressReport progress;
    std::string path; // handed out until the next call
    struct HeaderTexts {
        std::string creator, copyright, build, title, author;
    } texts;
    std::vector<std::pair<uint64_t, size_t>> findTable; // path key, file; made on first use
};

namespace {

// A call starts with a clear error state, unless the Tank never opened: then every call answers
// with that failure.
bool begin(kegtap *k) {
    if (k == nullptr || !k->open)
        return false;
    k->error.clear();
    return true;
}

int failure(const kegtap *k) {
    return static_cast<int>(kegtap_errno(k));
}

int fail(kegtap *k, int error, const char *message) {
    errno = error;
    k->error.setSystem(message);
    return failure(k);
}

bool validFile(kegtap *k, size_t i) {
    return i < k->tank.tree().files.size();
}

class FlagPolicy : public ExtractionPolicy {
public:
    explicit FlagPolicy(unsigned flags) : flags_(flags) {}
    Verdict badCrc(const FileEntryFields &) const override {
        const bool keep = (flags_ & KEGTAP_KEEP_BAD_CRC) != 0;
        return {keep, keep};
    }
    Verdict badTime() const override {
        const bool keep = (flags_ & KEGTAP_KEEP_BAD_TIME) != 0;
        return {keep, keep};
    }
    bool keepExisting() const override { return (flags_ & KEGTAP_KEEP_EXISTING) != 0; }

private:
    unsigned flags_;
};

int outcome(kegtap *k, Outcome o) {
    return o == Outcome::Written || o == Outcome::Skipped ? 0 : failure(k);
}

class BufferSink : public ContentSink {
public:
    explicit BufferSink(uint8_t *buffer) : at_(buffer) {}
    bool write(const uint8_t *data, size_t length) override {
        at_ = std::copy_n(data, length, at_);
        return true;
    }

private:
    uint8_t *at_;
};

class CallerSink : public ContentSink {
public:
    CallerSink(kegtap_sink sink, void *context, ErrorState &error)
        : sink_(sink), context_(context), error_(error) {}
    bool write(const uint8_t *data, size_t length) override {
        if (sink_(context_, data, length) == 0)
            return true;
        error_.set(KEGTAP_ERR_CANCELLED, "Cancelled.");
        return false;
    }

private:
    kegtap_sink sink_;
    void *context_;
    ErrorState &error_;
};

std::string headerText(const uint8_t *header, size_t at, size_t units) {
    std::vector<uint16_t> text(units);
    for (size_t i = 0; i < units; ++i)
        text[i] = readU16(header + at + 2 * i);
    return utf8::fromUtf16(text.data(), units);
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
int64_t daysSinceEpoch(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// A Windows SYSTEMTIME: year, month, day of week, day, hour, minute, second, millisecond.
int64_t systemTimeSeconds(const uint8_t *p) {
    const auto part = [p](size_t i) { return static_cast<int64_t>(readU16(p + 2 * i)); };
    return daysSinceEpoch(part(0), part(1), part(3)) * 86400 + part(4) * 3600 + part(5) * 60 +
           part(6);
}

} // namespace

extern "C" {

kegtap *kegtap_open(const char *path) {
    auto *k = new (std::nothrow) struct kegtap;
    if (k == nullptr)
        return nullptr;
    if (path == nullptr) {
        fail(k, EINVAL, "Cannot open Tank file.");
        return k;
    }
    k->open = k->tank.open(path, k->error);
    if (!k->open)
        return k;
    const uint8_t *h = k->tank.index().header;
    k->texts.creator =
        windows1252::toUtf8({reinterpret_cast<const char *>(h + header_field::CreatorId), 4});
    k->texts.copyright = headerText(h, header_field::CopyrightText, header_field::LongTextUnits);
    k->texts.build = headerText(h, header_field::BuildText, header_field::LongTextUnits);
    k->texts.title = headerText(h, header_field::TitleText, header_field::LongTextUnits);
    k->texts.author = headerText(h, header_field::AuthorText, header_field::AuthorTextUnits);
    return k;
}

void kegtap_close(kegtap *k) {
    delete k;
}

uint32_t kegtap_errno(const kegtap *k) {
    return k != nullptr ? k->error.code() : ENOMEM;
}

const char *kegtap_error_string(const kegtap *k) {
    return k != nullptr ? k->error.message().c_str() : "Not enought memory.";
}

int kegtap_header_info(kegtap *k, kegtap_header *h) {
    if (!begin(k))
        return failure(k);
    if (h == nullptr)
        return fail(k, EINVAL, "Invalid argument.");
    const uint8_t *raw = k->tank.index().header;
    *h = kegtap_header{};
    h->creator = k->texts.creator.c_str();
    for (size_t i = 0; i < 6; ++i) {
        h->product_version[i] = readU16(raw + header_field::ProductVersion + 2 * i);
        h->minimum_version[i] = readU16(raw + header_field::MinimumVersion + 2 * i);
    }
    h->priority = readU32(raw + header_field::Priority);
    h->flags = readU32(raw + header_field::Flags);
    std::memcpy(h->guid, raw + header_field::Guid, sizeof h->guid);
    h->build_time = systemTimeSeconds(raw + header_field::BuildTime);
    h->copyright = k->texts.copyright.c_str();
    h->build_text = k->texts.build.c_str();
    h->title = k->texts.title.c_str();
    h->author = k->texts.author.c_str();
    h->index_crc32 = readU32(raw + header_field::IndexCrc32);
    h->data_crc32 = readU32(raw + header_field::DataCrc32);
    return 0;
}

size_t kegtap_entry_count(kegtap *k) {
    return k != nullptr && k->open ? k->tank.tree().files.size() : 0;
}

int kegtap_entry_at(kegtap *k, size_t i, kegtap_entry *e) {
    if (!begin(k))
        return failure(k);
    if (e == nullptr)
        return fail(k, EINVAL, "Invalid argument.");
    if (!validFile(k, i))
        return fail(k, EINVAL, "No such entry.");
    const FileEntryFields f = k->tank.file(i);
    k->path = k->tank.filePath(i);
    e->path = k->path.c_str();
    e->size = f.size;
    e->stored_size = storedSize(f);
    e->crc32 = f.crc32;
    e->mtime = unixSeconds(f.fileTime);
    e->format = f.format == FormatRaw    ? KEGTAP_FORMAT_RAW
                : f.format == FormatZlib ? KEGTAP_FORMAT_ZLIB
                                         : KEGTAP_FORMAT_LZO;
    e->chunk_size = f.chunkSize;
    return 0;
}

int kegtap_find(kegtap *k, const char *path, size_t *i) {
    if (!begin(k))
        return failure(k);
    if (path == nullptr || i == nullptr)
        return fail(k, EINVAL, "Invalid argument.");
    const std::optional<std::string> name = windows1252::fromUtf8(path);
    if (name) {
        const TankTree &tree = k->tank.tree();
        if (k->findTable.empty()) {
            for (size_t f = 0; f < tree.files.size(); ++f)
                k->findTable.emplace_back(tree.files[f].pathKey, f);
            std::sort(k->findTable.begin(), k->findTable.end());
        }
        const uint64_t key = pathKey(RootPathKey, true, name->data(), name->size());
        const auto equal = [&name](const std::string &candidate) {
            const auto fold = [](char c) { return windows1252::foldCase(static_cast<uint8_t>(c)); };
            return std::equal(name->begin(), name->end(), candidate.begin(), candidate.end(),
                              [&fold](char a, char b) { return fold(a) == fold(b); });
        };
        for (auto it = std::lower_bound(k->findTable.begin(), k->findTable.end(),
                                        std::make_pair(key, size_t{0}));
             it != k->findTable.end() && it->first == key; ++it) {
            const std::optional<std::string> candidate =
                windows1252::fromUtf8(k->tank.filePath(it->second));
            if (candidate && equal(*candidate)) {
                *i = it->second;
                return 0;
            }
        }
    }
    return fail(k, ENOENT, "No such file in tank file.");
}

size_t kegtap_folder_count(kegtap *k) {
    return k != nullptr && k->open ? k->tank.tree().folders.size() : 0;
}

int kegtap_folder_at(kegtap *k, size_t i, kegtap_folder *f) {
    if (!begin(k))
        return failure(k);
    const TankTree &tree = k->tank.tree();
    if (f == nullptr)
        return fail(k, EINVAL, "Invalid argument.");
    if (i >= tree.folders.size())
        return fail(k, EINVAL, "No such entry.");
    k->path = tree.path(i);
    f->path = k->path.c_str();
    f->mtime = unixSeconds(tree.folders[i].fileTime);
    f->files_before = tree.folders[i].filesBefore;
    return 0;
}

int kegtap_read(kegtap *k, size_t i, void *buffer, size_t capacity) {
    if (!begin(k))
        return failure(k);
    if (!validFile(k, i))
        return fail(k, EINVAL, "No such entry.");
    if (capacity < k->tank.file(i).size || (buffer == nullptr && capacity > 0))
        return fail(k, ENOBUFS, "Supply buffer is too small.");
    BufferSink sink(static_cast<uint8_t *>(buffer));
    return k->tank.read(i, k->progress, sink, k->error) ? 0 : failure(k);
}

int kegtap_read_into(kegtap *k, size_t i, kegtap_sink sink, void *context) {
    if (!begin(k))
        return failure(k);
    if (sink == nullptr)
        return fail(k, EINVAL, "Invalid argument.");
    if (!validFile(k, i))
        return fail(k, EINVAL, "No such entry.");
    CallerSink caller(sink, context, k->error);
    return k->tank.read(i, k->progress, caller, k->error) ? 0 : failure(k);
}

void kegtap_set_progress(kegtap *k, kegtap_progress handler, void *context) {
    if (k != nullptr)
        k->progress = {handler, handler != nullptr ? context : nullptr};
}

int kegtap_extract(kegtap *k, const char *dest, unsigned flags) {
    if (!begin(k))
        return failure(k);
    return outcome(k, k->tank.extractAll(dest, k->progress, FlagPolicy(flags), k->error));
}

int kegtap_extract_entry(kegtap *k, size_t i, const char *dest, unsigned flags) {
    if (!begin(k))
        return failure(k);
    if (!validFile(k, i))
        return fail(k, EINVAL, "No such entry.");
    return outcome(k, k->tank.extractFile(i, dest, k->progress, FlagPolicy(flags), k->error));
}

int kegtap_extract_folder(kegtap *k, size_t i, const char *dest) {
    if (!begin(k))
        return failure(k);
    if (i >= k->tank.tree().folders.size())
        return fail(k, EINVAL, "No such entry.");
    return k->tank.extractFolder(i, dest, k->error) ? 0 : failure(k);
}

} // extern "C"
