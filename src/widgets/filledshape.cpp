// SPDX-License-Identifier: MIT
#include "widgets/filledshape.h"

#include <QPainter>

#include "widgets/storedcolor.h"

FilledShape::FilledShape(QWidget* parent, const QString& name, Qt::BrushStyle pattern, QColor color)
    : QWidget(parent), m_pattern(pattern), m_color(color)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilledShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor shown = qcolor(colours::shown(rgbOf(m_color)));
    p.setPen(shown);
    p.setBrush(QBrush(shown, m_pattern));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
