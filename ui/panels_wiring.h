// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TDSSkillPanels;
class TfrmMain;

// Builds the skill panels into the window's lower panel, binds them to the window's hero, gives
// the hero its built-in portraits, and wires the Edit menu's Name, Gold, Model and Portrait
// commands. The window destroys its controls before its hero, so the panels are gone (and have
// cleared the hero's references to them) by the time the hero is.
TDSSkillPanels *AttachSkillPanels(TfrmMain &window);
