// SPDX-License-Identifier: MIT
#include "controls/urlopener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {

class DesktopOpener final : public UrlOpener {
public:
    bool open(const QString& address) override
    {
        // Tolerant parsing keeps the address as typed; an address that is no
        // URL at all is refused like any other the desktop cannot open.
        const QUrl url(address, QUrl::TolerantMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

DesktopOpener g_desktop;
UrlOpener* g_installed = nullptr;

} // namespace

UrlOpener& UrlOpener::current()
{
    return g_installed != nullptr ? *g_installed : static_cast<UrlOpener&>(g_desktop);
}

UrlOpener* UrlOpener::install(UrlOpener* opener)
{
    UrlOpener* previous = g_installed;
    g_installed = opener;
    return previous;
}
