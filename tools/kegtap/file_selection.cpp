// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/file_selection.h"

#include "tools/path_pattern.h"
#include "tools/terminal_text.h"

namespace kegtapcli {

std::vector<size_t> selectFiles(const TankFile &tank, const std::vector<std::string> &patterns) {
    std::vector<size_t> selected;
    std::vector<bool> used(patterns.size());
    for (size_t i = 0; i < tank.fileCount(); ++i) {
        const std::string path = tank.file(i).path;
        bool wanted = patterns.empty();
        for (size_t p = 0; p < patterns.size(); ++p)
            if (matchesPattern(patterns[p], path))
                wanted = used[p] = true;
        if (wanted)
            selected.push_back(i);
    }
    for (size_t p = 0; p < patterns.size(); ++p)
        if (!used[p])
            throw Failure(Damaged, "no file matches '" + shownText(patterns[p]) + "'");
    return selected;
}

} // namespace kegtapcli
