// SPDX-License-Identifier: MIT
#pragma once
#include <QPointer>
#include <QWidget>

#include "widgets/alignlayout.h"
#include "widgets/focusmark.h"
#include "widgets/storedcolor.h"

// A container with a one-pixel two-colour frame, an optional single-line
// caption and an optional see-through background. Every paint builds the
// whole picture in one off-screen image and copies it out once. Children
// aligned with alignChild() sit inside the frame. A panel given a focus
// policy shows keyboard focus with a dotted frame inside its own.
class FlatPanel : public FocusMarked<QWidget> {
    Q_OBJECT
public:
    static constexpr StoredColor kDefaultFrameColor = rgbColor(0xA0, 0x96, 0x83);
    static constexpr int kFrameWidth = 1;

    // name becomes the objectName.
    explicit FlatPanel(QWidget* parent = nullptr, const QString& name = {});

    void setCaption(const QString& caption);
    [[nodiscard]] QString caption() const { return m_caption; }

    // Horizontal placement of the caption: Qt::AlignLeft, AlignRight or
    // AlignHCenter; the caption is always vertically centred.
    void setAlignment(Qt::Alignment alignment);
    [[nodiscard]] Qt::Alignment alignment() const { return m_alignment; }

    void setTransparent(bool transparent);
    [[nodiscard]] bool transparent() const { return m_transparent; }

    void setColorHighLight(StoredColor color) { setFrameColor(0, color); }
    [[nodiscard]] StoredColor colorHighLight() const { return m_frame[0]; }
    void setColorShadow(StoredColor color) { setFrameColor(1, color); }
    [[nodiscard]] StoredColor colorShadow() const { return m_frame[1]; }
    // index 0 is ColorHighLight, 1 is ColorShadow.
    void setFrameColor(int index, StoredColor color);

    // Setting a colour ends ParentColor; with ParentColor the panel shows the
    // parent's window colour. Children inherit the panel's colour.
    void setColor(StoredColor color);
    [[nodiscard]] StoredColor color() const;
    void setParentColor(bool parentColor);
    [[nodiscard]] bool parentColor() const { return m_parentColor; }

    // The caption's colour; inherited from the parent like the font until set.
    void setFontColor(StoredColor color);
    [[nodiscard]] StoredColor fontColor() const;

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

    // Keeps child on an edge or filling the rest, inside the frame, through
    // every resize. ChildAlign::None leaves it at a fixed place again.
    void alignChild(QWidget* child, ChildAlign align);

    // While shown, Tab and Shift+Tab cycle among the panel's own controls
    // instead of leaving it, as in a dialog.
    void setKeepsFocus(bool keeps) { m_keepsFocus = keeps; }
    [[nodiscard]] bool keepsFocus() const { return m_keepsFocus; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The ring goes on a layer above the children when they would cover it
    // (the help window's pages fill their panel).
    void placeRingOnTop(bool shown);

    // Children inherit what is set here, as they inherit the font.
    void setPaletteColor(QPalette::ColorRole role, StoredColor color);

    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    bool m_transparent = false;
    StoredColor m_frame[2] = {kDefaultFrameColor, kDefaultFrameColor};
    StoredColor m_color = clBtnFace;
    bool m_parentColor = true;
    int m_tag = 0;
    AlignLayout* m_align = nullptr;
    bool m_keepsFocus = false;
    QPointer<QWidget> m_ringOnTop;
};
