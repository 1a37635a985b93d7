// SPDX-License-Identifier: MIT
#pragma once
#include <QKeyEvent>
#include <QMouseEvent>

#include "widgets/clickgesture.h"
#include "widgets/focusmark.h"
#include "widgets/keypress.h"

// The press, key and focus handling every clickable control of the windows
// shares, on top of the Qt widget it is (QWidget, QLabel): a left press and
// release inside is a click, Space or Return press it when it takes the
// focus, and the focus mark follows keyboard focus. The control says what a
// click reports and what a press without the pointer does.
template <class Base>
class Clickable : public FocusMarked<Base> {
public:
    using FocusMarked<Base>::FocusMarked;

    // A click without the pointer (keyboard, screen reader); true when it
    // was reported.
    virtual bool press() = 0;

protected:
    // Reports a completed click, as the control's own signal.
    virtual void clickCompleted() = 0;

    void mousePressEvent(QMouseEvent* event) override { m_click.press(event); }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (m_click.release(event, this->rect()))
            clickCompleted();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (this->focusPolicy() == Qt::NoFocus || !keypress::activates(event)) {
            Base::keyPressEvent(event);
            return;
        }
        press();
    }

private:
    ClickGesture m_click;
};
