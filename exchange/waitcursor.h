// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows the hourglass cursor for its lifetime, or until restore().
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void restore();

private:
    bool active = true;
};
