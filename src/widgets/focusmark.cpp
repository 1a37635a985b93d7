// SPDX-License-Identifier: MIT
#include "widgets/focusmark.h"

#include <QFocusEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "widgets/storedcolor.h"

namespace {

// Focus that leaves and comes back with the window or a pop-up returns to
// the same control: it keeps the way it first arrived.
bool returnsWithWindow(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

void fillRing(QPainter& canvas, const QRect& edge, Rgb colour)
{
    const QColor c = qcolor(colour);
    const int w = FocusMark::kWidth;
    canvas.fillRect(edge.left(), edge.top(), edge.width(), w, c);
    canvas.fillRect(edge.left(), edge.bottom() - w + 1, edge.width(), w, c);
    canvas.fillRect(edge.left(), edge.top(), w, edge.height(), c);
    canvas.fillRect(edge.right() - w + 1, edge.top(), w, edge.height(), c);
}

} // namespace

void FocusMark::focusIn(const QFocusEvent* event)
{
    if (!returnsWithWindow(event->reason()))
        m_byMouse = event->reason() == Qt::MouseFocusReason;
}

void FocusMark::focusOut(const QFocusEvent* event)
{
    if (!returnsWithWindow(event->reason()))
        m_byMouse = false;
}

bool FocusMark::shown(const QWidget* control) const
{
    return !m_byMouse && control->hasFocus() && control->isActiveWindow();
}

QRect FocusMark::outerEdge(const QRect& area) { return area.adjusted(kInset, kInset, -kInset, -kInset); }

void FocusMark::paint(QPainter& canvas, const QRect& area, Rgb ground)
{
    const QRect edge = outerEdge(area);
    if (edge.width() < 2 * kWidth || edge.height() < 2 * kWidth)
        return;
    fillRing(canvas, edge, colours::markOn(ground));
}

void FocusMark::paint(QPainter& canvas, const QRect& area, const QImage& under, Rgb behind)
{
    const QRect edge = outerEdge(area);
    if (edge.width() < 2 * kWidth || edge.height() < 2 * kWidth)
        return;
    const double behindLuminance = colours::luminance(behind);
    const QImage pixels = under.convertToFormat(QImage::Format_ARGB32);
    const auto luminanceAt = [&](int x, int y) {
        if (!pixels.valid(x, y) || qAlpha(pixels.pixel(x, y)) < 128)
            return behindLuminance;
        return colours::luminance(rgbOf(QColor(pixels.pixel(x, y))));
    };
    // Each side takes the colour that stands out from what that side lies
    // on: a slot's ring can run over the card's dark row number on one side
    // and its pale field on the others.
    const int w = kWidth;
    const QRect sides[] = {
        {edge.left(), edge.top(), edge.width(), w},
        {edge.left(), edge.bottom() - w + 1, edge.width(), w},
        {edge.left(), edge.top() + w, w, edge.height() - 2 * w},
        {edge.right() - w + 1, edge.top() + w, w, edge.height() - 2 * w},
    };
    for (const QRect& side : sides) {
        std::vector<double> ground;
        ground.reserve(static_cast<std::size_t>(side.width() * side.height()));
        for (int y = side.top(); y <= side.bottom(); ++y)
            for (int x = side.left(); x <= side.right(); ++x)
                ground.push_back(luminanceAt(x, y));
        canvas.fillRect(side, qcolor(colours::markOver(ground)));
    }
}

namespace {

// No pixel of the control lies inside all of its parents.
bool isClippedAway(const QWidget* control)
{
    QRect seen = control->rect();
    for (const QWidget* w = control; !seen.isEmpty() && !w->isWindow() && w->parentWidget() != nullptr;
         w = w->parentWidget())
        seen = seen.translated(w->pos()).intersected(w->parentWidget()->rect());
    return seen.isEmpty();
}

} // namespace

bool passFocusIfUnseen(QWidget* control, const QFocusEvent* event)
{
    if (!isClippedAway(control))
        return false;
    // A window of nothing but unseen controls would pass the focus round for
    // ever; one hand-on per event chain is enough to find a seen control.
    static int passing = 0;
    if (passing > 0)
        return false;
    ++passing;
    QWidget* window = control->window();
    const bool forward = event->reason() != Qt::BacktabFocusReason;
    QWidget* next = forward ? control->nextInFocusChain() : control->previousInFocusChain();
    while (next != control && next != nullptr
           && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(window) || !next->isEnabled()
               || isClippedAway(next) || next->window() != window))
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    if (next != nullptr && next != control)
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    --passing;
    return next != nullptr && next != control;
}
