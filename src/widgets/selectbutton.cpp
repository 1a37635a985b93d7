// SPDX-License-Identifier: MIT
#include "widgets/selectbutton.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "widgets/keypress.h"
#include "widgets/textfit.h"

namespace {

class SelButtonAccessible : public QAccessibleWidget {
public:
    explicit SelButtonAccessible(SelectButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // The button's own flag, not QWidget's, decides whether it acts.
        if (!button()->isEnabled())
            s.disabled = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    SelectButton* button() const { return static_cast<SelectButton*>(widget()); }
};

QAccessibleInterface* selButtonFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() || className != QLatin1String("SelectButton"))
        return nullptr;
    return new SelButtonAccessible(static_cast<SelectButton*>(object));
}

// Tells Qt's accessibility layer what the control is; the first call
// installs, later ones do nothing.
void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(selButtonFactory);
        return true;
    }();
    (void)installed;
}

constexpr int kDefaultPointSize = 8;
// Caption inset from the left or right edge in the normal look; the pressed
// look moves the caption one pixel right and down.
constexpr int kLeftInset = 5;
constexpr int kRightInset = 6;

void frameRect(QPainter& canvas, const QRect& r, const QColor& color)
{
    canvas.fillRect(r.left(), r.top(), r.width(), 1, color);
    canvas.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    canvas.fillRect(r.left(), r.top(), 1, r.height(), color);
    canvas.fillRect(r.right(), r.top(), 1, r.height(), color);
}

} // namespace

SelectButton::SelectButton(QWidget* parent, const QString& name) : FocusMarked<QWidget>(nullptr)
{
    setObjectName(name);
    setFont(QFont(QStringLiteral("Arial"), kDefaultPointSize));
    m_canvasFont = font();
    resize(kDefaultWidth, kDefaultHeight);
    // OnMouseMove is raised on every move, not only while a button is held.
    setMouseTracking(true);
    // Only the keyboard gives it the focus; a click leaves focus where it was.
    setFocusPolicy(Qt::TabFocus);
    installAccessibility();
    if (parent != nullptr)
        setParent(parent);
}

void SelectButton::setCaption(const QString& caption)
{
    m_caption = caption;
    Paint();
}

void SelectButton::setColor(StoredColor color)
{
    m_color = color;
    Paint();
}

void SelectButton::setColorBorder(StoredColor color)
{
    m_colorBorder = color;
    Paint();
}

void SelectButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    Paint();
}

void SelectButton::setBorderWidth(int width)
{
    m_borderWidth = width;
    Paint();
}

void SelectButton::setFontColor(StoredColor color)
{
    m_fontColor = color;
    update();
}

void SelectButton::paintNow(Look look)
{
    if (look == Look::Over)
        m_canvasTextColor = m_colorOverCaption;
    else if (look == Look::Leave)
        m_canvasTextColor = m_fontColor;
    m_look = look;
    repaint();
    m_look = Look::Paint;
}

void SelectButton::paintEvent(QPaintEvent*)
{
    if (m_look == Look::Paint) {
        m_canvasFont = font();
        m_canvasTextColor = m_fontColor;
    }
    const QPalette& pal = palette();
    StoredColor fill = m_color;
    if (m_look == Look::Over)
        fill = m_colorOver;
    else if (m_look == Look::Down)
        fill = m_colorDown;
    const QColor fillColor = toShownColor(fill, pal);
    const bool down = m_look == Look::Down;
    const int W = width();
    const int H = height();

    QPainter canvas(this);
    // The outermost ring is left to the border.
    canvas.fillRect(1, 1, W - 2, H - 2, fillColor);

    // A caption too long for the face (a translation, a large desktop
    // font) is set smaller and then wrapped rather than cut.
    const QRect room(kLeftInset, 1, std::max(0, W - kLeftInset - kRightInset), std::max(0, H - 2));
    const textfit::Fit fitted = textfit::fit(m_canvasFont, m_caption, room.size());
    canvas.setFont(fitted.font);
    const QFontMetrics metrics = canvas.fontMetrics();
    const Qt::Alignment across = m_alignment & (Qt::AlignRight | Qt::AlignHCenter) ? m_alignment & Qt::AlignHorizontal_Mask
                                                                                     : Qt::AlignLeft;
    QRect cell = metrics.boundingRect(room, fitted.flags(across | Qt::AlignVCenter), m_caption);
    if (!fitted.wrap) {
        // One line keeps its old place: the left inset, the right inset or
        // the middle, whatever the room.
        const int w = metrics.horizontalAdvance(m_caption);
        int x = kLeftInset;
        if (m_alignment & Qt::AlignRight)
            x = W - w - kRightInset;
        else if (m_alignment & Qt::AlignHCenter)
            x = W / 2 - w / 2;
        cell = QRect(x, H / 2 - metrics.height() / 2, w, metrics.height());
    }
    if (down)
        cell.translate(1, 1);
    // The caption's cell is filled like the face, so it covers whatever lay
    // there, even where it overruns the face.
    canvas.fillRect(cell, fillColor);
    canvas.setPen(qcolor(colours::textOn(rgbOf(fillColor), rgbOf(toQColor(m_canvasTextColor, pal)))));
    if (fitted.wrap)
        canvas.drawText(cell, fitted.flags(across | Qt::AlignVCenter), m_caption);
    else
        canvas.drawText(cell.left(), cell.top() + metrics.ascent(), m_caption);

    // Frames past the middle would be empty; stopping there also bounds the
    // loop for any width a caller sets.
    const QColor border = toShownColor(m_colorBorder, pal);
    for (int i = 0; i < m_borderWidth && 2 * i < W && 2 * i < H; ++i)
        frameRect(canvas, QRect(i, i, W - 2 * i, H - 2 * i), border);

    if (m_focusMark.shown(this)) {
        const int inside = std::max(0, m_borderWidth - 1);
        FocusMark::paint(canvas, rect().adjusted(inside, inside, -inside, -inside), rgbOf(fillColor));
    }
}

void SelectButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange && parentWidget() != nullptr)
        setCaption(objectName());
}

void SelectButton::click()
{
    Paint();
    if (m_enabled)
        emit clicked(this);
}

void SelectButton::pointerEntered()
{
    if (m_pointerOver)
        return;
    m_pointerOver = true;
    if (m_enabled)
        paintNow(Look::Over);
}

void SelectButton::pointerLeft()
{
    if (!m_pointerOver)
        return;
    m_pointerOver = false;
    paintNow(Look::Leave);
}

void SelectButton::enterEvent(QEnterEvent*)
{
    pointerEntered();
}

void SelectButton::leaveEvent(QEvent*)
{
    pointerLeft();
}

void SelectButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    pressed(event);
}

void SelectButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click looks like a press but its release
    // is no click: the pair counts once.
    pressed(event);
}

void SelectButton::pressed(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_enabled)
        return;
    const QPointer<SelectButton> alive(this);
    const QPoint pos = event->position().toPoint();
    emit OnMouseDown(this, Qt::LeftButton, event->modifiers(), pos.x(), pos.y());
    if (alive)
        paintNow(Look::Down);
}

void SelectButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointer<SelectButton> alive(this);
    const QPoint pos = event->position().toPoint();
    const bool releasedInside = m_clickPending && rect().contains(pos);
    m_clickPending = false;
    if (releasedInside)
        click();
    if (!alive || !m_enabled)
        return;
    emit OnMouseUp(this, Qt::LeftButton, event->modifiers(), pos.x(), pos.y());
    if (alive && topmostAt(pos))
        paintNow(Look::Over);
}

void SelectButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointer<SelectButton> alive(this);
    const QPoint pos = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
    if (!alive || event->buttons() == Qt::NoButton)
        return;
    // While a button is held the press keeps the mouse, and Qt reports no
    // enter or leave; the looks still follow the pointer.
    if (topmostAt(pos))
        pointerEntered();
    else
        pointerLeft();
}

void SelectButton::keyPressEvent(QKeyEvent* event)
{
    if (!keypress::activates(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    click();
}

bool SelectButton::topmostAt(const QPoint& pos) const
{
    if (!rect().contains(pos))
        return false;
    const QWidget* top = window();
    if (top == this)
        return true;
    return top->childAt(mapTo(top, pos)) == this;
}
