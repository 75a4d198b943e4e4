// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Tank files: the header, the data area and the index, laid out as the game's own Tank
// Creator lays them out, with each file stored raw, zlib or LZO1X, whole or in chunks.
#pragma once

#include "kegtap/writer/tank_header_info.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tankwriter {

enum class Format : uint16_t { Raw = 0, Zlib = 1, Lzo = 2 };

// How one file's content is stored.
struct Storage {
    Format format = Format::Zlib;
    uint32_t chunkSize = 16384; // 0 stores a compressed file as one block
    uint32_t extraBytes = 0;    // per coded chunk, this many trailing bytes are kept raw
};

// A directory or a file of the tree to pack; children are written in their order.
struct Node {
    std::string name;
    bool directory = false;
    uint64_t fileTime = 0;        // Windows file time
    std::vector<uint8_t> content; // a file's content, unless sourcePath names a file to read
    std::string sourcePath;
    Storage storage;
    std::vector<Node> children;

    static Node folder(std::string name, std::vector<Node> children, uint64_t fileTime = 0);
    static Node file(std::string name, std::vector<uint8_t> content, Storage storage = {},
                     uint64_t fileTime = 0);
};

struct ChunkRecord {
    uint32_t uncompressedSize;
    uint32_t compressedSize;
    uint32_t extraBytes;
    uint32_t offset;
};

// Where the writer put each entry: index offsets for the entries and their tables, absolute
// file positions for stored bytes.
struct WrittenDirectory {
    std::string path;
    uint32_t entryOffset;
    uint32_t childTableOffset;
};

struct WrittenFile {
    std::string path;
    uint32_t entryOffset;
    uint32_t compressedHeaderOffset; // 0 for raw files
    uint32_t size;
    Format format;
    uint32_t chunkSize;
    uint64_t storedPosition;
    std::vector<ChunkRecord> chunks;
};

struct TankLayout {
    uint32_t indexOffset = 0;
    uint32_t fileSetOffset = 0;
    uint32_t indexSize = 0;
    uint32_t dataOffset = 0;
    std::vector<WrittenDirectory> directories;
    std::vector<WrittenFile> files;
};

// Receives the Tank file as it is written: the data area first, the header last.
class TankSink {
public:
    virtual ~TankSink() = default;
    virtual void append(const uint8_t *data, size_t length) = 0;
    virtual void overwrite(uint64_t position, const uint8_t *data, size_t length) = 0;
};

class MemorySink : public TankSink {
public:
    void append(const uint8_t *data, size_t length) override;
    void overwrite(uint64_t position, const uint8_t *data, size_t length) override;
    std::vector<uint8_t> bytes;
};

// Writes into an open file descriptor; throws std::runtime_error when a write fails.
class FileSink : public TankSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    void append(const uint8_t *data, size_t length) override;
    void overwrite(uint64_t position, const uint8_t *data, size_t length) override;

private:
    int fd_;
    uint64_t end_ = 0;
};

// Writes root as a Tank file; throws std::runtime_error when a source file cannot be read or
// the archive outgrows the format's 32-bit offsets.
TankLayout writeTank(const Node &root, const TankHeaderInfo &info, TankSink &sink);

// The whole Tank file in memory.
std::vector<uint8_t> buildTank(const Node &root, const TankHeaderInfo &info = {},
                               TankLayout *layout = nullptr);

// A Windows file time (100 ns steps since 1601) from a POSIX time.
uint64_t fileTimeFromUnix(int64_t seconds, int64_t nanoseconds = 0);

// Field access for tests that damage a written file.
void putU16(std::vector<uint8_t> &tank, uint64_t position, uint16_t value);
void putU32(std::vector<uint8_t> &tank, uint64_t position, uint32_t value);
uint32_t getU32(const std::vector<uint8_t> &tank, uint64_t position);
// Recomputes the index checksum after the index was changed on purpose.
void refreshIndexCrc(std::vector<uint8_t> &tank);

} // namespace tankwriter
