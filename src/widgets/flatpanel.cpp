// SPDX-License-Identifier: MIT
#include "widgets/flatpanel.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QImage>
#include <QPainter>

#include "widgets/ground.h"
#include "widgets/flatutilitys.h"
#include "widgets/textfit.h"
#include "widgets/focusringlayer.h"

namespace {

class FlatPanelAccessible : public QAccessibleWidget {
public:
    explicit FlatPanelAccessible(FlatPanel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<FlatPanel*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* flatPanelFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() || className != QLatin1String("FlatPanel"))
        return nullptr;
    return new FlatPanelAccessible(static_cast<FlatPanel*>(object));
}

// Tells Qt's accessibility layer what the control is; the first call
// installs, later ones do nothing.
void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(flatPanelFactory);
        return true;
    }();
    (void)installed;
}

constexpr int kDefaultWidth = 185;
constexpr int kDefaultHeight = 41;

} // namespace

FlatPanel::FlatPanel(QWidget* parent, const QString& name) : FocusMarked<QWidget>(parent)
{
    setObjectName(name);
    // Every pixel comes from the panel's own image, so Qt need not paint
    // what lies beneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, kDefaultWidth, kDefaultHeight);
    installAccessibility();
}

void FlatPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    // The caption is the panel's name to a screen reader (the posting
    // notice counts its dots in it).
    if (accessibleName().isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void FlatPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void FlatPanel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    // A see-through panel leaves pixels its parent does not paint to what Qt
    // has composed beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void FlatPanel::setFrameColor(int index, StoredColor color)
{
    m_frame[index == 0 ? 0 : 1] = color;
    update();
}

void FlatPanel::setColor(StoredColor color)
{
    m_color = color;
    m_parentColor = false;
    setPaletteColor(QPalette::Window, color);
}

StoredColor FlatPanel::color() const
{
    return m_parentColor ? fromQColor(palette().color(QPalette::Window)) : m_color;
}

void FlatPanel::setParentColor(bool parentColor)
{
    if (parentColor == m_parentColor)
        return;
    if (!parentColor) {
        setColor(color());
        return;
    }
    m_parentColor = true;
    // Dropping the panel's own palette entries lets the parent's show through.
    setPalette(QPalette());
    update();
}

void FlatPanel::setFontColor(StoredColor color)
{
    setPaletteColor(QPalette::WindowText, color);
}

void FlatPanel::setPaletteColor(QPalette::ColorRole role, StoredColor color)
{
    QPalette pal = palette();
    pal.setColor(role, toQColor(color, pal));
    setPalette(pal);
    update();
}

StoredColor FlatPanel::fontColor() const
{
    return fromQColor(palette().color(QPalette::Active, QPalette::WindowText));
}

void FlatPanel::alignChild(QWidget* child, ChildAlign align)
{
    if (m_align == nullptr) {
        m_align = new AlignLayout(this);
        m_align->setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    }
    m_align->setAlign(child, align);
}

void FlatPanel::paintEvent(QPaintEvent*)
{
    const QRect r = rect();
    const QPalette& pal = palette();
    const qreal ratio = devicePixelRatioF();
    QImage image(r.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter canvas(&image);

    if (m_transparent && parentWidget() != nullptr) {
        image.fill(Qt::transparent);
        DrawParentBackground(this, canvas);
    } else {
        // Without a parent there is nothing to see through: the panel's own
        // colour is the sensible background.
        canvas.fillRect(r, m_parentColor ? pal.color(QPalette::Active, QPalette::Window) : toShownColor(m_color, pal));
    }

    // Top and left in the highlight colour; the right and bottom edges,
    // including the top-right and bottom-left corners, in the shadow colour.
    const int w = r.width();
    const int h = r.height();
    // A frame is drawn like text: High Contrast keeps it apart from the
    // panel it surrounds, where the olive look has it black on the board's olive.
    const Rgb ground = rgbOf(m_parentColor ? pal.color(QPalette::Active, QPalette::Window) : toShownColor(m_color, pal));
    const QColor highLight = qcolor(colours::textOn(ground, rgbOf(toQColor(m_frame[0], pal))));
    const QColor shadow = qcolor(colours::textOn(ground, rgbOf(toQColor(m_frame[1], pal))));
    canvas.fillRect(0, 0, w - 1, 1, highLight);
    canvas.fillRect(0, 0, 1, h - 1, highLight);
    canvas.fillRect(w - 1, 0, 1, h, shadow);
    canvas.fillRect(0, h - 1, w, 1, shadow);

    QRect text = r.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    const textfit::Fit fitted = textfit::fit(font(), m_caption, text.size());
    const int format = fitted.flags(Qt::AlignVCenter | m_alignment) | Qt::TextShowMnemonic;
    canvas.setFont(fitted.font);
    if (isEnabled()) {
        canvas.setPen(pal.color(QPalette::Active, QPalette::WindowText));
        canvas.drawText(text, format, m_caption);
    } else {
        // Engraved: a light copy one pixel down and right under a dark one.
        canvas.setPen(toQColor(clBtnHighlight, pal));
        canvas.drawText(text.translated(1, 1), format, m_caption);
        canvas.setPen(toQColor(clBtnShadow, pal));
        canvas.drawText(text, format, m_caption);
    }
    if (m_focusMark.shown(this) && m_ringOnTop == nullptr)
        FocusMark::paint(canvas, r, m_transparent ? groundBehind(this) : rgbOf(pal.color(QPalette::Active, QPalette::Window)));
    canvas.end();

    QPainter(this).drawImage(0, 0, image);
}

void FlatPanel::placeRingOnTop(bool shown)
{
    const bool covered = std::any_of(children().cbegin(), children().cend(), [this](const QObject* o) {
        const auto* w = qobject_cast<const QWidget*>(o);
        return w != nullptr && w != m_ringOnTop && !w->isHidden();
    });
    if (!shown || !covered) {
        delete m_ringOnTop; // gone, so it never shows among the panel's children
        return;
    }
    if (m_ringOnTop == nullptr) {
        m_ringOnTop = new FocusRingLayer(this);
    }
    m_ringOnTop->raise();
}

void FlatPanel::focusInEvent(QFocusEvent* event)
{
    FocusMarked<QWidget>::focusInEvent(event);
    placeRingOnTop(m_focusMark.shown(this));
}

void FlatPanel::focusOutEvent(QFocusEvent* event)
{
    FocusMarked<QWidget>::focusOutEvent(event);
    placeRingOnTop(false);
}

void FlatPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

bool FlatPanel::focusNextPrevChild(bool next)
{
    // A hidden panel hands the focus on like any other widget.
    if (!m_keepsFocus || !isVisible())
        return QWidget::focusNextPrevChild(next);
    // The window's focus chain runs once around every widget; the panel's
    // own controls are the stretch of it that lies inside the panel.
    QList<QWidget*> own;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            own.append(w);
    if (own.isEmpty())
        return QWidget::focusNextPrevChild(next);
    const qsizetype at = own.indexOf(window()->focusWidget());
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : own.size() - 1;
    else
        to = (at + (next ? 1 : own.size() - 1)) % own.size();
    own[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
