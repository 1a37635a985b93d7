// SPDX-License-Identifier: MIT
#include "widgets/accessiblenames.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace accessiblenames {
namespace {

// The one list of followed names, with its watch on the player's input.
class Registry : public QObject {
public:
    Registry() : QObject(QCoreApplication::instance()) { QCoreApplication::instance()->installEventFilter(this); }

    void follow(QWidget* widget, std::function<QString()> name)
    {
        m_entries.push_back({widget, std::move(name)});
        apply(m_entries.back());
    }

    void refreshSoon()
    {
        if (m_pending)
            return;
        m_pending = true;
        // Queued, not a timer: a timer's own events must not call for
        // another refresh.
        QMetaObject::invokeMethod(this, [this] { refreshNow(); }, Qt::QueuedConnection);
    }

    void refreshNow()
    {
        m_pending = false;
        std::erase_if(m_entries, [](const Entry& e) { return e.widget.isNull(); });
        for (Entry& e : m_entries)
            apply(e);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Input, or anything new on screen: a screen reader's own press
        // action changes the board without any input event.
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            refreshSoon();
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Entry {
        QPointer<QWidget> widget;
        std::function<QString()> name;
    };

    static void apply(const Entry& e)
    {
        if (e.widget.isNull())
            return;
        const QString now = e.name();
        // Setting an unchanged name would still tell the screen reader.
        if (now != e.widget->accessibleName())
            e.widget->setAccessibleName(now);
    }

    std::vector<Entry> m_entries;
    bool m_pending = false;
};

Registry& registry()
{
    static QPointer<Registry> r;
    if (r.isNull())
        r = new Registry;
    return *r;
}

} // namespace

void follow(QWidget* widget, std::function<QString()> name) { registry().follow(widget, std::move(name)); }
void refreshSoon() { registry().refreshSoon(); }
void refreshNow() { registry().refreshNow(); }

} // namespace accessiblenames
