// SPDX-License-Identifier: MIT
#include "widgets/accessiblerole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const kRoleProperty = "pelbixAccessibleRole";
const char* const kCheckedProperty = "pelbixAccessibleChecked";
const char* const kAvailableProperty = "pelbixAccessibleAvailable";

// Any plain widget given a role of its own (asked for as a QWidget, its
// own class being unknown to Qt's accessibility layer).
QAccessibleInterface* roleFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() || className != QLatin1String("QWidget"))
        return nullptr;
    const QVariant own = object->property(kRoleProperty);
    if (!own.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(own.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

std::optional<QAccessible::Role> ownAccessibleRole(const QWidget* widget)
{
    const QVariant own = widget->property(kRoleProperty);
    if (!own.isValid())
        return std::nullopt;
    return static_cast<QAccessible::Role>(own.toInt());
}

void setAccessibleToggle(QWidget* widget, bool checked, bool available)
{
    const auto was = ownAccessibleToggle(widget);
    if (was && was->checked == checked && was->available == available)
        return;
    widget->setProperty(kCheckedProperty, checked);
    widget->setProperty(kAvailableProperty, available);
    QAccessible::State changed;
    changed.checkable = !was.has_value();
    changed.checked = !was || was->checked != checked;
    changed.disabled = !was || was->available != available;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

std::optional<AccessibleToggle> ownAccessibleToggle(const QWidget* widget)
{
    const QVariant checked = widget->property(kCheckedProperty);
    if (!checked.isValid())
        return std::nullopt;
    return AccessibleToggle{checked.toBool(), widget->property(kAvailableProperty).toBool()};
}
