// SPDX-License-Identifier: MIT
#include "forms/programwindows.h"

#include "platform/dialogservice.h"
#include "platform/makerhost.h"

namespace {

UrlOpener& openerOf(const MainWindowSeams& seams)
{
    return seams.urls != nullptr ? *seams.urls : UrlOpener::desktop();
}

} // namespace

ProgramWindows::ProgramWindows(const ProgramFolder& folder, MainWindowSeams seams)
    : main(folder, seams)
    , tally(folder.tallyFile(main.productkey))
    , history(new GameHistory(main, folder.historyFile()))
    , about(nullptr, openerOf(seams))
    , highscore(MakerHost::of(main.loadedSettings()), nullptr, openerOf(seams))
    , tallylist(tally, main.dialogs())
    , multiplayer(nullptr, openerOf(seams))
{
    help.setAboutWindow(&about);
    if (const QString problem = tally.load(); !problem.isEmpty())
        main.dialogs().error(nullptr, problem);
    main.setTally(&tally);
    main.setWindows({&about, &help, &highscore, &tallylist, &multiplayer});
}
