// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

#include "widgets/focusmark.h"
#include "widgets/storedcolor.h"

// A light-weight push button (no native window) painted in three looks:
// normal, hover and pressed. Each mouse event paints its look at once; any
// other repaint draws the normal look. The button has its own Enabled flag
// beside QWidget's: with it off the button still gets mouse input but shows
// only the normal look and raises none of its own events. The caption
// becomes the objectName whenever the button is given a parent.
class SelectButton : public FocusMarked<QWidget> {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 105;
    static constexpr int kDefaultHeight = 20;
    static constexpr StoredColor kDefaultBorder = rgbColor(0x80, 0x80, 0x80);
    static constexpr StoredColor kDefaultOver = rgbColor(0x84, 0xB9, 0xA4);
    static constexpr StoredColor kDefaultFontColor = rgbColor(0x80, 0x80, 0x80);

    // name becomes the objectName before the button is parented, so it is
    // also the first caption.
    explicit SelectButton(QWidget* parent = nullptr, const QString& name = {});

    // These five paint the normal look at once.
    void setCaption(const QString& caption);
    [[nodiscard]] QString caption() const { return m_caption; }
    void setColor(StoredColor color);
    [[nodiscard]] StoredColor color() const { return m_color; }
    void setColorBorder(StoredColor color);
    [[nodiscard]] StoredColor colorBorder() const { return m_colorBorder; }
    // Qt::AlignLeft, AlignRight or AlignHCenter.
    void setAlignment(Qt::Alignment alignment);
    [[nodiscard]] Qt::Alignment alignment() const { return m_alignment; }
    // Number of nested one-pixel frames; 0 or less draws none.
    void setBorderWidth(int width);
    [[nodiscard]] int borderWidth() const { return m_borderWidth; }

    // These take effect with the next look that uses them.
    void setColorOverCaption(StoredColor color) { m_colorOverCaption = color; }
    [[nodiscard]] StoredColor colorOverCaption() const { return m_colorOverCaption; }
    void setColorOver(StoredColor color) { m_colorOver = color; }
    [[nodiscard]] StoredColor colorOver() const { return m_colorOver; }
    void setColorDown(StoredColor color) { m_colorDown = color; }
    [[nodiscard]] StoredColor colorDown() const { return m_colorDown; }
    // The caption's colour in the normal look; the face comes from font().
    void setFontColor(StoredColor color);
    [[nodiscard]] StoredColor fontColor() const { return m_fontColor; }

    // The button's own flag; hides QWidget::setEnabled on purpose.
    void setEnabled(bool enabled) { m_enabled = enabled; }
    [[nodiscard]] bool isEnabled() const { return m_enabled; }

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

    // A click without the pointer, as the keyboard and a screen reader give
    // it: the normal look, then clicked when enabled.
    void click();

signals:
    void clicked(SelectButton* sender);
    void OnMouseDown(SelectButton* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(SelectButton* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(SelectButton* sender, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the next paint draws. Paint is also what every system repaint
    // draws; the others are painted once, at once, by the events.
    enum class Look { Paint, Over, Leave, Down };

    void paintNow(Look look);
    void Paint() { paintNow(Look::Paint); }
    void pointerEntered();
    void pointerLeft();
    void pressed(QMouseEvent* event);
    [[nodiscard]] bool topmostAt(const QPoint& pos) const;

    QString m_caption;
    StoredColor m_color = clBtnFace;
    StoredColor m_colorBorder = kDefaultBorder;
    StoredColor m_colorOverCaption = clBlack;
    StoredColor m_colorOver = kDefaultOver;
    StoredColor m_colorDown = kDefaultOver;
    StoredColor m_fontColor = kDefaultFontColor;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    int m_borderWidth = 1;
    bool m_enabled = true;
    int m_tag = 0;

    Look m_look = Look::Paint;
    // The drawing state the looks share: the face the last normal paint
    // chose and the caption colour the last look left behind.
    QFont m_canvasFont;
    StoredColor m_canvasTextColor = kDefaultFontColor;
    // A left press (not the second of a double click) whose release inside
    // counts as a click.
    bool m_clickPending = false;
    // Whether the last enter or leave paint was an enter, so Qt's own leave
    // after a release outside does not paint twice.
    bool m_pointerOver = false;
};
