// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QString>

class QWidget;
class PictureBox;

// A see-through picture button of the game's artwork, named for screen
// readers by its caption.
PictureBox* placePictureButton(QWidget* parent, const QString& name, QPoint at, const QString& caption);
