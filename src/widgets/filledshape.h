// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QWidget>

// A filled rectangle with a brush pattern and an outline, as the board's
// hatched set-aside squares.
class FilledShape : public QWidget {
    Q_OBJECT
public:
    FilledShape(QWidget* parent, const QString& name, Qt::BrushStyle pattern, QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::BrushStyle m_pattern;
    QColor m_color;
};
