// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "forms/windows/shortcutswindow.h"

class QMainWindow;
class QShortcut;
class QWidget;

// The keyboard's way into the main window. On the board (window active, no
// pop-up panel open) 1 to 6 toggle a die, R or Space roll and B banks, each
// through the control's own click, so a key does nothing where a click would
// do nothing. F10 and Alt plus a menu's underlined letter open the menus
// with the first item lit; while the menu bar is lit its keys never reach
// the board. The pop-up panels get dialog keys. The menu's own shortcuts
// stay as they are.
class BoardKeys : public QObject {
    Q_OBJECT
public:
    explicit BoardKeys(QMainWindow* main);
    ~BoardKeys() override;

    using KeyHelp = ::KeyHelp;
    // Every key the program knows, the menu's shortcuts among them.
    [[nodiscard]] std::vector<KeyHelp> keyHelp() const;

    // Help -> "Keyboard Shortcuts".
    void showShortcuts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addBoardKeys();
    void orderBoardTabs();
    void addMenuKeys();
    void addPanelKeys();
    // The board's keys hold only while no pop-up panel is open, so that
    // Space and the digits reach a panel's name field and buttons.
    void followPanels();

    QMainWindow* m_main;
    std::vector<QShortcut*> m_boardShortcuts;
    std::vector<QWidget*> m_panels;
    std::unique_ptr<ShortcutsWindow> m_shortcutsWindow;
};
