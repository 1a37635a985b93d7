#include "forms/tlabel.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(this);
}
