// SPDX-License-Identifier: MIT
#pragma once
#include <QTextBrowser>
#include <functional>

#include "widgets/focusmark.h"

// The HTML viewer of the high-score window: loads a document from a string,
// shows it with the window's default fonts and colours and a vertical scroll
// bar only, and reports a click on a link with the link's target exactly as
// the page wrote it. It never follows a link itself, and it loads nothing a
// page names: images, backgrounds and style sheets stay empty. With the
// focus it shows the ring inside its page, as every control does.
class HtmlView : public FocusMarked<QTextBrowser> {
    Q_OBJECT
public:
    using LinkClickedEvent = std::function<void(QObject* Sender, const QString& SRC, bool& Handled)>;

    explicit HtmlView(QWidget* parent = nullptr, const QString& name = {});

    // Replaces the current document. referenceName is the document's base.
    void LoadFromString(const QString& html, const QString& referenceName = {});

    LinkClickedEvent OnLinkClicked;

    // How many resources the pages asked for and were refused.
    [[nodiscard]] int refusedResources() const { return m_refusedResources; }

protected:
    // Nothing, for every type and address.
    QVariant loadResource(int type, const QUrl& name) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The ring stays put while the page scrolls under it.
    void scrollContentsBy(int dx, int dy) override;

private:
    void anchorActivated(const QUrl& url);

    QString m_pressedAnchor;
    int m_refusedResources = 0;
};
