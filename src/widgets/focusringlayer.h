// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

// The focus ring on a see-through layer above a control and everything in
// it: for Qt's own controls (tables, text fields, tab bars), which show no
// ring a player can rely on, and for a panel whose children cover it. The
// layer ignores the mouse and shows the ring only while its control has the
// focus in the active window; each side takes the colour that stands out
// from what the control paints under it.
class FocusRingLayer : public QWidget {
public:
    explicit FocusRingLayer(QWidget* control);

    // Puts a layer over whichever of Qt's own controls takes the focus (not
    // after a click, as the game's controls do). Once per application.
    static void installForQtControls();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
};
