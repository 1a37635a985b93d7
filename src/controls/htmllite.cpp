// SPDX-License-Identifier: MIT
#include "controls/htmllite.h"

#include "controls/tcolor.h"

#include <QMouseEvent>
#include <QScrollBar>

ThtmlLite::ThtmlLite(QWidget* parent, const QString& name) : QTextBrowser(parent)
{
    setObjectName(name);
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
    connect(this, &QTextBrowser::anchorClicked, this, &ThtmlLite::anchorActivated);
}

void ThtmlLite::LoadFromString(const QString& html, const QString& referenceName)
{
    document()->setMetaInformation(QTextDocument::DocumentUrl, referenceName);
    setHtml(html);
    clearHistory();
}

void ThtmlLite::mousePressEvent(QMouseEvent* event)
{
    // anchorClicked() hands over a parsed URL; the raw target text comes
    // from the document at the place of the press.
    m_pressedAnchor = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

void ThtmlLite::anchorActivated(const QUrl& url)
{
    const QString src = m_pressedAnchor.isEmpty() ? url.toString() : m_pressedAnchor;
    m_pressedAnchor.clear();
    bool handled = false;
    if (OnHotSpotClick)
        OnHotSpotClick(this, src, handled);
}
