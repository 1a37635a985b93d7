// SPDX-License-Identifier: MIT
#pragma once

// Tells Qt's accessibility layer what the flat panel and the select button
// are: a group named by its caption, a button named by its caption that a
// screen reader can press. Each control calls it when made; the first call
// installs, later ones do nothing.
void installControlsAccessibility();
