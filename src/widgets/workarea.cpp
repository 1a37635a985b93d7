// SPDX-License-Identifier: MIT
#include "widgets/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect WorkArea::of(const QWidget* widget)
{
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QList<QRect> WorkArea::all()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

QRect WorkArea::reachable(const QRect& saved, int grip, const QList<QRect>& areas, const QRect& fallback)
{
    const QRect strip(saved.left(), saved.top(), saved.width(), grip);
    const int needed = std::min(kMinReachableWidth, saved.width());
    for (const QRect& area : areas) {
        const QRect shown = strip & area;
        if (shown.height() == grip && shown.width() >= needed)
            return saved;
    }
    return fallback;
}
