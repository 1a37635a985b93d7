// SPDX-License-Identifier: MIT
#pragma once
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QTableWidget;

// One line of the shortcuts window.
struct KeyHelp {
    QString keys;
    QString action;
};

// The keyboard shortcuts window: every key of the program with what it
// does, one row each. Shown from Help -> "Keyboard Shortcuts"; Done, Escape
// and the close box hide it.
class ShortcutsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{600, 380};

    explicit ShortcutsWindow(QWidget* parent = nullptr);

    void setKeys(const std::vector<KeyHelp>& keys);

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    void onDone();

private:
    QTableWidget* m_keyTable = nullptr;
    bool m_placed = false;
};
