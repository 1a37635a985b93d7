// SPDX-License-Identifier: MIT
#pragma once
#include <QLayout>
#include <QList>

// Where a child sits in its container: stacked along an edge (keeping its
// own height for top and bottom, its own width for left and right) or
// filling what the edge-aligned children leave.
enum class ChildAlign { None, Top, Bottom, Left, Right, Client };

// Lays children out by ChildAlign inside the contents margins: first the top
// children from the top down, then bottom, left and right ones, in the order
// they were added; every ChildAlign::Client child gets the whole remainder. Hidden
// children take no room. Installed on a container, the layout redoes this
// whenever the container is resized or setAlign() is called again.
class AlignLayout : public QLayout {
    Q_OBJECT
public:
    explicit AlignLayout(QWidget* parent = nullptr);
    ~AlignLayout() override;

    // Adds child (reparented to the container when needed), or, with
    // ChildAlign::None, gives it back to plain geometry.
    void setAlign(QWidget* child, ChildAlign align);
    [[nodiscard]] ChildAlign align(const QWidget* child) const;

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        ChildAlign align;
    };
    [[nodiscard]] int indexOf(const QWidget* child) const;
    void arrange(const QRect& area);

    QList<Entry> m_entries;
};
