// SPDX-License-Identifier: MIT
#pragma once

// The object names of the main window's board and of the windows' panels.
// Keys, accessibility, the coach and the tests find these widgets by name,
// so each name is spelt here once.
namespace objectname {
inline constexpr char kBoardFrame[] = "panel_board"; // the sunken frame around the board
inline constexpr char kBoard[] = "panel_board1";     // the board itself, parent of the panels below
inline constexpr char kClearedPanel[] = "panel_cleared";
inline constexpr char kNamePanel[] = "panel_name";
inline constexpr char kUpdatePanel[] = "panel_update";
inline constexpr char kWaitPanel[] = "panel_wait";
inline constexpr char kMainPanel[] = "panel_main"; // a secondary window's main area
inline constexpr char kSidePanel[] = "panel_side"; // the help window's page buttons
inline constexpr char kKeysPanel[] = "panel_keys"; // the shortcuts window's list
inline constexpr char kTallyPanel[] = "panel_tally";
inline constexpr char kPauseTimer[] = "Timer2"; // the pause between a roll's end and what follows
} // namespace objectname
