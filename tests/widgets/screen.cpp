// SPDX-License-Identifier: MIT
#include "widgets/screen.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace screen {

namespace {

QWindow* handle(QWidget* widget)
{
    return widget->window()->windowHandle();
}

QPoint inWindow(const QWidget* widget, QPoint pos)
{
    return widget->mapTo(widget->window(), pos);
}

} // namespace

QRgb rgb(StoredColor color)
{
    return toQColor(color, QPalette()).rgb();
}

void fillWith(QWidget& widget, StoredColor color)
{
    widget.setAutoFillBackground(true);
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, toQColor(color, pal));
    widget.setPalette(pal);
}

QImage pixels(const QWidget* widget)
{
    const QWidget* window = widget->window();
    const QRect area(inWindow(widget, QPoint(0, 0)), widget->size());
    const QPixmap shot = window->screen()->grabWindow(window->winId(), area.x(), area.y(), area.width(),
                                                      area.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

QRect ink(const QImage& image, const QRect& area, QRgb background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool all(const QImage& image, const QRect& area, QRgb rgb)
{
    return ink(image, area, rgb).isNull();
}

void move(QWidget* widget, QPoint pos)
{
    QTest::mouseMove(handle(widget), inWindow(widget, pos));
}

void press(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    QTest::mousePress(handle(widget), button, {}, inWindow(widget, pos));
}

void release(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    QTest::mouseRelease(handle(widget), button, {}, inWindow(widget, pos));
}

void doubleClick(QWidget* widget, QPoint pos)
{
    QTest::mouseDClick(handle(widget), Qt::LeftButton, {}, inWindow(widget, pos));
}

} // namespace screen
