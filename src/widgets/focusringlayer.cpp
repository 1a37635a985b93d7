// SPDX-License-Identifier: MIT
#include "widgets/focusringlayer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPointer>

#include "widgets/focusmark.h"
#include "widgets/ground.h"

namespace {

// Follows the focus among Qt's own controls.
class QtControlRings : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
            return false;
        auto* control = qobject_cast<QWidget*>(watched);
        if (control == nullptr || control->isWindow() || dynamic_cast<PaintsFocusRing*>(control) != nullptr
            || dynamic_cast<FocusRingLayer*>(control) != nullptr)
            return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool in = event->type() == QEvent::FocusIn;
        // Focus that leaves and comes back with the window keeps its ring,
        // or gets it when the window opens on the control.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            if (in && control != m_clicked && (m_layer == nullptr || m_layer->parentWidget() != control)) {
                delete m_layer;
                m_layer = new FocusRingLayer(control);
            }
            return false;
        }
        delete m_layer;
        m_clicked = in && reason == Qt::MouseFocusReason ? control : nullptr;
        if (in && m_clicked == nullptr)
            m_layer = new FocusRingLayer(control);
        return false;
    }

private:
    QPointer<FocusRingLayer> m_layer;
    QPointer<QWidget> m_clicked; // the control the mouse last gave the focus to
};

} // namespace

FocusRingLayer::FocusRingLayer(QWidget* control) : QWidget(control), m_control(control)
{
    setObjectName(QStringLiteral("focusring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
    control->installEventFilter(this);
    show();
    raise();
}

void FocusRingLayer::installForQtControls()
{
    static QPointer<QtControlRings> rings;
    if (rings == nullptr && qApp != nullptr) {
        rings = new QtControlRings(qApp);
        qApp->installEventFilter(rings);
    }
}

bool FocusRingLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control) {
        if (event->type() == QEvent::Resize)
            setGeometry(m_control->rect());
        else if (event->type() == QEvent::ChildAdded)
            raise(); // stays above what the control adds later
        else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
    }
    return false;
}

void FocusRingLayer::paintEvent(QPaintEvent*)
{
    if (!m_control->hasFocus() || !m_control->isActiveWindow())
        return;
    // The control and its children as they paint, without this layer (a
    // widget cannot be drawn again while it paints).
    QImage under(size(), QImage::Format_ARGB32);
    under.fill(Qt::transparent);
    m_control->render(&under, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    for (QObject* o : m_control->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (child != nullptr && child != this && !child->isHidden() && !child->isWindow())
            child->render(&under, child->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPainter p(this);
    FocusMark::paint(p, rect(), under, groundBehind(m_control));
}
