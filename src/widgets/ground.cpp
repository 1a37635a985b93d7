// SPDX-License-Identifier: MIT
#include "widgets/ground.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "widgets/storedcolor.h"

QImage pictureUnder(const QWidget* control)
{
    QImage under(control->size(), QImage::Format_ARGB32);
    under.fill(Qt::transparent);
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr || under.isNull())
        return under;
    QPainter p(&under);
    for (const QObject* sibling : parent->children()) {
        if (sibling == control)
            break; // later siblings lie above
        const auto* picture = dynamic_cast<const ShowsPicture*>(sibling);
        const auto* shown = qobject_cast<const QWidget*>(sibling);
        if (picture != nullptr && shown != nullptr && !shown->isHidden()
            && shown->geometry().intersects(control->geometry()))
            p.drawPixmap(shown->pos() - control->pos(), picture->picture());
    }
    return under;
}

std::optional<Rgb> pictureBehind(const QWidget* control)
{
    const QImage under = pictureUnder(control);
    double sum = 0;
    qsizetype count = 0;
    for (int y = 0; y < under.height(); ++y)
        for (int x = 0; x < under.width(); ++x)
            if (qAlpha(under.pixel(x, y)) >= 128) {
                sum += colours::luminance(rgbOf(QColor(under.pixel(x, y))));
                ++count;
            }
    if (count == 0 || count * 2 < under.width() * qsizetype(under.height()))
        return std::nullopt;
    // Back from luminance to an sRGB grey of it.
    const double l = sum / static_cast<double>(count);
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    const auto v = static_cast<std::uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
    return Rgb{v, v, v};
}

Rgb groundBehind(const QWidget* control)
{
    return pictureBehind(control).value_or(rgbOf(control->palette().color(QPalette::Active, QPalette::Window)));
}
