// SPDX-License-Identifier: MIT
#pragma once
#include "forms/aboutform.h"
#include "forms/helpform.h"
#include "forms/highscoreform.h"
#include "forms/mainform.h"
#include "forms/multiplayerform.h"
#include "forms/tallylistform.h"

// The program's six windows, one of each for the whole run. Members are
// created in declaration order and destroyed in the reverse one, which is
// the order the program depends on: the settings are read before the
// tally, the tally file's name comes from main, and destroying tallylist
// (before main goes) writes the tally file.
struct ProgramWindows {
    explicit ProgramWindows(const ProgramFolder& folder, TmainSeams seams = {});

    Tmain main;
    Tabout about;
    Thelp help;
    Thighscore highscore;
    Ttallylist tallylist;
    Tmultiplayer multiplayer;
};
