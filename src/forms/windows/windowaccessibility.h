// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// What a screen reader hears of the secondary windows beyond their labels
// and buttons: the help window's pages (and the keys that scroll the page
// in front), the tally list's rows and statistics, the pictures. Worked out
// when the window is first shown, once its controls exist.
namespace windowaccessibility {

void describeOnShow(QWidget* window);

} // namespace windowaccessibility
