// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "forms/art/formlayout.h"
#include "forms/programwindows.h"
#include "platform/desktopidentity.h"
#include "platform/programfolder.h"
#include "platform/sessionend.h"
#include "platform/translations.h"

namespace {
// Qt aborts with a long message when no windowing system can be reached;
// a player deserves one line instead.
bool displayAvailable()
{
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// A display that is named but cannot be opened (an X server gone, a
// session's variables inherited by ssh) ends in Qt's fatal message and an
// abort with a core dump. While the application is being made, a fatal
// message means just that: say so in one line and end with status 1.
QtMessageHandler qtHandler = nullptr;

void endWhenNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (qtHandler != nullptr)
            qtHandler(type, context, message);
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    std::fprintf(stderr, "pelbixsolo: cannot open the display (DISPLAY=%s, WAYLAND_DISPLAY=%s); start it from a "
                         "desktop session.\n",
                 display != nullptr ? display : "", wayland != nullptr ? wayland : "");
    std::fflush(stderr);
    std::_Exit(1);
}
} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("pelbixsolo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    // The menu stays in the window, where the board's layout expects it. A
    // desktop-wide menu would also have the window ask the session bus for
    // one before it can show, which starts a bus where none runs.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    qtHandler = qInstallMessageHandler(endWhenNoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QStringLiteral("Pelbix Solo"));
    desktopidentity::apply();
    // Before any window exists, so every text is made in the player's language.
    translations::install(app, ProgramFolder::translationsFolder(QCoreApplication::applicationDirPath()),
                          QLocale::system().uiLanguages());
    // Only closing the main window ends the program; the others just hide.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    initFormResources();

    // A session ending closes the program the way Exit does. The handler is
    // in place before the windows are made, so a signal that arrives while
    // they are being made waits for the event loop instead of killing the
    // program with nothing saved.
    SessionEnd sessionEnd;
    ProgramWindows windows(ProgramFolder::atStartup());
    QObject::connect(&sessionEnd, &SessionEnd::requested, &windows.main, &MainWindow::close);

    windows.main.show();
    return QApplication::exec();
}
