// SPDX-License-Identifier: MIT
#include "widgets/filledshape.h"

#include <QPainter>

FilledShape::FilledShape(QWidget* parent, const QString& name, Qt::BrushStyle pattern, QColor color)
    : QWidget(parent), m_pattern(pattern), m_color(color)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilledShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(m_color);
    p.setBrush(QBrush(m_color, m_pattern));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
