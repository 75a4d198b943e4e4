// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_portraits.h"

#include <QFile>

#include <stdexcept>

namespace {

const char *const Files[TfrmPortraits::Count] = {
    ":/portraits/0-farmboy.bmp",  ":/portraits/1-farmgirl.bmp",  ":/portraits/2-dwarf.bmp",
    ":/portraits/3-skeleton.bmp", ":/portraits/4-skullhelm.bmp", ":/portraits/5-skullward.bmp",
};

} // namespace

TfrmPortraits::TfrmPortraits() {
    for (int n = 0; n < Count; ++n) {
        QFile file(QString::fromLatin1(Files[n]));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(std::string("Built-in portrait missing: ") + Files[n]);
        files[n] = file.readAll();
    }
}

TDSImageData TfrmPortraits::BuiltInPortrait(int number) const {
    if (number < 0 || number >= Count)
        return {};
    const QByteArray &file = files[number];
    return TDSImageData(file.begin(), file.end());
}

QImage PortraitBitmap(const TfrmPortraits &portraits, int n) {
    const TDSImageData data = portraits.BuiltInPortrait(n);
    return QImage::fromData(data.data(), static_cast<int>(data.size()), "BMP");
}
