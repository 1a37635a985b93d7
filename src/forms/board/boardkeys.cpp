// SPDX-License-Identifier: MIT
#include "forms/board/boardkeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include "widgets/dialogkeys.h"
#include "forms/windows/shortcutswindow.h"
#include "widgets/picturebox.h"
#include "forms/art/objectnames.h"

namespace {

// The board's keys and the control each one clicks.
struct BoardKey {
    Qt::Key key;
    const char* control;
};
constexpr BoardKey kBoardKeys[] = {
    {Qt::Key_1, "dice1"},      {Qt::Key_2, "dice2"},          {Qt::Key_3, "dice3"},
    {Qt::Key_4, "dice4"},      {Qt::Key_5, "dice5"},          {Qt::Key_6, "dice6"},
    {Qt::Key_R, "image_roll"}, {Qt::Key_Space, "image_roll"}, {Qt::Key_B, "image_turn"},
};

// The pop-up panels: Return presses the first button, Escape the second.
// A shown panel takes the focus onto its first control, except where that
// would let a Return meant for something else do harm: the update offer
// can appear while the player types a name, and its first button starts
// an installer.
struct PanelKeys {
    const char* panel;
    const char* defaultButton;
    const char* cancelButton;
    bool focusCancel;
};
constexpr PanelKeys kPanels[] = {
    {objectname::kNamePanel, "button_namedone", "button_namecancel", false},
    {objectname::kClearedPanel, "button_sendscore", "button_cancel", false},
    {objectname::kUpdatePanel, "button_updateyes", "button_updatecancel", true},
};

// Tab's way over the board: the game's buttons, the dice left to right,
// the round marker, the logo.
constexpr const char* kBoardTabOrder[] = {
    "button_start", "image_roll", "dice1", "dice2", "dice3", "dice4", "dice5", "dice6", "image_turn", "image_logo",
};

// Where the focus goes when a panel closes and what had it before is gone.
const QString kHomeControl = QStringLiteral("button_start");

QString plainText(const QAction* action)
{
    QString text = action->text();
    return text.remove(QLatin1Char('&'));
}

// Alt and the underlined letter of a menu's title open it; the menu bar
// owns those keys through the '&' in the titles.
QString menuKey(const QAction* menu) { return QKeySequence::mnemonic(menu->text()).toString(QKeySequence::NativeText); }

// Opens `menu` from the bar with its first item lit, so that the first
// Return acts as it does on the desktop's other programs.
void openWithFirstItem(QMenuBar* bar, QAction* menu)
{
    bar->setActiveAction(menu);
    if (menu->menu() == nullptr)
        return;
    for (QAction* item : menu->menu()->actions())
        if (!item->isSeparator() && item->isVisible() && item->isEnabled()) {
            menu->menu()->setActiveAction(item);
            return;
        }
}

// While the keyboard has lit a title of the menu bar and no menu is open,
// every key pressed in the main window belongs to the bar: without this, a
// Space or a digit meant for the lit "Check out Multiplayer Pelbix!"
// reached the board's shortcuts and rolled or picked dice behind the menu.
// A title lit only by the pointer resting on it keeps no key from the board.
class MenuBarKeys : public QObject {
public:
    MenuBarKeys(QMainWindow* main, QObject* parent) : QObject(parent), m_main(main), m_bar(main->menuBar()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
            if (watched == m_bar)
                m_byKeys = false;
            return false;
        }
        // The bar goes before the window while the window is taken down.
        QMenuBar* bar = m_bar;
        if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || bar == nullptr)
            return false;
        if (bar->activeAction() == nullptr)
            m_byKeys = false;
        else if (qobject_cast<QMenu*>(watched) != nullptr && type == QEvent::KeyPress)
            m_byKeys = true; // walking the open menus: a Left or Right may land on the bar
        // F10 again closes the menus it opened, as elsewhere on the desktop.
        if (auto* menu = qobject_cast<QMenu*>(watched); menu != nullptr && type == QEvent::KeyPress
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 && bar->activeAction() != nullptr) {
            bar->setActiveAction(nullptr);
            return true;
        }
        QAction* lit = bar->activeAction();
        auto* target = qobject_cast<QWidget*>(watched);
        if (lit == nullptr || QApplication::activePopupWidget() != nullptr || target == nullptr
            || target->window() != m_main || !(m_byKeys || bar->hasFocus()))
            return false;
        if (type == QEvent::ShortcutOverride) {
            event->accept(); // no shortcut of the window's: the key comes as a press
            return true;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A bar in its own keyboard mode walks its menu titles itself.
        if (target == bar && lit->menu() != nullptr)
            return false;
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            openWithFirstItem(bar, neighbour(bar, lit, key == Qt::Key_Left ? -1 : 1));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (lit->menu() != nullptr) {
                openWithFirstItem(bar, lit);
            } else {
                bar->setActiveAction(nullptr);
                lit->trigger();
            }
            break;
        case Qt::Key_Escape:
            if (target == bar)
                return false;
            bar->setActiveAction(nullptr);
            break;
        default:
            break; // swallowed: nothing behind the bar hears it
        }
        return true;
    }

private:
    static QAction* neighbour(QMenuBar* bar, QAction* from, int step)
    {
        QList<QAction*> titles;
        for (QAction* a : bar->actions())
            if (!a->isSeparator() && a->isVisible())
                titles << a;
        const auto count = titles.size();
        const auto at = titles.indexOf(from);
        return titles.at(((at < 0 ? 0 : at) + step + count) % count);
    }

    QMainWindow* m_main;
    QPointer<QMenuBar> m_bar;
    bool m_byKeys = false;
};

} // namespace

BoardKeys::BoardKeys(QMainWindow* main) : QObject(main), m_main(main)
{
    setObjectName(QStringLiteral("boardkeys"));
    addBoardKeys();
    orderBoardTabs();
    addMenuKeys();
    addPanelKeys();
}

BoardKeys::~BoardKeys() = default;

void BoardKeys::addBoardKeys()
{
    for (const BoardKey& k : kBoardKeys) {
        auto* control = m_main->findChild<PictureBox*>(QString::fromLatin1(k.control));
        if (control == nullptr)
            continue;
        auto* shortcut = new QShortcut(m_main);
        // The digits of the number pad count as well.
        shortcut->setKeys({QKeySequence(k.key), QKeySequence(Qt::KeypadModifier | k.key)});
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, control, &PictureBox::press);
        m_boardShortcuts.push_back(shortcut);
    }
}

void BoardKeys::orderBoardTabs()
{
    QWidget* previous = nullptr;
    for (const char* name : kBoardTabOrder) {
        QWidget* w = m_main->findChild<QWidget*>(QString::fromLatin1(name));
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void BoardKeys::addMenuKeys()
{
    QMenuBar* bar = m_main->menuBar();
    // F10 opens the first menu, as on other desktops.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), m_main);
    connect(f10, &QShortcut::activated, bar, [bar] {
        for (QAction* a : bar->actions())
            if (a->menu() != nullptr) {
                openWithFirstItem(bar, a);
                return;
            }
    });
    qApp->installEventFilter(new MenuBarKeys(m_main, this));
}

void BoardKeys::addPanelKeys()
{
    const auto find = [this](const char* name) { return m_main->findChild<QWidget*>(QString::fromLatin1(name)); };
    QWidget* home = m_main->findChild<QWidget*>(kHomeControl);
    for (const PanelKeys& p : kPanels) {
        QWidget* panel = find(p.panel);
        if (panel == nullptr)
            continue;
        QWidget* cancel = find(p.cancelButton);
        auto* keys = new DialogKeys(panel, find(p.defaultButton), cancel);
        keys->setReturnFocus(home);
        if (p.focusCancel)
            keys->setFirstFocus(cancel);
        panel->installEventFilter(this);
        m_panels.push_back(panel);
    }
    followPanels();
}

void BoardKeys::followPanels()
{
    bool open = false;
    for (const QWidget* panel : m_panels)
        open = open || panel->isVisibleTo(m_main);
    for (QShortcut* s : m_boardShortcuts)
        s->setEnabled(!open);
}

bool BoardKeys::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        followPanels();
    return false;
}

std::vector<BoardKeys::KeyHelp> BoardKeys::keyHelp() const
{
    std::vector<KeyHelp> help = {
        {tr("1 to 6"), tr("Select a die, or put a selected one back")},
        {tr("R or Space"), tr("Roll the dice")},
        {QStringLiteral("B"), tr("Bank the round")},
    };
    // The menus' own shortcuts and first letters, read from the menus so
    // the list never disagrees with them.
    QStringList altKeys;
    QStringList menuTitles;
    for (const QAction* top : m_main->menuBar()->actions()) {
        if (top->menu() == nullptr)
            continue;
        altKeys << menuKey(top);
        menuTitles << plainText(top);
        for (const QAction* a : top->menu()->actions())
            if (!a->shortcuts().isEmpty()) {
                QStringList keys;
                for (const QKeySequence& k : a->shortcuts())
                    keys << k.toString(QKeySequence::NativeText);
                help.push_back({keys.join(QStringLiteral(", ")), plainText(a)});
            }
    }
    const std::vector<KeyHelp> general = {
        {tr("Return"), tr("Press the focused button; in a panel, its main button")},
        {tr("Escape"), tr("Cancel a panel, or close a window")},
        {tr("Tab, Shift+Tab"), tr("Move to the next or previous control")},
        {tr("Space"), tr("Press the focused button in a panel or window")},
        {tr("F10, or Alt alone"), tr("Open the menus")},
        {altKeys.join(QStringLiteral(", ")), tr("Open the menu: %1").arg(menuTitles.join(QStringLiteral(", ")))},
    };
    help.insert(help.end(), general.begin(), general.end());
    return help;
}

void BoardKeys::showShortcuts()
{
    if (!m_shortcutsWindow)
        m_shortcutsWindow = std::make_unique<ShortcutsWindow>();
    m_shortcutsWindow->setKeys(keyHelp());
    m_shortcutsWindow->showCentredOn(m_main);
}
