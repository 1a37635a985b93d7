// SPDX-License-Identifier: MIT
#include "widgets/picturebox.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "widgets/flatpanel.h"
#include "widgets/clickableaccessible.h"
#include "widgets/textscale.h"

PictureBox::PictureBox(QWidget* parent, const QString& name) : Clickable<QWidget>(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
    installClickableAccessibility<PictureBox>("PictureBox", QAccessible::Button, QAccessible::Graphic);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_source = nullptr;
    m_picture = picture;
    update();
}

void PictureBox::setPictureSource(std::function<QPixmap()> source)
{
    m_picture = QPixmap();
    m_source = std::move(source);
    update();
}

const QPixmap& PictureBox::picture() const
{
    if (m_source && m_picture.isNull())
        m_picture = m_source();
    return m_picture;
}

void PictureBox::refreshPicture()
{
    if (!m_source)
        return;
    m_picture = QPixmap();
    update();
}

void PictureBox::clearPicture()
{
    m_source = nullptr;
    m_picture = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (const QPixmap& shown = picture(); !shown.isNull()) {
        // Pictures grow with their window; painted ones carry the pixels for it.
        const qreal factor = textscale::of(this);
        if (factor == 1.0) {
            p.drawPixmap(0, 0, shown);
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(QRectF(QPointF(0, 0), shown.deviceIndependentSize() * factor), shown, QRectF(shown.rect()));
        }
    }
    if (m_focusMark.shown(this))
        FocusMark::paint(p, rect(), picture().toImage(), groundBehind(this));
}

bool PictureBox::reachable() const
{
    if (!isVisible() || !isEnabled())
        return false;
    // A pop-up panel stacked above the picture, or above any of its
    // containers, takes the click; siblings later in the list lie above.
    const QWidget* w = this;
    QPoint middle = geometry().center(); // in the coordinates of w's parent
    while (!w->isWindow() && w->parentWidget() != nullptr) {
        const QWidget* parent = w->parentWidget();
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
            const auto* panel = qobject_cast<const FlatPanel*>(siblings[i]);
            if (panel != nullptr && panel->isVisible() && panel->geometry().contains(middle))
                return false;
        }
        middle += parent->pos();
        w = parent;
    }
    return true;
}

bool PictureBox::press()
{
    if (!reachable())
        return false;
    emit clicked(this);
    return true;
}

void PictureBox::connectNotify(const QMetaMethod& signal)
{
    // Keyboard only: a click still leaves the focus where it was.
    if (signal == QMetaMethod::fromSignal(&PictureBox::clicked))
        setFocusPolicy(Qt::TabFocus);
    QWidget::connectNotify(signal);
}

void PictureBox::clickCompleted() { emit clicked(this); }
