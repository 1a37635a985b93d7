// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "widgets/storedcolor.h"
#include "forms/art/formlayout.h"

class QLabel;
class QWidget;
class ClickableLabel;
class SelectButton;

// What the secondary windows share: their dress, their placing over the
// main window, their khaki select buttons, links and the maker's notice.
namespace infowindow {

// The colours these windows are dressed in, by their role here.
inline constexpr StoredColor kBackground = rgbColor(colours::kOlive);
inline constexpr StoredColor kKhaki = rgbColor(colours::kKhaki);

// Caption, client size, background and default font. Closing the window
// only hides it and never ends the program, even when it is the last one
// left on screen.
void dress(QWidget* window, const QString& caption, QSize clientSize);

// Shows window, raises and activates it. The first time it is shown over a
// main window it is centred on that window's outer bounds; from then on it
// stays where the player left it. placed remembers the first time.
void showCentredOn(QWidget* window, const QWidget* mainWindow, bool& placed);

// A select button in the information windows' look: khaki in all three
// fills so only the caption reacts, black border, Arial 13 px bold.
SelectButton* placeSelButton(QWidget* parent, const QString& name, QRect geometry, int tag, const QString& caption,
                           StoredColor captionColor, Qt::Alignment alignment = Qt::AlignLeft);

// A label that reports clicks and shows the hand pointer.
ClickableLabel* placeLink(QWidget* parent, const QString& name, QRect geometry, const QString& text, const LabelStyle& style);

// Where each line of the maker's notice starts, and the year after the
// copyright line.
struct NoticePlaces {
    QPoint product;
    QPoint maker;
    QPoint copyright;
    QPoint rights;
    QPoint year;
};

// Lays out the four notice labels and returns label_year, still empty.
QLabel* placeNotice(QWidget* parent, const NoticePlaces& places, const LabelStyle& style);

// The current local year, as label_year shows it.
[[nodiscard]] QString currentYear();

} // namespace infowindow
