// SPDX-License-Identifier: MIT
#include "online/querytext.h"

QString percentEncodeQueryValue(const QString& value)
{
    static const char kHex[] = "0123456789ABCDEF";
    QString out;
    for (const unsigned char c : value.toUtf8()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            out += QLatin1Char(static_cast<char>(c));
        } else {
            out += QLatin1Char('%');
            out += QLatin1Char(kHex[c >> 4]);
            out += QLatin1Char(kHex[c & 15]);
        }
    }
    return out;
}
