// SPDX-License-Identifier: MIT
#include "widgets/clickablelabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/keypress.h"
#include "widgets/clickableaccessible.h"

ClickableLabel::ClickableLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    installClickableAccessibility<ClickableLabel>("ClickableLabel", QAccessible::Link, QAccessible::StaticText);
}

bool ClickableLabel::press()
{
    if (!isVisible())
        return false;
    emit clicked(this);
    return true;
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_focusMark.shown(this)) {
        QPainter p(this);
        FocusMark::paint(p, rect(), palette().color(QPalette::WindowText));
    }
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) { m_click.press(event); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked(this);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() == Qt::NoFocus || !keypress::activates(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    press();
}

void ClickableLabel::focusInEvent(QFocusEvent* event)
{
    m_focusMark.focusIn(this, event);
    QLabel::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event)
{
    m_focusMark.focusOut();
    QLabel::focusOutEvent(event);
}
