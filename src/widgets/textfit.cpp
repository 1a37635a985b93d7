// SPDX-License-Identifier: MIT
#include "widgets/textfit.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>

#include <cmath>

namespace textfit {
namespace {

bool fitsWrapped(const QFont& font, const QString& text, QSize box)
{
    const QRect room(QPoint(0, 0), box);
    return QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text).height() <= box.height();
}

bool fitsOneLine(const QFont& font, const QString& text, QSize box)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (metrics.height() * lines.size() > box.height() + 0.5)
        return false;
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(line) > box.width() + 0.5)
            return false;
    return true;
}

// One step smaller: pixel-sized fonts go by pixels, others by half points.
bool shrink(QFont& font, qreal floor)
{
    if (font.pixelSize() > 0) {
        if (font.pixelSize() - 1 < floor)
            return false;
        font.setPixelSize(font.pixelSize() - 1);
    } else {
        if (font.pointSizeF() - 0.5 < floor)
            return false;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return true;
}

} // namespace

int Fit::flags(Qt::Alignment alignment) const
{
    const int wrapping = anywhere ? Qt::TextWrapAnywhere : wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    return int(alignment) | wrapping;
}

Fit fit(const QFont& font, const QString& text, QSize box, bool wrapped)
{
    Fit result{font, wrapped};
    const qreal floor = (font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF()) * kFloor;
    if (wrapped) {
        while (!fitsWrapped(result.font, text, box) && shrink(result.font, floor)) {
        }
        return result;
    }
    while (!fitsOneLine(result.font, text, box))
        if (!shrink(result.font, floor)) {
            result.wrap = true;
            break;
        }
    if (result.wrap) {
        const QFontMetricsF metrics(result.font);
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            result.anywhere = result.anywhere || metrics.horizontalAdvance(word) > box.width();
    }
    return result;
}

void fitLabel(QLabel* label)
{
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return;
    const Fit fitted = fit(label->font(), label->text(), label->contentsRect().size(), label->wordWrap());
    if (fitted.font != label->font())
        label->setFont(fitted.font);
    label->setWordWrap(fitted.wrap);
}

} // namespace textfit
