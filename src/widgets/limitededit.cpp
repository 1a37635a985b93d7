// SPDX-License-Identifier: MIT
#include "widgets/limitededit.h"

#include <QPainter>

#include "widgets/storedcolor.h"

LimitedEdit::LimitedEdit(QWidget* parent, const QString& name) : FocusMarked<QLineEdit>(parent)
{
    setObjectName(name);
}

bool LimitedEdit::event(QEvent* e)
{
    // Every user edit (keys, input methods, drops, the context menu's paste)
    // arrives through an event; one that grows the text past the limit is
    // undone whole.
    const QString before = text();
    const int cursor = cursorPosition();
    const bool handled = QLineEdit::event(e);
    const QString after = text();
    if (after.size() > m_limit && after.size() > before.size()) {
        setText(before);
        setCursorPosition(cursor);
    }
    return handled;
}

void LimitedEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (m_focusMark.shown(this)) {
        QPainter p(this);
        FocusMark::paint(p, rect(), rgbOf(palette().color(QPalette::Active, QPalette::Base)));
    }
}
