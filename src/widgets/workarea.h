// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QRect>

class QWidget;

// The desktop area a window may use: its screen less panels and task bars.
class WorkArea {
public:
    // A window whose title bar shows over less than this width cannot be
    // grabbed and moved with any ease.
    static constexpr int kMinReachableWidth = 100;

    // For the screen the widget is on; the primary screen when it has none
    // yet; an empty rectangle when there is no screen at all.
    [[nodiscard]] static QRect of(const QWidget* widget);

    // The work area of every screen.
    [[nodiscard]] static QList<QRect> all();

    // Where a window saved at `saved` (outer bounds) opens: there, when its
    // top `grip` pixels (title bar and menu bar) lie whole within one work
    // area over at least kMinReachableWidth (or the window's own width);
    // else at `fallback`. A window larger than the work area keeps its size.
    [[nodiscard]] static QRect reachable(const QRect& saved, int grip, const QList<QRect>& areas,
                                         const QRect& fallback);
};
