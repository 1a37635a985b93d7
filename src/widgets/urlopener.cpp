// SPDX-License-Identifier: MIT
#include "widgets/urlopener.h"

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

} // namespace

UrlOpener& UrlOpener::desktop()
{
    static DesktopOpener opener;
    return opener;
}
