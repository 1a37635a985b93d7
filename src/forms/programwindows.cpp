// SPDX-License-Identifier: MIT
#include "forms/programwindows.h"

#include "platform/makerhost.h"

namespace {

UrlOpener& openerOf(const TmainSeams& seams)
{
    return seams.urls != nullptr ? *seams.urls : UrlOpener::desktop();
}

} // namespace

ProgramWindows::ProgramWindows(const ProgramFolder& folder, TmainSeams seams)
    : main(folder, seams)
    , about(nullptr, openerOf(seams))
    , highscore(main.productkey, MakerHost::of(main.loadedSettings()), nullptr, openerOf(seams))
    , tallylist(folder.tallyFile(main.productkey), main.dialogs())
    , multiplayer(nullptr, openerOf(seams))
{
    help.setAboutWindow(&about);
    main.setTally(&tallylist);
    main.setWindows({&about, &help, &highscore, &tallylist, &multiplayer});
}
