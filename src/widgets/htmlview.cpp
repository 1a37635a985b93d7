// SPDX-License-Identifier: MIT
#include "widgets/htmlview.h"

#include "widgets/storedcolor.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextObjectInterface>

#include <algorithm>

namespace {

// A page's document: every resource it names (images, backgrounds, style
// sheets, @import) comes back empty, so no tag can make the viewer open a
// file, a device or a network address, nor wait for one.
class PageDocument final : public QTextDocument {
public:
    PageDocument(int& refused, QObject* parent) : QTextDocument(parent), m_refused(refused) {}

protected:
    QVariant loadResource(int, const QUrl&) override
    {
        ++m_refused;
        // Empty, not null: a null answer would send the document to the file
        // system and to the application's resource provider.
        return QByteArray();
    }

private:
    int& m_refused;
};

} // namespace

// An image keeps the place its width and height ask for, within the page's
// width, and shows nothing; its source is never looked up, not even for
// a high-resolution sibling file.
class PageImage final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;
    static constexpr qreal kMaxSide = 480; // the viewer's width

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        const QTextImageFormat image = format.toImageFormat();
        return {std::clamp(image.width(), 0.0, kMaxSide), std::clamp(image.height(), 0.0, kMaxSide)};
    }
    void drawObject(QPainter*, const QRectF&, QTextDocument*, int, const QTextFormat&) override {}
};

HtmlView::HtmlView(QWidget* parent, const QString& name) : FocusMarked<QTextBrowser>(parent)
{
    setObjectName(name);
    setDocument(new PageDocument(m_refusedResources, this));
    document()->documentLayout()->registerHandler(QTextFormat::ImageObject, new PageImage(this));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setFrameShape(QFrame::NoFrame);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, qcolor(colours::kKhaki));
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Link, qcolor(colours::kOlive));
    pal.setColor(QPalette::LinkVisited, Qt::gray);
    setPalette(pal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    setFont(font);
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(QStringLiteral("pre, code, tt { font-family: Arial; } a { color: %1; }")
                                         .arg(qcolor(colours::kOlive).name()));
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlView::anchorActivated);
}

void HtmlView::LoadFromString(const QString& html, const QString& referenceName)
{
    document()->setMetaInformation(QTextDocument::DocumentUrl, referenceName);
    setHtml(html);
    clearHistory();
}

QVariant HtmlView::loadResource(int, const QUrl&)
{
    ++m_refusedResources;
    return QByteArray();
}

void HtmlView::mousePressEvent(QMouseEvent* event)
{
    // anchorClicked() hands over a parsed URL; the raw target text comes
    // from the document at the place of the press.
    m_pressedAnchor = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

void HtmlView::paintEvent(QPaintEvent* event)
{
    QTextBrowser::paintEvent(event);
    if (m_focusMark.shown(this)) {
        QPainter p(viewport());
        FocusMark::paint(p, viewport()->rect(), rgbOf(palette().color(QPalette::Active, QPalette::Base)));
    }
}

void HtmlView::scrollContentsBy(int dx, int dy)
{
    QTextBrowser::scrollContentsBy(dx, dy);
    if (m_focusMark.shown(this))
        viewport()->update();
}

void HtmlView::anchorActivated(const QUrl& url)
{
    const QString src = m_pressedAnchor.isEmpty() ? url.toString() : m_pressedAnchor;
    m_pressedAnchor.clear();
    bool handled = false;
    if (OnLinkClicked)
        OnLinkClicked(this, src, handled);
}

#include "htmlview.moc"
