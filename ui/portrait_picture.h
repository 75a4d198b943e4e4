// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/portrait.h"

#include <QImage>
#include <QString>

#include <optional>

// The side of a portrait the editor makes from a picture.
inline constexpr int portraitSide = 64;

// The portrait a picture file makes, the one rule of the picker's preview, Custom... and a picture
// dropped on the portrait: a Windows bitmap is taken as it is; any other picture Qt reads is
// scaled to cover 64 x 64, centre-cropped and stored as a 24-bit Windows bitmap. Nothing when the
// file is no picture.
std::optional<ImageBytes> portraitFromFile(const QString &path);

// The picture of a portrait's bitmap; a null image when it cannot be decoded.
QImage portraitPicture(const ImageBytes &bitmap);

// Whether every pixel of the picture is black, as in some heroes saved under Wine.
bool isAllBlack(const QImage &picture);
