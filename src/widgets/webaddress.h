// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>

#include "widgets/urlopener.h"

// Which scheme prefix WebAddress puts in front of its address.
enum class WebAddressType { File, Ftp, Gopher, Http, Https, Mailto, News, Telnet, Wais, None };

// The text WebAddressType puts in front of an address ("" for None).
[[nodiscard]] QString urlPrefix(WebAddressType type);

// A window-less component holding an address without its scheme and the
// kind of address; Open() hands the full address to the desktop.
class WebAddress : public QObject {
    Q_OBJECT
public:
    // opener receives every full address Open() hands on; it must outlive this.
    explicit WebAddress(QObject* parent = nullptr, UrlOpener& opener = UrlOpener::desktop());

    void setURL(const QString& url);
    [[nodiscard]] QString URL() const { return m_url; }
    void setURLType(WebAddressType type);
    [[nodiscard]] WebAddressType URLType() const { return m_type; }

    // The prefix of URLType followed by URL, whole at any length: cutting it
    // would open a different address.
    [[nodiscard]] QString fullAddress() const;

    // False, and nothing opened, for an empty URL; otherwise whether the
    // desktop accepted the full address.
    bool Open();

private:
    UrlOpener* m_opener;
    QString m_url;
    WebAddressType m_type = WebAddressType::Http;
};
