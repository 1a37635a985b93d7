// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/clickable.h"
#include "widgets/ground.h"
#include <QPixmap>
#include <QWidget>

#include <functional>

// A picture control: shows a pixmap at its top-left corner, lets the parent
// show through where the pixmap is transparent, and reports a left click
// (press and release inside). The tag tells a shared handler which control
// was clicked. A picture that something listens to is a button to the
// keyboard too: Tab reaches it, Space or Return press it.
class PictureBox : public Clickable<QWidget>, public ShowsPicture {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& name = {});

    void setPicture(const QPixmap& picture);
    // A picture made the first time it is painted or asked for: windows that
    // may never be opened then cost nothing to create. The source is kept,
    // so a change of look paints the picture afresh.
    void setPictureSource(std::function<QPixmap()> source);
    // Asks the source again at the next paint (nothing without a source).
    void refreshPicture();
    [[nodiscard]] const QPixmap& picture() const override;
    // Empties the picture, as clearing the canvas before drawing a new face.
    void clearPicture();

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

    // Whether a click could reach the picture now: shown, and no pop-up
    // panel lies over its middle.
    [[nodiscard]] bool reachable() const;
    // A click without the pointer (keyboard, screen reader): reported only
    // where a click could reach. True when it was reported.
    bool press() override;

signals:
    void clicked(PictureBox* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void clickCompleted() override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    mutable QPixmap m_picture;
    std::function<QPixmap()> m_source;
    int m_tag = 0;
};
