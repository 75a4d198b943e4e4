// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// Displays that remember what they were told, with the measures of a 201-pixel skill bar.
// With a log, each call also appends "<name>.<what>" to it, so tests can check the order of
// display updates against events.
class FakeBar : public TDSBarDisplay {
public:
    explicit FakeBar(std::string name = {}, std::vector<std::string> *log = nullptr)
        : name_(std::move(name)), log_(log) {}

    void SetWidth(int width) override {
        Width = width;
        ++Updates;
        Log("width");
    }
    void SetVisible(bool visible) override {
        Visible = visible;
        ++Updates;
        Log("visible");
    }
    int PercentToWidth(long double percent) const override {
        const long double w = std::trunc(std::round(percent * (ParentWidth - 1) / 100));
        return std::min<int>(ParentWidth - 2, static_cast<int>(w));
    }
    int LevelToWidth(int level) const override {
        return static_cast<int>((ParentWidth - 1) / 150.0 * level) + 1;
    }

    static constexpr int ParentWidth = 201;
    int Width = -1;
    bool Visible = false;
    int Updates = 0;

private:
    void Log(const char *what) {
        if (log_)
            log_->push_back(name_ + "." + what);
    }
    std::string name_;
    std::vector<std::string> *log_;
};

class FakeLabel : public TDSLabelDisplay {
public:
    explicit FakeLabel(std::string name = {}, std::vector<std::string> *log = nullptr)
        : name_(std::move(name)), log_(log) {}

    void SetCaption(const std::string &caption) override {
        Captions.push_back(caption);
        if (log_)
            log_->push_back(name_ + ".caption");
    }
    std::string Caption() const {
        return Captions.empty() ? std::string("<unset>") : Captions.back();
    }

    std::vector<std::string> Captions;

private:
    std::string name_;
    std::vector<std::string> *log_;
};

// The five displays of one skill panel row, bound to an attribute.
struct FakeRow {
    explicit FakeRow(const std::string &name = {}, std::vector<std::string> *log = nullptr)
        : Experience(name + ".E", log), Delta(name + ".D", log), Level(name + ".L", log),
          LevelLabel(name + ".lblL", log), PctLabel(name + ".lblE", log) {}

    template <typename Attribute> void Bind(Attribute &a) {
        a.SetBarExperience(&Experience);
        a.SetBarDelta(&Delta);
        a.SetBarLevel(&Level);
        a.SetLblLevel(&LevelLabel);
        a.SetLblPct(&PctLabel);
    }

    FakeBar Experience, Delta, Level;
    FakeLabel LevelLabel, PctLabel;
};
