// SPDX-License-Identifier: MIT
#include "widgets/focusmark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

void FocusMark::focusIn(const QWidget* control, const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        m_fromKeyboard = true;
        break;
    case Qt::MouseFocusReason:
        m_fromKeyboard = false;
        break;
    default:
        // Focus put back by the program or by the window coming to the front
        // keeps the window's last way of moving it.
        m_fromKeyboard = control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
        break;
    }
}

bool FocusMark::shown(const QWidget* control) const { return m_fromKeyboard && control->hasFocus(); }

void FocusMark::paint(QPainter& canvas, const QRect& area, const QColor& color)
{
    const QRect r = area.adjusted(kInset, kInset, -kInset - 1, -kInset - 1);
    if (r.width() < 1 || r.height() < 1)
        return;
    canvas.save();
    QPen pen(color, 1, Qt::DotLine);
    pen.setCosmetic(true);
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.drawRect(r);
    canvas.restore();
}
