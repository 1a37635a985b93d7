#include "forms/tlabel.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
}

void TLabel::mousePressEvent(QMouseEvent* event) { m_click.press(event); }

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked(this);
}
