#include "forms/programwindows.h"

#include "platform/makerhost.h"

ProgramWindows::ProgramWindows(TmainSeams seams)
    : main(seams)
    , highscore(main.productkey, MakerHost::of(main.loadedSettings()))
    , tallylist(main.productkey)
{
    help.setAboutWindow(&about);
    main.setTally(&tallylist);
    main.setWindows({&about, &help, &highscore, &tallylist, &multiplayer});
}
