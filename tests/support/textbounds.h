// SPDX-License-Identifier: MIT
#pragma once
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include "widgets/flatpanel.h"
#include "widgets/selectbutton.h"
#include "widgets/textfit.h"

// What a window shows cut off: each text whose bounding box (the control's
// font, or the smaller or wrapped one a caption is fitted to) leaves its
// control, and each shown control that leaves its parent or its window. One line each,
// naming the control, empty when everything fits.
namespace textbounds {

namespace detail {

inline bool inside(const QRect& box, const QRect& room)
{
    // Two pixels of slack: the layouts overhang by one at the drawn size.
    return room.adjusted(-2, -2, 2, 2).contains(box);
}

inline QString describe(const QWidget* w, const QString& what, const QRect& box, const QRect& room)
{
    return QStringLiteral("%1 (%2): %3 [%4,%5 %6x%7] outside [%8,%9 %10x%11]")
        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), what)
        .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())
        .arg(room.x()).arg(room.y()).arg(room.width()).arg(room.height());
}

// A caption as the painted controls set it: fitted to `room`.
inline QRect fittedBox(const QFont& font, const QString& text, const QRect& room, Qt::Alignment alignment)
{
    const textfit::Fit fit = textfit::fit(font, text, room.size());
    return QFontMetrics(fit.font).boundingRect(room, fit.flags(alignment), text);
}

inline bool plainLabel(const QLabel* label)
{
    return !label->text().isEmpty() && label->textFormat() != Qt::RichText
           && !(label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

} // namespace detail

inline QStringList clipped(const QWidget* window)
{
    QStringList found;
    const QRect windowRoom = window->rect();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        // Scroll areas' insides move under their viewport by design.
        if (w->parentWidget() != nullptr && w->parentWidget()->objectName() == QLatin1String("qt_scrollarea_viewport"))
            continue;
        const QRect place(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!detail::inside(place, windowRoom))
            found << detail::describe(w, QStringLiteral("control"), place, windowRoom);
        else if (w->parentWidget() != window && !detail::inside(w->geometry(), w->parentWidget()->rect()))
            found << detail::describe(w, QStringLiteral("control in its parent"), w->geometry(),
                                      w->parentWidget()->rect());

        QRect box;
        QRect room = w->rect();
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w); label != nullptr && detail::plainLabel(label)) {
            room = label->contentsRect();
            text = label->text();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            box = QFontMetrics(label->font()).boundingRect(room, flags, text);
        } else if (const auto* button = qobject_cast<const SelectButton*>(w); button != nullptr) {
            text = button->caption();
            room = w->rect().adjusted(1, 1, -1, -1);
            box = detail::fittedBox(w->font(), text, room, Qt::AlignHCenter | Qt::AlignVCenter);
        } else if (const auto* panel = qobject_cast<const FlatPanel*>(w); panel != nullptr) {
            text = panel->caption();
            room = w->rect().adjusted(1, 1, -1, -1);
            box = detail::fittedBox(w->font(), text, room, Qt::AlignHCenter | Qt::AlignVCenter);
        }
        if (!text.isEmpty() && !detail::inside(box, room))
            found << detail::describe(w, QLatin1Char('"') + text + QLatin1Char('"'), box, room);
    }
    return found;
}

} // namespace textbounds
