// SPDX-License-Identifier: GPL-3.0-or-later
// Writes small Tank files of every content form into the folder given as the argument.
#include "kegtap/writer/tank_writer.h"

#include <fstream>
#include <iostream>
#include <string>

using tankwriter::Format;
using tankwriter::Node;
using tankwriter::Storage;

namespace {

std::vector<uint8_t> text(size_t length) {
    const std::string line =
        "[t:template,n:actor]\r\n{\r\n\tdoc = \"x\";\r\n\tmelee = 0.25;\r\n}\r\n";
    std::vector<uint8_t> out;
    while (out.size() < length)
        out.insert(out.end(), line.begin(), line.end());
    out.resize(length);
    return out;
}

std::vector<uint8_t> noise(size_t length) {
    std::vector<uint8_t> out(length);
    uint32_t x = 2463534242u;
    for (uint8_t &b : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    return out;
}

void save(const std::string &folder, const std::string &name, const Node &root) {
    std::vector<uint8_t> tank = tankwriter::buildTank(root);
    tank[0] |= 1; // the harness keeps the index checksum matching
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char *>(tank.data()),
               static_cast<std::streamsize>(tank.size()));
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    save(folder, "raw.tank",
         Node::folder("", {Node::file("Info.gas", text(300), {Format::Raw, 0, 0})}));
    save(folder, "zlib_block.tank",
         Node::folder("", {Node::file("a.gas", text(700), {Format::Zlib, 0, 0})}));
    save(folder, "zlib_chunks.tank",
         Node::folder("", {Node::file("a.gas", text(1500), {Format::Zlib, 512, 7}),
                           Node::file("b.bin", noise(200), {Format::Zlib, 128, 0})}));
    save(folder, "lzo_block.tank",
         Node::folder("", {Node::file("a.gas", text(700), {Format::Lzo, 0, 0})}));
    save(folder, "lzo_chunks.tank",
         Node::folder("", {Node::file("a.gas", text(1500), {Format::Lzo, 512, 5}),
                           Node::file("b.bin", noise(300), {Format::Lzo, 256, 0})}));
    save(folder, "tree.tank",
         Node::folder("",
                      {Node::folder("world", {Node::folder("maps", {Node::file("m.gas", text(90))}),
                                              Node::folder("empty", {})}),
                       Node::file("empty.gas", {}), Node::file("Party.gas", text(120))}));
    // Windows-1252 names, which become UTF-8 paths: Über/Größe €.gas, Ÿa.gas
    const std::string uber = std::string("\xDC") + "ber",
                      grosse = std::string("Gr\xF6\xDF") + "e \x80.gas";
    save(folder, "names.tank",
         Node::folder("",
                      {Node::folder(uber, {Node::file(grosse, text(80))}),
                       Node::file(std::string("\x9F") + "a.gas", text(40), {Format::Raw, 0, 0})}));
    return 0;
}
