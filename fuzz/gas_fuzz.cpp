// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes GasDocument::Load on file contents. Load either builds a tree or fails with
// OperationError; a tree it built must read back from its written text with the same blocks and
// statements. The writer puts blanks around a statement's first "=", and reading drops blanks
// outside quotes, so statement texts are compared without their blanks (an "=" inside quotes keeps
// the blanks written there).

#include "gas/errors.h"
#include "gas/gas_document.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

// The input goes through a real file read: one in-memory file, rewritten for every input.
const std::string &inputFile(const uint8_t *data, size_t size) {
    static const int fd = memfd_create("gas_fuzz", 0);
    static const std::string name = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::perror("gas_fuzz: in-memory file");
        std::abort();
    }
    return name;
}

std::string withoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

[[noreturn]] void fail(const char *what, const std::string &written) {
    std::fprintf(stderr, "gas_fuzz: %s\n--- written text:\n%s\n", what, written.c_str());
    std::abort();
}

// Walks both trees side by side without recursion (inputs may nest blocks very deeply).
void expectSameTree(const GasBlock &original, const GasBlock &reread, const std::string &written) {
    std::vector<std::pair<const GasBlock *, const GasBlock *>> pending{{&original, &reread}};
    while (!pending.empty()) {
        auto [a, b] = pending.back();
        pending.pop_back();
        if (a->size() != b->size())
            fail("a block reads back with a different number of entries", written);
        for (size_t i = 0; i < a->size(); ++i) {
            const GasNode &x = (*a)[i], &y = (*b)[i];
            if (bool(x.child) != bool(y.child))
                fail("a block reads back as a statement or the other way round", written);
            if (x.child ? x.text != y.text : withoutBlanks(x.text) != withoutBlanks(y.text))
                fail("an entry reads back with a different text", written);
            if (x.child)
                pending.emplace_back(x.child.get(), y.child.get());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    GasDocument doc;
    try {
        doc.load(inputFile(data, size));
    } catch (const OperationError &) {
        return 0;
    }
    const std::string written = doc.text();
    GasDocument again;
    again.setLines(written);
    try {
        again.load();
    } catch (const OperationError &failure) {
        fail(failure.what(), written);
    }
    expectSameTree(doc.root(), again.root(), written);
    return 0;
}
