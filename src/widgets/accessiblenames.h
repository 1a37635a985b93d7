// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <functional>

class QWidget;

// Names a screen reader reads that follow the game: each is worked out from
// what the widgets and the game hold. After every click, key press and
// repaint they are worked out again, and those that changed are set, which
// tells the screen reader. Names of destroyed widgets are dropped.
namespace accessiblenames {

// widget's name is name() from now on; set at once.
void follow(QWidget* widget, std::function<QString()> name);

// Works every name out again once the current event is handled.
void refreshSoon();

// Works every name out again now.
void refreshNow();

} // namespace accessiblenames
