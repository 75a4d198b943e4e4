// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The window controls that the hero model keeps up to date, as seen from the model. The window
// implements them with its widgets; none is owned by the model. When a control is destroyed the
// window tells the hero (TDSHero::DropDisplay), which clears every reference to it.

// A bar of a skill panel row: its width follows a level or the percent of a level.
class TDSBarDisplay {
public:
    virtual ~TDSBarDisplay() = default;
    virtual void SetWidth(int width) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Width in pixels for a position of 0..100 percent within a level.
    virtual int PercentToWidth(long double percent) const = 0;
    // Width in pixels for a displayed level.
    virtual int LevelToWidth(int level) const = 0;
};

// A text label.
class TDSLabelDisplay {
public:
    virtual ~TDSLabelDisplay() = default;
    virtual void SetCaption(const std::string &caption) = 0;
};

// The encoded content of an image file (a Windows bitmap for portraits).
using TDSImageData = std::vector<std::uint8_t>;

// The control that shows the hero's portrait; its picture is what a hero folder stores.
class TDSPortraitControl {
public:
    virtual ~TDSPortraitControl() = default;
    // Replaces the picture by the decoded image and repaints.
    virtual void ShowPortrait(const TDSImageData &image) = 0;
    // Loads the picture from a bitmap file; throws std::runtime_error "Bitmap image is not
    // valid" when the file is not a readable image.
    virtual void LoadPortraitFile(const std::string &path) = 0;
    // Writes the picture as a Windows bitmap; throws std::runtime_error "Cannot create file
    // <path>" when the file cannot be written.
    virtual void SavePortraitFile(const std::string &path) const = 0;
};

// The built-in portraits, numbered; number n of 0..3 is the default portrait of model n.
class TDSPortraitStore {
public:
    virtual ~TDSPortraitStore() = default;
    // The image of a built-in portrait, or empty data when there is none with that number.
    virtual TDSImageData BuiltInPortrait(int number) const = 0;
};
