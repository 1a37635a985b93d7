// SPDX-License-Identifier: MIT
#include "forms/art/formlayout.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QVariant>


QFont pixelFont(const QString& face, int pixels, bool bold)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void styleLabel(QLabel* label, const LabelStyle& style)
{
    QFont font = pixelFont(style.face, style.pixels, style.bold);
    font.setUnderline(style.underline);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, style.color);
    label->setPalette(pal);
    label->setAlignment(style.alignment);
}

QLabel* placeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                   const LabelStyle& style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    styleLabel(label, style);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    if (geometry.size().isEmpty()) {
        label->adjustSize();
        label->move(geometry.topLeft());
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
}

// Outside any namespace, as the resource initialiser requires.
static void initFormsQrc() { Q_INIT_RESOURCE(forms); }

void initFormResources() { initFormsQrc(); }

