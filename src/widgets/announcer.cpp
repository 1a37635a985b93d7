// SPDX-License-Identifier: MIT
#include "widgets/announcer.h"

#include <QAccessible>

#include "widgets/accessiblerole.h"

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("news"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleRole(this, QAccessible::Notification);
    hide();
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    setAccessibleName(text);
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit announced(text);
}
