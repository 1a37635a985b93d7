// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QString>

class QWidget;
class TImage;

// A see-through picture button of the game's artwork, named for screen
// readers by its caption.
TImage* placePictureButton(QWidget* parent, const QString& name, QPoint at, const QString& caption);
