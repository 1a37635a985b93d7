// SPDX-License-Identifier: MIT
#pragma once
#include <QKeyEvent>

// The keys that press a focused button, as everywhere on the desktop.
namespace keypress {

[[nodiscard]] inline bool activates(const QKeyEvent* event)
{
    if (event->isAutoRepeat()) // a held key presses once
        return false;
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace keypress
