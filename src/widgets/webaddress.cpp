// SPDX-License-Identifier: MIT
#include "widgets/webaddress.h"

#include <array>

#include "widgets/urlopener.h"

namespace {

// In the order of WebAddressType.
constexpr std::array<const char*, 10> kPrefixes{
    "file://", "ftp://", "gopher://", "http://", "https://", "mailto:", "news:", "telnet:", "wais:", "",
};

} // namespace

QString urlPrefix(WebAddressType type)
{
    const auto index = static_cast<std::size_t>(type);
    return index < kPrefixes.size() ? QString::fromLatin1(kPrefixes[index]) : QString();
}

WebAddress::WebAddress(QObject* parent, UrlOpener& opener) : QObject(parent), m_opener(&opener) {}

void WebAddress::setURL(const QString& url)
{
    m_url = url;
}

void WebAddress::setURLType(WebAddressType type)
{
    m_type = type;
}

QString WebAddress::fullAddress() const
{
    return urlPrefix(m_type) + m_url;
}

bool WebAddress::Open()
{
    if (m_url.isEmpty())
        return false;
    return m_opener->open(fullAddress());
}
