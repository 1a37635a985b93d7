// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QFocusEvent>
#include <QRect>

class QFocusEvent;
class QPainter;
class QWidget;

// The dotted inner frame a control draws while it has the focus, shown only
// when the focus came from the keyboard: a player who clicks sees the
// controls exactly as before, a player who tabs sees where they are.
class FocusMark {
public:
    static constexpr int kInset = 2; // pixels between the control's edge and the mark

    // FocusMarked below calls these from the control's focus events.
    void focusIn(const QWidget* control, const QFocusEvent* event);
    void focusOut() { m_fromKeyboard = false; }

    // Whether the control should draw the mark now.
    [[nodiscard]] bool shown(const QWidget* control) const;

    // One-pixel dotted frame, kInset inside area.
    static void paint(QPainter& canvas, const QRect& area, const QColor& color);

private:
    bool m_fromKeyboard = false;
};

// The focus handling every focusable control shares, on top of the Qt
// widget it is: the mark follows keyboard focus and the widget repaints.
template <class Base>
class FocusMarked : public Base {
public:
    using Base::Base;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        m_focusMark.focusIn(this, event);
        Base::focusInEvent(event); // repaints, now with the mark
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        m_focusMark.focusOut();
        Base::focusOutEvent(event);
    }

    FocusMark m_focusMark;
};
