// SPDX-License-Identifier: MIT
#pragma once
#include "forms/windows/aboutwindow.h"
#include "forms/gamehistory.h"
#include "forms/windows/helpwindow.h"
#include "forms/windows/highscorewindow.h"
#include "forms/board/mainwindow.h"
#include "forms/windows/multiplayerwindow.h"
#include "forms/windows/tallylistwindow.h"
#include "forms/windows/tallymodel.h"

// The program's six windows, one of each for the whole run, and the tally
// they share. Members are created in declaration order: the settings are
// read (by main) before the tally file. The tally is the program's, not
// the tally window's: main saves it when it closes and it saves itself
// when a game ends, so nothing depends on the order of destruction.
struct ProgramWindows {
    explicit ProgramWindows(const ProgramFolder& folder, MainWindowSeams seams = {});

    MainWindow main;
    TallyModel tally;
    GameHistory* history; // a child of main: it hears main's game to the end
    AboutWindow about;
    HelpWindow help;
    HighScoreWindow highscore;
    TallyListWindow tallylist;
    MultiplayerWindow multiplayer;
};
