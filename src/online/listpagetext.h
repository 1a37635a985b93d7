// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Makes a downloaded list page safe to lay out: whatever the server sends,
// the viewer gets at most kMaxShownText characters of text, kMaxShownTags
// tags, kMaxShownCells table cells (a cell in a nested table counting double
// per level), kMaxShownImages images and kMaxNesting lists, tables, quotes or
// divisions inside each other (the page is cut at a tag boundary past any of
// them, with a note),
// and no run of more than kMaxRun characters without a place to break the
// line. Laying out what is left takes a bounded time, so the window keeps
// answering.
class ListPageText {
public:
    static constexpr int kMaxRun = 64;
    static constexpr int kMaxShownText = 32 * 1024;
    static constexpr int kMaxShownTags = 4096;
    static constexpr int kMaxShownCells = 600;
    static constexpr int kMaxShownImages = 200; // 4096 empty ones still took the layout 2 s
    static constexpr int kMaxNesting = 8; // nested tables cost the layout twice per level
    static constexpr const char* kCutNote = QT_TRANSLATE_NOOP("ListPageText", "The rest of the page is not shown.");

    [[nodiscard]] static QString prepare(const QString& html);
};
