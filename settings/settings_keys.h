// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every name the settings file Thalrex.INI stores, in one place. Files written by earlier
// versions of the editor use these exact spellings, so they never change.
namespace SettingsKeys {

inline constexpr char fileName[] = "Thalrex.INI";

// Sections.
inline constexpr char mainSection[] = "Main";
inline constexpr char recentHeroesSection[] = "Main.Hero.RecentHeros";
inline constexpr char settingsListSection[] = "Main.moc.Data";
// Which save folder each hero folder's party lies in: folder=save folder lines.
inline constexpr char partyFoldersSection[] = "Main.Hero.PartyFolders";

// Keys of the main section.
inline constexpr char advanced[] = "Advanced1.Checked"; // "True" or "False"
inline constexpr char heroFolder[] = "Hero.Folder";
inline constexpr char portraitFolder[] = "dlgPic.InitialDir";
inline constexpr char partyFolder[] = "dlgOpenTank.InitialDir";
inline constexpr char saveFolder[] = "SaveFolder";
inline constexpr char windowTop[] = "FormTop";
inline constexpr char windowLeft[] = "FormLeft";
inline constexpr char trueValue[] = "True";
inline constexpr char falseValue[] = "False";

// Keys of a list section: Count, then Item0, Item1, ...
inline constexpr char listCount[] = "Count";
inline constexpr char listItem[] = "Item";

// Keys of the settings list (key=value lines of its section).
inline constexpr char tankCreator[] = "TankCreator";
inline constexpr char exportDialogAlways[] = "TankDlgAlways";
inline constexpr char exportDialogSource[] = "TankDlgSource";
inline constexpr char exportDialogOutput[] = "TankDlgOut";
// A model's head and skins: <model>head, <model>skin0, <model>skin1, ...
inline constexpr char modelHead[] = "head";
inline constexpr char modelSkin[] = "skin";

} // namespace SettingsKeys
