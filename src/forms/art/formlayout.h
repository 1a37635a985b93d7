// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

#include "forms/art/boardlayout.h"

class QLabel;
class QWidget;

// Windows are laid out in pixels with fonts given by face and pixel height;
// these place their plain labels that way.
struct LabelStyle {
    QString face = QStringLiteral("MS Sans Serif");
    int pixels = 11;
    bool bold = false;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool underline = false;
};

// The layouts' plain places and sizes as Qt geometry.
constexpr QRect qrect(const Box& box) { return {box.left, box.top, box.width, box.height}; }
constexpr QPoint qpoint(Spot spot) { return {spot.left, spot.top}; }
constexpr QSize qsize(Extent extent) { return {extent.width, extent.height}; }

// Font, colour and alignment of a label as the style says.
void styleLabel(QLabel* label, const LabelStyle& style);

// A see-through label at geometry; an empty size makes it fit its text.
QLabel* placeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                   const LabelStyle& style);

// A font by face, pixel height and weight.
QFont pixelFont(const QString& face, int pixels, bool bold = false);

// The faces the layouts name are Windows fonts; map them to the metric-
// compatible faces installed here. Call once before the first window.
void installFontSubstitutions();

// Registers the program's compiled-in resources (help pages, pictures,
// sounds) for code linked from static libraries.
void initFormResources();
