// SPDX-License-Identifier: MIT
#include "widgets/clickablelabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/ground.h"
#include "widgets/clickableaccessible.h"

ClickableLabel::ClickableLabel(QWidget* parent, const QString& name) : Clickable<QLabel>(parent)
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
        FocusMark::paint(p, rect(), pictureUnder(this), groundBehind(this));
    }
}

void ClickableLabel::clickCompleted() { emit clicked(this); }
