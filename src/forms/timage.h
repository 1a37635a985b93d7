#pragma once
#include "forms/clickgesture.h"
#include <QPixmap>
#include <QWidget>

// A picture control: shows a pixmap at its top-left corner, lets the parent
// show through where the pixmap is transparent, and reports a left click
// (press and release inside). The tag tells a shared handler which control
// was clicked.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr, const QString& name = {});

    void setPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& picture() const { return m_picture; }
    // Empties the picture, as clearing the canvas before drawing a new face.
    void clearPicture();

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

signals:
    void clicked(TImage* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    int m_tag = 0;
    ClickGesture m_click;
};
