// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "widgets/urlopener.h"
#include "core/settings/serveraddress.h"

class BackgroundFetch;
class HtmlView;
class WebAddress;

// The online high-score window: posts a finished game's score and shows the
// list page that the maker's server keeps. Both requests run in the
// background; the window itself never waits.
class HighScoreWindow : public QWidget {
    Q_OBJECT
public:
    // urls opens the addresses the player follows from the list page.
    HighScoreWindow(const ServerAddress& server, QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());
    ~HighScoreWindow() override;

    // name, date and score already formatted; each is encoded for the query.
    // A post or list load still under way is dropped for the new one.
    void sendScore(const QString& name, const QString& date, const QString& score);
    // Why the server refused the last post, in its own words on one line;
    // empty when it gave no reason.
    [[nodiscard]] const QString& refusal() const { return m_refusal; }
    void loadList();
    // The post under way is no longer awaited: it ends, and no answer of it arrives.
    void abandonPost();

    // A post counts as answered only with a 2xx status; anything else, or no
    // answer at all, is a refused post.
    void onPostAnswered(QObject* Sender, const QByteArray& Result);
    void onPostFailed(QObject* Sender);
    // A page that comes with a 2xx status is shown; any other ending shows
    // kUnreachable instead.
    void onListLoaded(QObject* Sender, const QByteArray& Result);
    void onListFailed(QObject* Sender);
    void onListLinkClicked(QObject* Sender, const QString& SRC, bool& Handled);
    void onDone();

    // Shows the window, centred on the desktop the first time.
    void showWindow();

    [[nodiscard]] QString postUrl(const QString& name, const QString& date, const QString& score) const;
    [[nodiscard]] QString listUrl() const;
    // What a link in a downloaded page may open: a web page as written, or
    // a mail with its addresses and only a subject, body and cc; nothing
    // for anything else.
    [[nodiscard]] static std::optional<QString> openableLink(const QString& src);

    static constexpr const char* kUnreachable =
        QT_TRANSLATE_NOOP("HighScoreWindow", "The high-score list could not be reached.");

    // What the main window does when a post is answered (closing the
    // end-of-game panel, stopping the posting timer; false when the post was
    // already given up, and the answer is dropped) or refused.
    std::function<bool()> OnPostAnswered;
    std::function<void()> OnPostFailed;

    BackgroundFetch* postFetch = nullptr;
    BackgroundFetch* listFetch = nullptr;
    HtmlView* listView = nullptr;
    WebAddress* linkOpener = nullptr;

private:
    // A fresh fetcher in place of the old one, which ends unheard.
    void renewPostFetch();
    void renewListFetch();

    QString m_server; // http[s]://host[:port]
    bool m_placed = false;
    QString m_refusal;
};
