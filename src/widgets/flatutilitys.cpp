// SPDX-License-Identifier: MIT
#include "widgets/flatutilitys.h"

#include <QPainter>
#include <QWidget>

namespace {

// Renders the part of source covering area (in the parent's coordinates) at
// area's place on a canvas whose origin is origin.
void renderPart(QWidget* source, const QRect& area, const QPoint& origin, QPainter& canvas,
                QWidget::RenderFlags flags)
{
    const QRect part = area.intersected(source->geometry());
    if (part.isEmpty())
        return;
    // render() puts the top-left of the region it is given at the target
    // offset, so the region must already be cut to the source's rectangle.
    source->render(&canvas, part.topLeft() - origin, QRegion(part.translated(-source->pos())), flags);
}

} // namespace

void DrawParentBackground(const QWidget* control, QPainter& canvas)
{
    QWidget* parent = control->parentWidget();
    if (parent == nullptr)
        return;
    const QRect place = control->geometry();
    const QRect shown = place.intersected(parent->rect());
    if (shown.isEmpty())
        return;
    canvas.save();
    parent->render(&canvas, shown.topLeft() - place.topLeft(), QRegion(shown), QWidget::DrawWindowBackground);
    // Children are listed from the bottom of the stack up; the ones before
    // control are the ones it covers.
    for (QObject* child : parent->children()) {
        if (child == control)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling != nullptr && !sibling->isWindow() && sibling->isVisibleTo(parent))
            renderPart(sibling, shown, place.topLeft(), canvas,
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    canvas.restore();
}
