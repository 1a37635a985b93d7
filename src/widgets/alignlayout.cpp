// SPDX-License-Identifier: MIT
#include "widgets/alignlayout.h"

#include <QWidget>
#include <QWidgetItem>
#include <algorithm>

AlignLayout::AlignLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    // The container's size is the form's business, never the children's.
    setSizeConstraint(QLayout::SetNoConstraint);
}

AlignLayout::~AlignLayout()
{
    for (const Entry& e : m_entries)
        delete e.item;
}

void AlignLayout::setAlign(QWidget* child, ChildAlign align)
{
    const int index = indexOf(child);
    if (align == ChildAlign::None) {
        if (index >= 0)
            delete takeAt(index);
        return;
    }
    if (index >= 0) {
        m_entries[index].align = align;
    } else {
        addChildWidget(child);
        m_entries.append({new QWidgetItem(child), align});
    }
    invalidate();
    // A hidden container gets no resize event until it is shown; lay out now
    // so the geometry is right from the start.
    if (const QWidget* container = parentWidget())
        arrange(container->rect());
}

ChildAlign AlignLayout::align(const QWidget* child) const
{
    const int index = indexOf(child);
    return index >= 0 ? m_entries[index].align : ChildAlign::None;
}

void AlignLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, ChildAlign::Client});
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem* item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

int AlignLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QSize AlignLayout::sizeHint() const
{
    return minimumSize();
}

QSize AlignLayout::minimumSize() const
{
    const QMargins m = contentsMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
}

void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect);
}

int AlignLayout::indexOf(const QWidget* child) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].item->widget() == child)
            return i;
    return -1;
}

void AlignLayout::arrange(const QRect& area)
{
    QRect free = area.marginsRemoved(contentsMargins());
    const auto place = [](QLayoutItem* item, int x, int y, int w, int h) {
        item->setGeometry(QRect(x, y, std::max(w, 0), std::max(h, 0)));
    };
    const auto extent = [](QLayoutItem* item, bool vertical) {
        const QWidget* w = item->widget();
        const QSize size = w != nullptr ? w->size() : item->sizeHint();
        return vertical ? size.height() : size.width();
    };
    for (const ChildAlign pass : {ChildAlign::Top, ChildAlign::Bottom, ChildAlign::Left, ChildAlign::Right, ChildAlign::Client}) {
        for (const Entry& e : m_entries) {
            if (e.align != pass || e.item->isEmpty())
                continue;
            switch (pass) {
            case ChildAlign::Top: {
                const int h = extent(e.item, true);
                place(e.item, free.left(), free.top(), free.width(), h);
                free.setTop(free.top() + h);
                break;
            }
            case ChildAlign::Bottom: {
                const int h = extent(e.item, true);
                place(e.item, free.left(), free.bottom() + 1 - h, free.width(), h);
                free.setBottom(free.bottom() - h);
                break;
            }
            case ChildAlign::Left: {
                const int w = extent(e.item, false);
                place(e.item, free.left(), free.top(), w, free.height());
                free.setLeft(free.left() + w);
                break;
            }
            case ChildAlign::Right: {
                const int w = extent(e.item, false);
                place(e.item, free.right() + 1 - w, free.top(), w, free.height());
                free.setRight(free.right() - w);
                break;
            }
            case ChildAlign::Client:
                place(e.item, free.left(), free.top(), free.width(), free.height());
                break;
            case ChildAlign::None:
                break;
            }
        }
    }
}
