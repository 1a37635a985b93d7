#include "platform/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect WorkArea::of(const QWidget* widget)
{
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}
