// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EditorSession;
class QWidget;

// The Edit menu's commands on the session's hero. Each dialog answers the old value when
// cancelled, and the hero's setters change and notify only when the value differs.

// Name...: the name dialog with the hero's name.
void editHeroName(QWidget *parent, EditorSession &session);
// Gold...: the gold dialog with the hero's gold.
void editHeroGold(QWidget *parent, EditorSession &session);
// Model...: the model dialog with the hero's model.
void editHeroModel(QWidget *parent, EditorSession &session);

// Portrait > Custom...: lets the user pick a bitmap file and makes it the hero's portrait,
// marking the hero modified. The picker starts in the kept portrait folder, which becomes the
// chosen file's folder. A file that is not a readable bitmap throws std::runtime_error and
// changes nothing.
void choosePortraitFile(EditorSession &session);
