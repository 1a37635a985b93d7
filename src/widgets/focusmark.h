// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
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

    // Call from the control's focusInEvent and focusOutEvent.
    void focusIn(const QWidget* control, const QFocusEvent* event);
    void focusOut() { m_fromKeyboard = false; }

    // Whether the control should draw the mark now.
    [[nodiscard]] bool shown(const QWidget* control) const;

    // One-pixel dotted frame, kInset inside area.
    static void paint(QPainter& canvas, const QRect& area, const QColor& color);

private:
    bool m_fromKeyboard = false;
};
