#include "forms/timage.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TImage::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void TImage::clearPicture()
{
    m_picture = QPixmap();
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void TImage::mousePressEvent(QMouseEvent* event) { m_click.press(event); }

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked(this);
}
