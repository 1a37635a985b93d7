// SPDX-License-Identifier: MIT
#pragma once
#include <QAccessibleWidget>
#include <QLabel>

#include "widgets/accessiblerole.h"

// What a screen reader is told of the forms' pictures and labels: a
// clickable one (it takes Tab focus) is pressable, a button or, where the
// pointer shows a hand, a link; any other is plain. Role and press action
// follow the widget as it is now: both depend on whether something listens
// to its clicks, which is settled after the widget is made. Clickable has
// press().
template <class Clickable>
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(Clickable* w, QAccessible::Role pressableRole, QAccessible::Role plainRole)
        : QAccessibleWidget(w), m_pressableRole(pressableRole), m_plainRole(plainRole)
    {
    }

    QAccessible::Role role() const override
    {
        if (const auto own = ownAccessibleRole(widget()))
            return *own;
        // Qt 6.4's AT-SPI bridge tells a checkable button as a plain push
        // button, and Orca then says nothing of its state; a check box it
        // speaks as checked or not.
        if (ownAccessibleToggle(widget()))
            return QAccessible::CheckBox;
        if (!pressable())
            return m_plainRole;
        return widget()->cursor().shape() == Qt::PointingHandCursor ? QAccessible::Link : m_pressableRole;
    }

    QString text(QAccessible::Text t) const override
    {
        // A label's own text names it unless the program says otherwise.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto toggle = ownAccessibleToggle(widget())) {
            s.checkable = true;
            s.checked = toggle->checked;
            s.disabled = s.disabled || !toggle->available;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable())
            static_cast<Clickable*>(widget())->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool pressable() const { return (widget()->focusPolicy() & Qt::TabFocus) != 0; }

    QAccessible::Role m_pressableRole;
    QAccessible::Role m_plainRole;
};

// Installs, on the first call, the factory that gives Clickable (by its
// class name) a ClickableAccessible with these roles.
template <class Clickable>
void installClickableAccessibility(const char* className, QAccessible::Role pressableRole,
                                   QAccessible::Role plainRole)
{
    static const char* s_className = className;
    static QAccessible::Role s_pressable = pressableRole;
    static QAccessible::Role s_plain = plainRole;
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& name, QObject* object) -> QAccessibleInterface* {
            if (object == nullptr || !object->isWidgetType() || name != QLatin1String(s_className))
                return nullptr;
            return new ClickableAccessible<Clickable>(static_cast<Clickable*>(object), s_pressable, s_plain);
        });
        return true;
    }();
    (void)installed;
}
