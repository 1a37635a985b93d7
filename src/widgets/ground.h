// SPDX-License-Identifier: MIT
#pragma once
#include <QImage>
#include <QPixmap>

#include <optional>

#include "widgets/colours.h"

class QWidget;

// A control showing a picture that other controls may lie on. What a
// control lies on decides the colours that must stand out from it: the
// focus ring, and texts in the High Contrast look.
class ShowsPicture {
public:
    virtual ~ShowsPicture() = default;
    [[nodiscard]] virtual const QPixmap& picture() const = 0;
};

// The pictures a control lies on, in its own coordinates; see-through
// where none is.
[[nodiscard]] QImage pictureUnder(const QWidget* control);

// A control that lies on a picture (the score card's slots, the banked
// amount on its badge) stands on the picture, not on its parent's colour:
// the grey of the average luminance of the topmost picture under it, when
// at least half of its area is covered.
[[nodiscard]] std::optional<Rgb> pictureBehind(const QWidget* control);

// The colour a control lies on: the picture under it, else its window
// colour, which panels pass on to what they hold.
[[nodiscard]] Rgb groundBehind(const QWidget* control);
