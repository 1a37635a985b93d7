#include <QApplication>
#include "forms/formlayout.h"
#include "forms/mainform.h"
#include <cstdio>
#include <cstdlib>

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
} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("pelbixsolo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelbix Solo"));
    installFontSubstitutions();
    initFormResources();
    Tmain main;
    main.show();
    return QApplication::exec();
}
