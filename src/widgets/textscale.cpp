// SPDX-License-Identifier: MIT
#include "widgets/textscale.h"

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/textfit.h"
#include "widgets/workarea.h"

namespace textscale {
namespace {

constexpr const char* kFactorProperty = "pelbixTextScale";

QRect& workAreaOverride()
{
    static QRect area;
    return area;
}

int times(int pixels, qreal factor) { return static_cast<int>(std::lround(pixels * factor)); }
QSize times(QSize size, qreal factor) { return {times(size.width(), factor), times(size.height(), factor)}; }
QPoint times(QPoint p, qreal factor) { return {times(p.x(), factor), times(p.y(), factor)}; }
QRect times(const QRect& r, qreal factor) { return {times(r.topLeft(), factor), times(r.size(), factor)}; }

// A size limit of Qt's "none" stays none.
int limit(int pixels, qreal factor) { return pixels >= QWIDGETSIZE_MAX ? pixels : times(pixels, factor); }

bool insideMenuBar(const QWidget* w)
{
    for (; w != nullptr; w = w->parentWidget())
        if (qobject_cast<const QMenuBar*>(w) != nullptr)
            return true;
    return false;
}

void scaleSizes(QWidget* w, qreal factor)
{
    const QSize min = w->minimumSize();
    const QSize max = w->maximumSize();
    w->setMinimumSize(times(min, factor));
    w->setMaximumSize(limit(max.width(), factor), limit(max.height(), factor));
}

void scaleFont(QWidget* w, qreal factor)
{
    // Only a font the control was given: inherited ones follow their parent.
    if (!w->testAttribute(Qt::WA_SetFont) || !(w->font().resolveMask() & QFont::SizeResolved))
        return;
    QFont font = w->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, times(font.pixelSize(), factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    w->setFont(font);
}

void scaleSections(QHeaderView* header, qreal factor)
{
    // A new default size also resizes the sections that have it: the sizes
    // are taken before.
    std::vector<int> sizes;
    for (int i = 0; i < header->count(); ++i)
        sizes.push_back(header->sectionSize(i));
    header->setMinimumSectionSize(times(header->minimumSectionSize(), factor));
    header->setDefaultSectionSize(times(header->defaultSectionSize(), factor));
    for (int i = 0; i < header->count(); ++i) {
        const bool stretched = header->sectionResizeMode(i) == QHeaderView::Stretch
                               || (header->stretchLastSection() && i == header->count() - 1);
        if (!stretched)
            header->resizeSection(i, times(sizes[static_cast<std::size_t>(i)], factor));
    }
}

void scaleControl(QWidget* w, qreal factor)
{
    // Layouts place their controls again on the window's next resize; the
    // ones that keep a control's own width or height need it grown.
    w->setGeometry(times(w->geometry(), factor));
    scaleSizes(w, factor);
    scaleFont(w, factor);
    if (auto* header = qobject_cast<QHeaderView*>(w))
        scaleSections(header, factor);
}

// What the window needs at the drawn size, and the part that never grows.
QSize drawnNeed(const QWidget* window)
{
    if (window->minimumSize() == window->maximumSize())
        return window->minimumSize();
    // A window laid out by hand needs the size it was given.
    return window->size().expandedTo(window->minimumSize()).expandedTo(window->minimumSizeHint());
}

QSize unscaledPart(const QWidget* window)
{
    if (const auto* main = qobject_cast<const QMainWindow*>(window); main != nullptr && main->menuWidget() != nullptr)
        return {0, main->menuWidget()->sizeHint().height()};
    return {0, 0};
}

} // namespace

qreal desktopFactor()
{
    // A desktop that names its font in pixels still has a size in points.
    const QFont font = QApplication::font();
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    if (points <= 0)
        return 1.0;
    return std::clamp(points / kDesignPointSize, 1.0, kLargest);
}

qreal of(const QWidget* widget)
{
    const QVariant factor = widget != nullptr ? widget->window()->property(kFactorProperty) : QVariant();
    return factor.isValid() ? factor.toReal() : 1.0;
}

QPoint scaled(QPoint at, const QWidget* widget) { return times(at, of(widget)); }
int scaled(int pixels, const QWidget* widget) { return times(pixels, of(widget)); }

qreal factorFor(QSize need, QSize fixed, QRect workArea, qreal wanted)
{
    if (need.isEmpty() || workArea.isEmpty())
        return wanted;
    const QSize room = workArea.size() - kFrameAllowance - fixed;
    const qreal fits = std::min(qreal(room.width()) / need.width(), qreal(room.height()) / need.height());
    return std::max(kSmallest, std::min(wanted, fits));
}

void overrideWorkArea(QRect workArea) { workAreaOverride() = workArea; }

void fitWindow(QWidget* window)
{
    if (!workAreaOverride().isEmpty())
        return fitWindow(window, workAreaOverride());
    fitWindow(window, WorkArea::of(window));
}

void fitWindow(QWidget* window, QRect workArea)
{
    if (window->property(kFactorProperty).isValid())
        return;
    const QSize fixed = unscaledPart(window);
    const QSize need = drawnNeed(window) - fixed;
    const qreal factor = factorFor(need, fixed, workArea, desktopFactor());
    window->setProperty(kFactorProperty, factor);

    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && !insideMenuBar(w)) // other windows fit themselves
            controls << w;
    if (factor != 1.0) {
        const bool fixedSize = window->minimumSize() == window->maximumSize();
        const QSize size = window->size();
        scaleSizes(window, factor);
        scaleFont(window, factor);
        for (QWidget* w : controls)
            scaleControl(w, factor);
        if (!fixedSize) {
            QSize grown = times(size - fixed, factor) + fixed;
            if (!workArea.isEmpty())
                grown = grown.boundedTo(workArea.size() - kFrameAllowance);
            window->resize(grown.expandedTo(window->minimumSize()));
        }
    }
    for (QWidget* w : controls)
        if (auto* label = qobject_cast<QLabel*>(w))
            textfit::fitLabel(label);
}

} // namespace textscale
