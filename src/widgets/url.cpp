// SPDX-License-Identifier: MIT
#include "widgets/url.h"

#include <array>

#include "widgets/urlopener.h"

namespace {

// In the order of TURLType.
constexpr std::array<const char*, 10> kPrefixes{
    "file://", "ftp://", "gopher://", "http://", "https://", "mailto:", "news:", "telnet:", "wais:", "",
};

} // namespace

QString urlPrefix(TURLType type)
{
    const auto index = static_cast<std::size_t>(type);
    return index < kPrefixes.size() ? QString::fromLatin1(kPrefixes[index]) : QString();
}

TURL::TURL(QObject* parent, UrlOpener& opener) : QObject(parent), m_opener(&opener) {}

void TURL::setURL(const QString& url)
{
    m_url = url;
}

void TURL::setURLType(TURLType type)
{
    m_type = type;
}

QString TURL::fullAddress() const
{
    return urlPrefix(m_type) + m_url;
}

bool TURL::Open()
{
    if (m_url.isEmpty())
        return false;
    return m_opener->open(fullAddress());
}
