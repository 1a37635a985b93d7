// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The keys of a pop-up panel or a secondary window, as in any dialog:
// Return presses the default button, Escape the cancel one (a window's
// "Done"). A shown panel takes the focus onto its first control, keeps Tab
// among its own controls, and gives the focus back when it hides. A button
// acts only where a click could reach it.
class DialogKeys : public QObject {
    Q_OBJECT
public:
    // container is a pop-up panel (a FlatPanel) or a window; either button
    // may be null. The keys live as long as the container.
    DialogKeys(QWidget* container, QWidget* defaultButton, QWidget* cancelButton);

    // Where the focus goes when the panel hides and the control that had it
    // before is gone.
    void setReturnFocus(QWidget* fallback) { m_fallback = fallback; }

    // The control a shown panel puts the focus on; its first one if unset.
    void setFirstFocus(QWidget* first) { m_first = first; }

    // A secondary window: Escape presses its "button_done", found when
    // needed so the window may make it after this call.
    static void forWindow(QWidget* window);

    // Presses a picture button or a select button the way a click would;
    // false when none could be pressed.
    static bool pressButton(QWidget* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void shown();
    void hidden();
    [[nodiscard]] QWidget* cancelButton() const;

    QWidget* m_container;
    QPointer<QWidget> m_default;
    QPointer<QWidget> m_cancel;
    QPointer<QWidget> m_fallback;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_before; // where the focus was when the panel opened
    bool m_isWindow;
    bool m_byKey = false; // the panel is closing through one of our keys
};
