// SPDX-License-Identifier: MIT
#include "widgets/dialogkeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/flatpanel.h"
#include "widgets/selectbutton.h"
#include "widgets/picturebox.h"

namespace {

const QString kDoneName = QStringLiteral("button_done");

bool isReturn(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
           (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isEscape(const QKeyEvent* e) { return e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier; }

// The first control Tab would reach inside container.
QWidget* firstFocusable(QWidget* container)
{
    for (QWidget* w = container->nextInFocusChain(); w != container; w = w->nextInFocusChain())
        if (container->isAncestorOf(w) && w->isVisibleTo(container) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    return nullptr;
}

} // namespace

DialogKeys::DialogKeys(QWidget* container, QWidget* defaultButton, QWidget* cancelButton)
    : QObject(container)
    , m_container(container)
    , m_default(defaultButton)
    , m_cancel(cancelButton)
    , m_isWindow(container->isWindow())
{
    if (auto* panel = qobject_cast<FlatPanel*>(container))
        panel->setKeepsFocus(true);
    container->installEventFilter(this);
    // A panel already open when the keys arrive (the name panel at start)
    // gets its focus when the window first shows it.
}

void DialogKeys::forWindow(QWidget* window) { new DialogKeys(window, nullptr, nullptr); }

bool DialogKeys::pressButton(QWidget* button)
{
    if (auto* picture = qobject_cast<PictureBox*>(button))
        return picture->press();
    if (auto* select = qobject_cast<SelectButton*>(button)) {
        if (!select->isVisible())
            return false;
        select->click();
        return true;
    }
    return false;
}

QWidget* DialogKeys::cancelButton() const
{
    if (m_cancel)
        return m_cancel;
    return m_isWindow ? m_container->findChild<QWidget*>(kDoneName) : nullptr;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_container)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Only keys the focused control left alone arrive here.
        auto* key = static_cast<QKeyEvent*>(event);
        QWidget* button = isReturn(key) ? m_default.data() : isEscape(key) ? cancelButton() : nullptr;
        if (button == nullptr)
            return false;
        m_byKey = true;
        pressButton(button);
        m_byKey = false;
        return true;
    }
    case QEvent::Show:
        if (!m_isWindow)
            shown();
        return false;
    case QEvent::Hide:
        if (!m_isWindow)
            hidden();
        return false;
    default:
        return false;
    }
}

void DialogKeys::shown()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() == m_container->window() && !m_container->isAncestorOf(focus))
        m_before = focus;
    QWidget* first = m_first && m_first->isVisible() ? m_first.data() : firstFocusable(m_container);
    if (first == nullptr)
        return;
    first->setFocus(Qt::OtherFocusReason);
    // Typing replaces a filled-in field ("Guest") instead of adding to it.
    if (auto* edit = qobject_cast<QLineEdit*>(first))
        edit->selectAll();
}

void DialogKeys::hidden()
{
    QWidget* focus = m_container->window()->focusWidget();
    if (focus != nullptr && !m_container->isAncestorOf(focus))
        return; // the player has moved on already
    QWidget* back = m_before && m_before->isVisible() ? m_before.data() : m_fallback.data();
    m_before = nullptr;
    if (back == nullptr || !back->isVisible())
        return;
    // Closed with a key, the focus mark shows where the keyboard is now.
    back->setFocus(m_byKey ? Qt::ShortcutFocusReason : Qt::OtherFocusReason);
}
