// SPDX-License-Identifier: MIT
#pragma once
#include <QMouseEvent>
#include <QRect>

// A click as the board's controls count it: a left press followed by a left
// release inside the control.
class ClickGesture {
public:
    void press(const QMouseEvent* event) { m_pressed = event->button() == Qt::LeftButton; }

    // True when this release completes a click inside area.
    bool release(const QMouseEvent* event, const QRect& area)
    {
        const bool click = m_pressed && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};
