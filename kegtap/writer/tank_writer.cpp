// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/writer/tank_writer.h"

#include "kegtap/writer/content_encoder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace tankwriter {
namespace {

namespace header_field = tankreader::header_field;

constexpr uint32_t DataAlignment = 8;
// The game's tools leave this many zero bytes after the header and again after the padded data
// area, and between the last directory entry and the file set.
constexpr size_t Gap = 20;
constexpr size_t FileSetGap = 16;
constexpr size_t SourceBufferSize = 1 << 16;

uint64_t alignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

uint32_t offset32(uint64_t value) {
    if (value > UINT32_MAX)
        throw std::runtime_error("The folder is too large for a Tank file (4 GiB).");
    return static_cast<uint32_t>(value);
}

class Bytes {
public:
    void u16(uint16_t v) {
        bytes_.push_back(static_cast<uint8_t>(v));
        bytes_.push_back(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void u64(uint64_t v) {
        u32(static_cast<uint32_t>(v));
        u32(static_cast<uint32_t>(v >> 32));
    }
    void text(const std::string &s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void padTo(size_t alignment) { zeros(alignUp(bytes_.size(), alignment) - bytes_.size()); }
    size_t size() const { return bytes_.size(); }
    std::vector<uint8_t> &data() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

uint16_t nameLength(const Node &node) {
    if (node.name.size() > UINT16_MAX)
        throw std::runtime_error("Name too long for a Tank file: " + node.name.substr(0, 64));
    return static_cast<uint16_t>(node.name.size());
}

// Hands the file's content to encoder piece by piece.
void readSource(const std::string &path, ContentEncoder &encoder, uint32_t &dataCrc) {
    const auto fail = [&path] {
        throw std::runtime_error("Cannot read " + path + ": " + std::strerror(errno));
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail();
    std::vector<uint8_t> buffer(SourceBufferSize);
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            fail();
        }
        if (n == 0)
            break;
        dataCrc = static_cast<uint32_t>(crc32_z(dataCrc, buffer.data(), static_cast<size_t>(n)));
        try {
            encoder.add(buffer.data(), static_cast<size_t>(n));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    ::close(fd);
}

// One entry of the tree in index order, with what the index needs to know about it.
struct Entry {
    const Node *node;
    std::string path;
    size_t parent; // position in the directory list; the root is its own parent
    uint32_t entryOffset = 0;
    std::vector<size_t> children; // positions in the entry list
    // files only
    EncodedContent encoded;
    uint32_t size = 0;
    uint32_t dataOffset = 0;
};

class Writer {
public:
    Writer(const TankHeaderInfo &info, TankSink &sink) : info_(info), sink_(sink) {}

    TankLayout write(const Node &root) {
        checkHeaderTexts(info_);
        const HeaderBytes blank{};
        sink_.append(blank.data(), blank.size());
        position_ = blank.size();
        appendData(std::vector<uint8_t>(Gap).data(), Gap);
        layout_.dataOffset = offset32(position_);
        dataCrc_ = 0;

        collect(root, "", 0);
        for (size_t i : fileOrder_)
            writeFileData(entries_[i]);
        padData(DataAlignment);
        appendData(std::vector<uint8_t>(Gap).data(), Gap);
        layout_.indexOffset = offset32(position_);

        Bytes index = buildIndex();
        layout_.indexSize = offset32(index.size());
        sink_.append(index.data().data(), index.size());
        offset32(position_ + index.size());

        HeaderBytes header = encodeHeader(info_);
        const auto put = [&header](size_t at, uint32_t v) { tankreader::writeU32(&header[at], v); };
        put(header_field::IndexOffset, layout_.indexOffset);
        put(header_field::FileSetOffset, layout_.fileSetOffset);
        put(header_field::IndexSize, layout_.indexSize);
        put(header_field::DataOffset, layout_.dataOffset);
        put(header_field::IndexCrc32,
            static_cast<uint32_t>(crc32_z(0, index.data().data(), index.size())));
        put(header_field::DataCrc32, dataCrc_);
        sink_.overwrite(0, header.data(), header.size());
        return layout_;
    }

private:
    size_t collect(const Node &node, const std::string &path, size_t parent) {
        const size_t me = entries_.size();
        entries_.push_back(Entry{&node, path, parent, 0, {}, {}, 0, 0});
        if (!node.directory) {
            fileOrder_.push_back(me);
            return me;
        }
        const size_t myDirectory = dirOrder_.size();
        dirOrder_.push_back(me);
        for (const Node &child : node.children) {
            const size_t c =
                collect(child, path.empty() ? child.name : path + "/" + child.name, myDirectory);
            entries_[me].children.push_back(c);
        }
        return me;
    }

    void appendData(const uint8_t *data, size_t length) {
        sink_.append(data, length);
        position_ += length;
    }

    void padData(uint64_t alignment) {
        const uint64_t relative = position_ - layout_.dataOffset;
        const std::vector<uint8_t> zeros(alignUp(relative, alignment) - relative);
        appendData(zeros.data(), zeros.size());
    }

    void writeFileData(Entry &file) {
        const Node &node = *file.node;
        padData(DataAlignment);
        file.dataOffset = offset32(position_ - layout_.dataOffset);
        ContentEncoder encoder(node.storage, [this](const uint8_t *data, size_t length) {
            appendData(data, length);
            offset32(position_);
        });
        // The data checksum runs over the contents as they are, in the order of the index walk.
        // An empty content is skipped: its null data pointer would restart the CRC.
        if (node.sourcePath.empty() && !node.content.empty()) {
            dataCrc_ =
                static_cast<uint32_t>(crc32_z(dataCrc_, node.content.data(), node.content.size()));
            encoder.add(node.content.data(), node.content.size());
        } else if (!node.sourcePath.empty()) {
            readSource(node.sourcePath, encoder, dataCrc_);
        }
        file.encoded = encoder.finish();
        file.size = file.encoded.size;
    }

    static size_t tableRecords(const Entry &file) {
        const Storage &s = file.node->storage;
        if (s.format == Format::Raw || s.chunkSize == 0)
            return 0;
        // An empty file still gets one zeroed chunk record, as the game's tools write it.
        return file.encoded.chunks.empty() ? 1 : file.encoded.chunks.size();
    }

    void placeEntries() {
        size_t at = 4 + 4 * dirOrder_.size();
        for (size_t i : dirOrder_) {
            Entry &dir = entries_[i];
            const uint16_t n = nameLength(*dir.node);
            dir.entryOffset = offset32(at);
            at = alignUp(at + tankreader::dir_field::Name + (n > 0 ? n + 1u : 0u), 4) +
                 4 * dir.children.size();
        }
        at += FileSetGap;
        fileSetStart_ = at;
        at += 4 + 4 * fileOrder_.size();
        for (size_t i : fileOrder_) {
            Entry &file = entries_[i];
            file.entryOffset = offset32(at);
            at = alignUp(at + tankreader::file_field::Name + nameLength(*file.node) + 1u, 4);
            if (file.node->storage.format != Format::Raw)
                at += 8 + 16 * tableRecords(file);
        }
        layout_.fileSetOffset = offset32(layout_.indexOffset + fileSetStart_);
    }

    void writeDirectory(Bytes &index, const Entry &dir) {
        const Node &node = *dir.node;
        index.u32(dir.path.empty() ? 0 : entries_[dirOrder_[dir.parent]].entryOffset);
        index.u32(static_cast<uint32_t>(dir.children.size()));
        index.u64(node.fileTime);
        index.u16(nameLength(node));
        if (!node.name.empty()) {
            index.text(node.name);
            index.zeros(1);
        }
        index.padTo(4);
        layout_.directories.push_back({dir.path, dir.entryOffset, offset32(index.size())});
        for (size_t c : dir.children)
            index.u32(entries_[c].entryOffset);
    }

    void writeFile(Bytes &index, const Entry &file) {
        const Node &node = *file.node;
        const Storage &s = node.storage;
        index.u32(entries_[dirOrder_[file.parent]].entryOffset);
        index.u32(file.size);
        index.u32(file.dataOffset);
        index.u32(file.encoded.crc32);
        index.u64(node.fileTime);
        index.u16(static_cast<uint16_t>(s.format));
        index.u16(0);
        index.u16(nameLength(node));
        index.text(node.name);
        index.zeros(1);
        index.padTo(4);
        WrittenFile written{file.path,
                            file.entryOffset,
                            0,
                            file.size,
                            s.format,
                            0,
                            layout_.dataOffset + uint64_t{file.dataOffset},
                            file.encoded.chunks};
        if (s.format != Format::Raw) {
            written.compressedHeaderOffset = offset32(index.size());
            written.chunkSize = s.chunkSize;
            index.u32(file.encoded.compressedSize);
            index.u32(s.chunkSize);
            for (const ChunkRecord &c : file.encoded.chunks) {
                index.u32(c.uncompressedSize);
                index.u32(c.compressedSize);
                index.u32(c.extraBytes);
                index.u32(c.offset);
            }
            if (file.encoded.chunks.empty() && tableRecords(file) == 1)
                index.zeros(16);
        }
        layout_.files.push_back(std::move(written));
    }

    Bytes buildIndex() {
        placeEntries();
        Bytes index;
        index.u32(static_cast<uint32_t>(dirOrder_.size()));
        for (size_t i : dirOrder_)
            index.u32(entries_[i].entryOffset);
        for (size_t i : dirOrder_)
            writeDirectory(index, entries_[i]);
        index.zeros(FileSetGap);
        index.u32(static_cast<uint32_t>(fileOrder_.size()));
        for (size_t i : fileOrder_)
            index.u32(offset32(entries_[i].entryOffset - fileSetStart_));
        for (size_t i : fileOrder_)
            writeFile(index, entries_[i]);
        return index;
    }

    const TankHeaderInfo &info_;
    TankSink &sink_;
    TankLayout layout_;
    uint64_t position_ = 0;
    uint32_t dataCrc_ = 0;
    size_t fileSetStart_ = 0;
    std::vector<Entry> entries_;
    std::vector<size_t> dirOrder_;
    std::vector<size_t> fileOrder_;
};

} // namespace

Node Node::folder(std::string name, std::vector<Node> children, uint64_t fileTime) {
    Node n;
    n.name = std::move(name);
    n.directory = true;
    n.fileTime = fileTime;
    n.children = std::move(children);
    return n;
}

Node Node::file(std::string name, std::vector<uint8_t> content, Storage storage,
                uint64_t fileTime) {
    Node n;
    n.name = std::move(name);
    n.fileTime = fileTime;
    n.content = std::move(content);
    n.storage = storage;
    return n;
}

void MemorySink::append(const uint8_t *data, size_t length) {
    bytes.insert(bytes.end(), data, data + length);
}

void MemorySink::overwrite(uint64_t position, const uint8_t *data, size_t length) {
    std::memcpy(bytes.data() + position, data, length);
}

void FileSink::append(const uint8_t *data, size_t length) {
    overwrite(end_, data, length);
}

void FileSink::overwrite(uint64_t position, const uint8_t *data, size_t length) {
    while (length > 0) {
        const ssize_t n = ::pwrite(fd_, data, length, static_cast<off_t>(position));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error(std::string("Cannot write the Tank file: ") +
                                     std::strerror(n < 0 ? errno : ENOSPC));
        data += n;
        length -= static_cast<size_t>(n);
        position += static_cast<uint64_t>(n);
        end_ = std::max(end_, position);
    }
}

TankLayout writeTank(const Node &root, const TankHeaderInfo &info, TankSink &sink) {
    return Writer(info, sink).write(root);
}

std::vector<uint8_t> buildTank(const Node &root, const TankHeaderInfo &info, TankLayout *layout) {
    MemorySink sink;
    const TankLayout written = writeTank(root, info, sink);
    if (layout != nullptr)
        *layout = written;
    return std::move(sink.bytes);
}

uint64_t fileTimeFromUnix(int64_t seconds, int64_t nanoseconds) {
    return static_cast<uint64_t>((seconds + 11644473600LL) * 10000000LL + nanoseconds / 100);
}

void putU16(std::vector<uint8_t> &tank, uint64_t position, uint16_t value) {
    tank.at(position) = static_cast<uint8_t>(value);
    tank.at(position + 1) = static_cast<uint8_t>(value >> 8);
}

void putU32(std::vector<uint8_t> &tank, uint64_t position, uint32_t value) {
    putU16(tank, position, static_cast<uint16_t>(value));
    putU16(tank, position + 2, static_cast<uint16_t>(value >> 16));
}

uint32_t getU32(const std::vector<uint8_t> &tank, uint64_t position) {
    return static_cast<uint32_t>(tank.at(position)) |
           (static_cast<uint32_t>(tank.at(position + 1)) << 8) |
           (static_cast<uint32_t>(tank.at(position + 2)) << 16) |
           (static_cast<uint32_t>(tank.at(position + 3)) << 24);
}

void refreshIndexCrc(std::vector<uint8_t> &tank) {
    const uint32_t indexOffset = getU32(tank, header_field::IndexOffset);
    const uint32_t indexSize = getU32(tank, header_field::IndexSize);
    putU32(tank, header_field::IndexCrc32,
           static_cast<uint32_t>(crc32_z(0, tank.data() + indexOffset, indexSize)));
}

} // namespace tankwriter
