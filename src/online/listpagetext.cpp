// SPDX-License-Identifier: MIT
#include "online/listpagetext.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr QChar kBreakHere(0x200B); // zero-width space: a line may break here
constexpr int kMaxEntity = 12;      // "&thetasym;" and the like; longer is plain text

bool startsWithNoCase(const QString& text, qsizetype at, QLatin1String word)
{
    return QStringView(text).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// The end of the tag or comment that starts at `at` (one past its ">"), or
// the end of the text when it never closes.
qsizetype tagEnd(const QString& html, qsizetype at)
{
    if (startsWithNoCase(html, at, QLatin1String("<!--"))) {
        const qsizetype close = html.indexOf(QLatin1String("-->"), at + 4);
        return close < 0 ? html.size() : close + 3;
    }
    const qsizetype close = html.indexOf(QLatin1Char('>'), at + 1);
    return close < 0 ? html.size() : close + 1;
}

// An element whose content is not text to lay out but source (style sheets,
// scripts): it is copied whole, never broken.
QLatin1String rawElement(const QString& html, qsizetype at)
{
    for (QLatin1String name : {QLatin1String("style"), QLatin1String("script")}) {
        const qsizetype after = at + 1 + name.size();
        if (startsWithNoCase(html, at + 1, name) && after < html.size() &&
            (html[after] == QLatin1Char('>') || html[after].isSpace()))
            return name;
    }
    return QLatin1String();
}

// +1 for a tag that opens a box the layout nests (a list, a table, a quote,
// a division), -1 for one that closes it, 0 for any other.
int nestingStep(const QString& html, qsizetype at)
{
    const bool closing = at + 1 < html.size() && html[at + 1] == QLatin1Char('/');
    const qsizetype nameAt = at + (closing ? 2 : 1);
    for (QLatin1String name : {QLatin1String("ul"), QLatin1String("ol"), QLatin1String("dl"), QLatin1String("table"),
                               QLatin1String("blockquote"), QLatin1String("div")}) {
        const qsizetype after = nameAt + name.size();
        if (startsWithNoCase(html, nameAt, name) && after < html.size() &&
            (html[after] == QLatin1Char('>') || html[after] == QLatin1Char('/') || html[after].isSpace()))
            return closing ? -1 : 1;
    }
    return 0;
}

bool isCell(const QString& html, qsizetype at)
{
    return (startsWithNoCase(html, at, QLatin1String("<td")) || startsWithNoCase(html, at, QLatin1String("<th"))) &&
           at + 3 < html.size() && (html[at + 3] == QLatin1Char('>') || html[at + 3].isSpace());
}

bool isImage(const QString& html, qsizetype at)
{
    return startsWithNoCase(html, at, QLatin1String("<img")) && at + 4 < html.size() &&
           (html[at + 4] == QLatin1Char('>') || html[at + 4] == QLatin1Char('/') || html[at + 4].isSpace());
}

// The length of the character entity at `at` ("&amp;", "&#233;"), 0 when
// the "&" is a plain character.
qsizetype entityLength(const QString& html, qsizetype at)
{
    for (qsizetype i = at + 1; i < html.size() && i - at <= kMaxEntity; ++i) {
        const QChar c = html[i];
        if (c == QLatin1Char(';'))
            return i > at + 1 ? i - at + 1 : 0;
        if (!c.isLetterOrNumber() && c != QLatin1Char('#'))
            return 0;
    }
    return 0;
}

} // namespace

QString ListPageText::prepare(const QString& html)
{
    QString out;
    out.reserve(std::min<qsizetype>(html.size(), 2 * kMaxShownText) + kMaxShownText / kMaxRun + 64);
    int text = 0;
    int tags = 0;
    int nesting = 0;
    int tableDepth = 0;
    int cells = 0;
    int images = 0;
    int run = 0;
    qsizetype at = 0;
    while (at < html.size()) {
        const QChar c = html[at];
        if (c == QLatin1Char('<')) {
            // Empty elements cost the layout blocks and frames without any text.
            const int step = nestingStep(html, at);
            if (startsWithNoCase(html, at, QLatin1String(step < 0 ? "</table" : "<table")))
                tableDepth = std::max(0, tableDepth + step);
            // A table inside a table is laid out twice for its widths: each
            // level down, a cell costs double.
            if (isCell(html, at))
                cells += 1 << std::clamp(tableDepth - 1, 0, kMaxNesting);
            nesting = std::max(0, nesting + step);
            // Each image is an object the layout places one by one, even with
            // nothing to show.
            if (isImage(html, at))
                ++images;
            if (++tags > kMaxShownTags || cells > kMaxShownCells || nesting > kMaxNesting || images > kMaxShownImages)
                break;
            qsizetype end = tagEnd(html, at);
            const QLatin1String raw = rawElement(html, at);
            if (raw.size() > 0) {
                // The whole element, up to its closing tag, counts as text.
                const qsizetype close = html.indexOf(QLatin1String("</") + raw, end, Qt::CaseInsensitive);
                const qsizetype rawEnd = close < 0 ? html.size() : tagEnd(html, close);
                text += static_cast<int>(std::min<qsizetype>(rawEnd - end, kMaxShownText + 1));
                end = rawEnd;
            }
            if (text > kMaxShownText)
                break;
            out += QStringView(html).mid(at, end - at);
            at = end;
            continue; // the run goes on: "x<b></b>x" is one word to the layout

        }
        if (++text > kMaxShownText)
            break;
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kMaxRun) {
            out += kBreakHere;
            run = 1;
        }
        qsizetype length = c == QLatin1Char('&') ? entityLength(html, at) : 0;
        if (length == 0)
            length = c.isHighSurrogate() && at + 1 < html.size() && html[at + 1].isLowSurrogate() ? 2 : 1;
        out += QStringView(html).mid(at, length);
        at += length;
    }
    if (at < html.size())
        out += QStringLiteral("<p>%1</p>").arg(QCoreApplication::translate("ListPageText", kCutNote).toHtmlEscaped());
    return out;
}
