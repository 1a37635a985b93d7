// SPDX-License-Identifier: MIT
#pragma once
#include <QIcon>
#include <QString>

// How the desktop knows the program: the one ID that names its .desktop
// file, its installed icon and its AppStream entry, and the icon every
// window carries, so a task bar or switcher shows the game's own picture.
namespace desktopidentity {

[[nodiscard]] QString desktopId();

// The launcher's icon, drawn at the sizes window managers ask for; null
// when the artwork cannot be read.
[[nodiscard]] QIcon programIcon();

// Gives the running application both. Call once, after the QApplication.
void apply();

} // namespace desktopidentity
