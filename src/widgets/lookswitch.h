// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include "widgets/colours.h"

class QImage;

// Puts every window of the program in a look, now and for windows and
// colours that come later: palettes keep what the windows were built with
// and paint what the look makes of it; pictures with a source are painted
// afresh. GUI thread only, once the QApplication exists.
void applyLook(colours::Look look);

// Whether the desktop asks programs for high contrast. Qt 6.4 has no
// colour-scheme query, so this reads the GTK theme a desktop sets for its
// programs (GTK_THEME, as GNOME's "High Contrast" and "HighContrastInverse"
// themes are named); a theme name with "HighContrast" in it asks.
[[nodiscard]] bool desktopAsksHighContrast();
[[nodiscard]] bool themeAsksHighContrast(const QString& themeName);

// A painted picture in the High Contrast look: every visible pixel becomes
// black, or `light` where its luminance reaches `lightFrom`; alpha stays.
void makeHighContrast(QImage& picture, Rgb light, double lightFrom = colours::kLightFrom);
