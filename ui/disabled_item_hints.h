// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;
class QStatusBar;

// A menu shows the status text of an item under the pointer only while the item is enabled. This
// shows a disabled item's status text in the status bar too, for every menu of the bar.
void showDisabledItemHints(QMenuBar *bar, QStatusBar *status);
