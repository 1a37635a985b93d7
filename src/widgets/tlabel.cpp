// SPDX-License-Identifier: MIT
#include "widgets/tlabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/keypress.h"
#include "widgets/clickableaccessible.h"

TLabel::TLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    installClickableAccessibility<TLabel>("TLabel", QAccessible::Link, QAccessible::StaticText);
}

bool TLabel::press()
{
    if (!isVisible())
        return false;
    emit clicked(this);
    return true;
}

void TLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_focusMark.shown(this)) {
        QPainter p(this);
        FocusMark::paint(p, rect(), palette().color(QPalette::WindowText));
    }
}

void TLabel::mousePressEvent(QMouseEvent* event) { m_click.press(event); }

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked(this);
}

void TLabel::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() == Qt::NoFocus || !keypress::activates(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    press();
}

void TLabel::focusInEvent(QFocusEvent* event)
{
    m_focusMark.focusIn(this, event);
    QLabel::focusInEvent(event);
}

void TLabel::focusOutEvent(QFocusEvent* event)
{
    m_focusMark.focusOut();
    QLabel::focusOutEvent(event);
}
