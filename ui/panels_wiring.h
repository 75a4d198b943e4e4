#pragma once

class TDSSkillPanels;
class TfrmMain;

// Builds the skill panels into the window's lower panel, binds them to the window's hero, gives
// the hero its built-in portraits, and wires the Edit menu's Name, Gold, Model and Portrait
// commands. The window calls TDSSkillPanels::HeroRemoved before its hero goes away.
TDSSkillPanels *AttachSkillPanels(TfrmMain &window);
