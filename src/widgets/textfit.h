// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

// Captions that do not fit their place: first a smaller font, down to a
// floor where they stay readable, then wrapped onto more lines. Never cut.
namespace textfit {

// The smallest share of its own size a caption's font is shrunk to.
inline constexpr qreal kFloor = 0.7;

struct Fit {
    QFont font;
    bool wrap = false;
    // A word longer than the line is broken inside it.
    bool anywhere = false;
    // Text flags for QPainter::drawText and QFontMetrics::boundingRect.
    [[nodiscard]] int flags(Qt::Alignment alignment) const;
};

// The largest font from `font` down to kFloor of it at which every line of
// `text` fits `box` on one line; if none does, the floor size, wrapped.
// Text that wraps anyway (`wrapped`) only shrinks until its lines fit.
[[nodiscard]] Fit fit(const QFont& font, const QString& text, QSize box, bool wrapped = false);

// Applies fit() to a plain-text label's own text and contents. Rich text
// is left alone.
void fitLabel(QLabel* label);

} // namespace textfit
