// SPDX-License-Identifier: MIT
#include "controls/accessiblecontrols.h"

#include <QAccessibleWidget>

#include "controls/flatpanel.h"
#include "controls/selbutton.h"

namespace {

class SelButtonAccessible : public QAccessibleWidget {
public:
    explicit SelButtonAccessible(TSelButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // The button's own flag, not QWidget's, decides whether it acts.
        if (!button()->isEnabled())
            s.disabled = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TSelButton* button() const { return static_cast<TSelButton*>(widget()); }
};

class FlatPanelAccessible : public QAccessibleWidget {
public:
    explicit FlatPanelAccessible(TFlatPanel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<TFlatPanel*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* controlsFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("TSelButton"))
        return new SelButtonAccessible(static_cast<TSelButton*>(object));
    if (className == QLatin1String("TFlatPanel"))
        return new FlatPanelAccessible(static_cast<TFlatPanel*>(object));
    return nullptr;
}

} // namespace

void installControlsAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlsFactory);
        return true;
    }();
    (void)installed;
}
