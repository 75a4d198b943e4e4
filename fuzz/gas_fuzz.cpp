// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes TBowels::Load on file contents. Load either builds a tree or fails with EDSFailed; a tree
// it built must read back from its written text with the same blocks and statements. The writer
// puts blanks around a statement's first "=", and reading drops blanks outside quotes, so statement
// texts are compared without their blanks (an "=" inside quotes keeps the blanks written there).

#include "gas/bowels.h"
#include "gas/errors.h"

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
const std::string &InputFile(const uint8_t *data, size_t size) {
    static const int fd = memfd_create("gas_fuzz", 0);
    static const std::string name = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::perror("gas_fuzz: in-memory file");
        std::abort();
    }
    return name;
}

std::string WithoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

[[noreturn]] void Fail(const char *what, const std::string &written) {
    std::fprintf(stderr, "gas_fuzz: %s\n--- written text:\n%s\n", what, written.c_str());
    std::abort();
}

// Walks both trees side by side without recursion (inputs may nest blocks very deeply).
void ExpectSameTree(const TGasBlock &original, const TGasBlock &reread,
                    const std::string &written) {
    std::vector<std::pair<const TGasBlock *, const TGasBlock *>> pending{{&original, &reread}};
    while (!pending.empty()) {
        auto [a, b] = pending.back();
        pending.pop_back();
        if (a->size() != b->size())
            Fail("a block reads back with a different number of entries", written);
        for (size_t i = 0; i < a->size(); ++i) {
            const TGasEntry &x = (*a)[i], &y = (*b)[i];
            if (bool(x.Child) != bool(y.Child))
                Fail("a block reads back as a statement or the other way round", written);
            if (x.Child ? x.Text != y.Text : WithoutBlanks(x.Text) != WithoutBlanks(y.Text))
                Fail("an entry reads back with a different text", written);
            if (x.Child)
                pending.emplace_back(x.Child.get(), y.Child.get());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TBowels doc;
    try {
        doc.Load(InputFile(data, size));
    } catch (const EDSFailed &) {
        return 0;
    }
    const std::string written = doc.Text();
    TBowels again;
    again.SetLines(written);
    try {
        again.Load();
    } catch (const EDSFailed &failure) {
        Fail(failure.what(), written);
    }
    ExpectSameTree(doc.Root, again.Root, written);
    return 0;
}
