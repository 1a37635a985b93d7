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
