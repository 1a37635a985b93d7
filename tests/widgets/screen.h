// SPDX-License-Identifier: MIT
#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

#include "widgets/storedcolor.h"

class QWidget;

// What the tests need to look at and poke controls the way a user does:
// the pixels Qt last put on screen for a widget, its ink, and mouse input
// sent through the window so grabs, enter and leave happen as for real.
namespace screen {

// The widget's area of its window as last flushed, in widget coordinates.
QImage pixels(const QWidget* widget);

// The pixel value a stored colour (not a system one) paints.
QRgb rgb(StoredColor color);

// Gives widget a background of its own in color.
void fillWith(QWidget& widget, StoredColor color);

// Bounding box of the pixels inside area that differ from background.
QRect ink(const QImage& image, const QRect& area, QRgb background);

// True when every pixel of area has colour rgb.
bool all(const QImage& image, const QRect& area, QRgb rgb);

void move(QWidget* widget, QPoint pos);
void press(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QWidget* widget, QPoint pos);

} // namespace screen
