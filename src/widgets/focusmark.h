// SPDX-License-Identifier: MIT
#pragma once
#include <QFocusEvent>
#include <QImage>
#include <QRect>
#include <QWidget>


#include "widgets/colours.h"

class QPainter;

// The solid two-pixel ring a control draws inside its edge while it has the
// focus in the active window. It shows from the first control a window
// focuses on its own, so a keyboard player always sees where they are; only
// a control the player has just clicked goes without it, so a mouse player
// sees the controls exactly as before. The ring takes the look's dark or
// light colour, whichever stands out more from the ground it lies on.
class FocusMark {
public:
    static constexpr int kInset = 2; // pixels between the control's edge and the ring
    static constexpr int kWidth = 2;

    // FocusMarked below calls these from the control's focus events.
    void focusIn(const QFocusEvent* event);
    void focusOut(const QFocusEvent* event);

    // Whether the control should draw the ring now.
    [[nodiscard]] bool shown(const QWidget* control) const;

    // The ring kInset inside area, on a plain ground.
    static void paint(QPainter& canvas, const QRect& area, Rgb ground);
    // The ring over a picture: each side in the colour that stands out from
    // most pixels it covers (`under` in the same coordinates as area;
    // see-through pixels count as `behind`).
    static void paint(QPainter& canvas, const QRect& area, const QImage& under, Rgb behind);

    // Where the ring lies: the band kInset inside area, kWidth wide.
    [[nodiscard]] static QRect outerEdge(const QRect& area);

private:
    bool m_byMouse = false;
};

// Focus on a control of no size, or one wholly clipped away, would leave the
// player nowhere to look; such a control hands the focus on. True when it did.
bool passFocusIfUnseen(QWidget* control, const QFocusEvent* event);

// A control that draws the focus ring itself.
class PaintsFocusRing {
public:
    virtual ~PaintsFocusRing() = default;
};

// The focus handling every focusable control shares, on top of the Qt
// widget it is: the ring follows the focus and the widget repaints.
template <class Base>
class FocusMarked : public Base, public PaintsFocusRing {
public:
    using Base::Base;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        if (passFocusIfUnseen(this, event))
            return;
        m_focusMark.focusIn(event);
        Base::focusInEvent(event); // repaints, now with the ring
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        m_focusMark.focusOut(event);
        Base::focusOutEvent(event);
    }

    FocusMark m_focusMark;
};
