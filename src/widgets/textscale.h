// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

class QWidget;

// The windows are drawn in pixels for a desktop font of kDesignPointSize;
// a larger desktop font grows a window and everything in it by the same
// factor, so text keeps its room and nothing is cut. A window that would
// not fit the screen's work area grows less, and one too large for it even
// at the drawn size shrinks, down to kSmallest.
namespace textscale {

inline constexpr qreal kDesignPointSize = 10.0;
inline constexpr qreal kLargest = 3.0;
inline constexpr qreal kSmallest = 0.75;
// Room a window manager's frame and title bar take round a window.
inline constexpr QSize kFrameAllowance{8, 32};

// The desktop's general font against the drawn one, never below 1.
[[nodiscard]] qreal desktopFactor();

// The factor `widget`'s window was fitted with (1 before fitWindow).
[[nodiscard]] qreal of(const QWidget* widget);

// A place or size laid out in drawn pixels, in `widget`'s window's pixels.
[[nodiscard]] QPoint scaled(QPoint at, const QWidget* widget);
[[nodiscard]] int scaled(int pixels, const QWidget* widget);

// Grows (or shrinks) the window and every control in it: places, sizes,
// pixel fonts, table sections; then fits each label's caption
// (textfit::fitLabel). Only the first call for a window does anything.
// Without `workArea`, the work area of the window's screen.
void fitWindow(QWidget* window);
void fitWindow(QWidget* window, QRect workArea);

// Stands in for every screen's work area while `workArea` is not empty,
// as a small screen in a test.
void overrideWorkArea(QRect workArea);

// The factor for a window that needs `need` drawn pixels plus `fixed`
// pixels that do not grow (a menu bar), on `workArea`.
[[nodiscard]] qreal factorFor(QSize need, QSize fixed, QRect workArea, qreal wanted);

} // namespace textscale
