// SPDX-License-Identifier: MIT
#pragma once
#include <QAccessible>
#include <optional>

class QWidget;

// A widget with a role of its own (the round-end badges and the hint are
// notifications, which a screen reader speaks when they show). Set it
// before anything asks for the widget's accessible interface.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);
// The role set above, if any.
[[nodiscard]] std::optional<QAccessible::Role> ownAccessibleRole(const QWidget* widget);

// A widget that toggles (a die): a screen reader hears it as checkable,
// checked or not, and unavailable while out of play. Tells the screen
// reader when either changes.
void setAccessibleToggle(QWidget* widget, bool checked, bool available);
// The toggle set above, if any: checked, available.
struct AccessibleToggle {
    bool checked = false;
    bool available = true;
};
[[nodiscard]] std::optional<AccessibleToggle> ownAccessibleToggle(const QWidget* widget);
