// SPDX-License-Identifier: MIT
#pragma once
#include <QAccessible>

class QWidget;

// Tells Qt's accessibility layer what the forms' pictures and labels are: a
// picture with a click handler is a button (a link where the pointer shows
// a hand), one without is a graphic; a focusable label is a link, any other
// a static text. Buttons and links carry a press action. The first call
// installs, later ones do nothing.
void installClickablesAccessibility();

// A widget with a role of its own (the round-end badges and the hint are
// notifications, which a screen reader speaks when they show). Set it
// before anything asks for the widget's accessible interface.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);
