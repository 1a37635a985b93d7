// SPDX-License-Identifier: MIT
#include "forms/accessibleclickables.h"

#include <QAccessibleWidget>

#include "forms/timage.h"
#include "forms/tlabel.h"

namespace {

const char* const kRoleProperty = "pelbixAccessibleRole";

bool pressable(const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; }

bool handCursor(const QWidget* w) { return w->cursor().shape() == Qt::PointingHandCursor; }

// Role and press action follow the widget as it is now: both depend on
// whether something listens to its clicks, which is settled after the
// widget is made.
template <class Clickable>
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(Clickable* w, QAccessible::Role pressableRole, QAccessible::Role plainRole)
        : QAccessibleWidget(w), m_pressableRole(pressableRole), m_plainRole(plainRole)
    {
    }

    QAccessible::Role role() const override
    {
        const QVariant own = widget()->property(kRoleProperty);
        if (own.isValid())
            return static_cast<QAccessible::Role>(own.toInt());
        if (!pressable(widget()))
            return m_plainRole;
        return handCursor(widget()) ? QAccessible::Link : m_pressableRole;
    }

    QString text(QAccessible::Text t) const override
    {
        // A label's own text names it unless the program says otherwise.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable(widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable(widget()))
            static_cast<Clickable*>(widget())->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAccessible::Role m_pressableRole;
    QAccessible::Role m_plainRole;
};

QAccessibleInterface* clickablesFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    // Any other widget given a role of its own (asked for as a plain QWidget
    // once its own class is unknown).
    const QVariant own = object->property(kRoleProperty);
    if (className == QLatin1String("QWidget") && own.isValid())
        return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(own.toInt()));
    if (className == QLatin1String("TImage"))
        return new ClickableAccessible<TImage>(static_cast<TImage*>(object), QAccessible::Button,
                                               QAccessible::Graphic);
    if (className == QLatin1String("TLabel"))
        return new ClickableAccessible<TLabel>(static_cast<TLabel*>(object), QAccessible::Link,
                                               QAccessible::StaticText);
    return nullptr;
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void installClickablesAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(clickablesFactory);
        return true;
    }();
    (void)installed;
}
