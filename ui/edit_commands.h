// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EditorSession;
class QString;
class QWidget;

// The Edit menu's commands on the session's hero. Each dialog answers the old value when
// cancelled, and the hero's setters change and notify only when the value differs.

// Name...: the name dialog with the hero's name.
void editHeroName(QWidget *parent, EditorSession &session);
// Gold...: the gold dialog with the hero's gold.
void editHeroGold(QWidget *parent, EditorSession &session);
// Model...: the model dialog with the hero's model.
void editHeroModel(QWidget *parent, EditorSession &session);

// Portrait > Custom...: lets the user pick a picture and makes the portrait it makes the hero's,
// marking the hero modified. The picker starts in the kept portrait folder, which becomes the
// chosen file's folder. A file that is no picture throws std::runtime_error "Bitmap image is not
// valid" and changes nothing.
void choosePortraitFile(EditorSession &session);
// The portrait a picture file makes becomes the hero's (a picture dropped on the portrait).
void setPortraitFromFile(EditorSession &session, const QString &path);
// The portrait picker's filter: every picture format Qt reads first, then bitmaps alone.
QString pictureFilter();
