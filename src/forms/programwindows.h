// SPDX-License-Identifier: MIT
#pragma once
#include "forms/windows/aboutform.h"
#include "forms/windows/helpform.h"
#include "forms/windows/highscoreform.h"
#include "forms/board/mainform.h"
#include "forms/windows/multiplayerform.h"
#include "forms/windows/tallylistform.h"
#include "forms/windows/tallymodel.h"

// The program's six windows, one of each for the whole run, and the tally
// they share. Members are created in declaration order: the settings are
// read (by main) before the tally file. The tally is the program's, not
// the tally window's: main saves it when it closes and it saves itself
// when a game ends, so nothing depends on the order of destruction.
struct ProgramWindows {
    explicit ProgramWindows(const ProgramFolder& folder, TmainSeams seams = {});

    Tmain main;
    TallyModel tally;
    Tabout about;
    Thelp help;
    Thighscore highscore;
    Ttallylist tallylist;
    Tmultiplayer multiplayer;
};
