// SPDX-License-Identifier: MIT
#include "forms/programwindows.h"

#include "platform/makerhost.h"

ProgramWindows::ProgramWindows(const ProgramFolder& folder, TmainSeams seams)
    : main(folder, seams)
    , highscore(main.productkey, MakerHost::of(main.loadedSettings()))
    , tallylist(folder.tallyFile(main.productkey), main.dialogs())
{
    help.setAboutWindow(&about);
    main.setTally(&tallylist);
    main.setWindows({&about, &help, &highscore, &tallylist, &multiplayer});
}
