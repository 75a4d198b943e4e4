// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/built_in_portraits.h"

#include <QFile>

#include <stdexcept>

namespace {

const char *const files[BuiltInPortraits::count] = {
    ":/portraits/0-farmboy.bmp",  ":/portraits/1-farmgirl.bmp",  ":/portraits/2-dwarf.bmp",
    ":/portraits/3-skeleton.bmp", ":/portraits/4-skullhelm.bmp", ":/portraits/5-skullward.bmp",
};

} // namespace

BuiltInPortraits::BuiltInPortraits() {
    for (int n = 0; n < count; ++n) {
        QFile file(QString::fromLatin1(files[n]));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(std::string("Built-in portrait missing: ") + files[n]);
        m_files[n] = file.readAll();
    }
}

ImageBytes BuiltInPortraits::builtInPortrait(int number) const {
    if (number < 0 || number >= count)
        return {};
    const QByteArray &file = m_files[number];
    return ImageBytes(file.begin(), file.end());
}
