// SPDX-License-Identifier: MIT
#pragma once
#include "forms/aboutform.h"
#include "forms/gamehistory.h"
#include "forms/helpform.h"
#include "forms/highscoreform.h"
#include "forms/mainform.h"
#include "forms/multiplayerform.h"
#include "forms/tallylistform.h"
#include "forms/tallymodel.h"

// The program's six windows, one of each for the whole run, and the tally
// they share. Members are created in declaration order: the settings are
// read (by main) before the tally file. The tally is the program's, not
// the tally window's: main saves it when it closes and it saves itself
// when a game ends, so nothing depends on the order of destruction.
struct ProgramWindows {
    explicit ProgramWindows(const ProgramFolder& folder, TmainSeams seams = {});

    Tmain main;
    TallyModel tally;
    GameHistory* history; // a child of main: it hears main's game to the end
    Tabout about;
    Thelp help;
    Thighscore highscore;
    Ttallylist tallylist;
    Tmultiplayer multiplayer;
};
