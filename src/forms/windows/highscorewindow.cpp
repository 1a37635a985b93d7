// SPDX-License-Identifier: MIT
#include "forms/windows/highscorewindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <algorithm>

#include "widgets/flatpanel.h"
#include "core/posting/refusalreason.h"
#include "widgets/htmlview.h"
#include "widgets/webaddress.h"
#include "forms/art/artwork.h"
#include "forms/art/formlayout.h"
#include "forms/art/picturebutton.h"
#include "forms/windows/infowindow.h"
#include "online/querytext.h"
#include "widgets/picturebox.h"
#include "online/listpagetext.h"
#include "net/backgroundfetch.h"
#include "net/httplimits.h"
#include "net/wiretext.h"
#include "protocol/wirecontract.h"
#include "widgets/textscale.h"
#include "forms/art/objectnames.h"

namespace {

bool successStatus(int status)
{
    return status >= 200 && status <= 299;
}

// The query parameters a mail link may carry; "attach" and the like would
// hand the mail program a local file.
const QStringList kMailParameters{QStringLiteral("subject"), QStringLiteral("body"), QStringLiteral("cc")};

// One of the addresses a mail link names, with nothing that a mail program
// could read as another parameter.
bool isMailAddressList(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isLetterOrNumber() || QStringView(u"@.-_+,").contains(c);
    });
}

std::optional<QString> mailLink(const QString& src)
{
    const qsizetype question = src.indexOf(QLatin1Char('?'));
    const QString to = QUrl::fromPercentEncoding(src.mid(7, question < 0 ? -1 : question - 7).toUtf8());
    if (!isMailAddressList(to))
        return std::nullopt;
    QString link = QStringLiteral("mailto:") + to;
    QChar separator = QLatin1Char('?');
    const QString query = question < 0 ? QString() : src.mid(question + 1);
    for (const QString& item : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QString key = QUrl::fromPercentEncoding(item.left(equals).toUtf8()).toLower();
        if (equals < 0 || !kMailParameters.contains(key))
            continue;
        // Decoded and encoded again, so a value cannot smuggle in a parameter.
        const QByteArray value = QUrl::fromPercentEncoding(item.mid(equals + 1).toUtf8()).toUtf8();
        link += separator + key + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
        separator = QLatin1Char('&');
    }
    return link;
}

BackgroundFetch* makeFetcher(QObject* parent, const QString& name, long long maxBodySize)
{
    auto* fetch = new BackgroundFetch(parent);
    fetch->setObjectName(name);
    fetch->AcceptTypes = QStringLiteral("*/*");
    fetch->Agent = wireText(wire::kFetchAgent);
    fetch->BinaryData = false;
    fetch->UseCache = false;
    fetch->MaxBodySize = maxBodySize;
    return fetch;
}

} // namespace

HighScoreWindow::HighScoreWindow(const ServerAddress& server, QWidget* parent, UrlOpener& urls)
    : QWidget(parent, Qt::Dialog)
    , m_server(QString::fromStdString(server.origin()))
{
    setObjectName(QStringLiteral("highscore"));
    infowindow::dress(this, tr("Pelbix Solo - High Scores"), QSize(603, 561));
    setFixedSize(603, 561);

    auto* logo = new PictureBox(this, QStringLiteral("Image1"));
    logo->setGeometry(QRect(QPoint(24, 8), artwork::kHighScoreLogoSize));
    logo->setPictureSource([] { return artwork::logoPicture(artwork::kHighScoreLogoSize); });

    auto* panel = new FlatPanel(this, QString::fromLatin1(objectname::kMainPanel));
    panel->setGeometry(112, 8, 481, 507);
    panel->setColor(rgbColor(colours::kHighScoreFrame));
    panel->setColorHighLight(clWhite);
    panel->setColorShadow(clWhite);
    listView = new HtmlView(panel, QStringLiteral("displayhtml"));
    panel->alignChild(listView, ChildAlign::Client);
    listView->OnLinkClicked = [this](QObject* sender, const QString& src, bool& handled) {
        onListLinkClicked(sender, src, handled);
    };

    auto* done = placePictureButton(this, QStringLiteral("button_done"), {455, 521}, tr("DONE"));
    connect(done, &PictureBox::clicked, this, &HighScoreWindow::onDone);
    LabelStyle caption;
    caption.color = Qt::black;
    placeLabel(this, QStringLiteral("label_maker"), QRect(8, 544, 0, 0), QStringLiteral("Dravik Software"), caption);

    renewPostFetch();
    renewListFetch();
    linkOpener = new WebAddress(this, urls);
    linkOpener->setObjectName(QStringLiteral("URL1"));
    linkOpener->setURLType(WebAddressType::None);
}

HighScoreWindow::~HighScoreWindow() = default;

QString HighScoreWindow::postUrl(const QString& name, const QString& date, const QString& score) const
{
    return QStringLiteral("%1%2?%3=%4&%5=%6&%7=%8")
        .arg(m_server, QLatin1String(wire::kPostPath), wireText(wire::kNameKey), percentEncodeQueryValue(name),
             wireText(wire::kDateKey), percentEncodeQueryValue(date), wireText(wire::kScoreKey),
             percentEncodeQueryValue(score));
}

QString HighScoreWindow::listUrl() const { return m_server + QLatin1String(wire::kListPath); }

void HighScoreWindow::renewPostFetch()
{
    // Destroying a fetcher ends its request at once, and nothing of it
    // arrives afterwards.
    delete postFetch;
    postFetch = makeFetcher(this, QStringLiteral("sendit"), HttpLimits::kPostAnswer);
    postFetch->OtherHostRedirects = false; // a score counts as posted only where it was sent
    postFetch->OnDoneString = [this](QObject* sender, const QByteArray& result) { onPostAnswered(sender, result); };
    postFetch->OnError = [this](QObject* sender) { onPostFailed(sender); };
}

void HighScoreWindow::renewListFetch()
{
    delete listFetch;
    listFetch = makeFetcher(this, QStringLiteral("getit"), HttpLimits::kListPage);
    listFetch->OnDoneString = [this](QObject* sender, const QByteArray& result) { onListLoaded(sender, result); };
    listFetch->OnError = [this](QObject* sender) { onListFailed(sender); };
}

void HighScoreWindow::sendScore(const QString& name, const QString& date, const QString& score)
{
    // A fetcher runs one request at a time; a post still hanging would
    // swallow this one.
    if (postFetch->Busy())
        renewPostFetch();
    m_refusal.clear();
    postFetch->URL = postUrl(name, date, score);
    postFetch->FetchString();
}

void HighScoreWindow::abandonPost()
{
    if (postFetch->Busy())
        renewPostFetch();
}

void HighScoreWindow::loadList()
{
    if (listFetch->Busy())
        renewListFetch();
    listFetch->PostQuery.clear();
    listFetch->URL = listUrl();
    listFetch->FetchString();
}

void HighScoreWindow::onPostAnswered(QObject* Sender, const QByteArray& Result)
{
    // The body is not looked at; the status says whether the score was kept.
    if (!successStatus(postFetch->StatusCode())) {
        m_refusal = QString::fromStdString(refusalReason(std::string_view(Result.constData(), static_cast<std::size_t>(Result.size()))));
        onPostFailed(Sender);
        return;
    }
    // An answer after the player was told "Posting Failed." is no answer.
    if (OnPostAnswered && !OnPostAnswered())
        return;
    loadList();
    showWindow();
}

void HighScoreWindow::onPostFailed(QObject* Sender)
{
    // A 2xx without a body (204) kept the score all the same.
    if (successStatus(postFetch->StatusCode()) && postFetch->Received() == 0) {
        onPostAnswered(Sender, QByteArray());
        return;
    }
    if (OnPostFailed)
        OnPostFailed();
}

void HighScoreWindow::onListLoaded(QObject* Sender, const QByteArray& Result)
{
    if (!successStatus(listFetch->StatusCode())) {
        onListFailed(Sender);
        return;
    }
    listView->LoadFromString(ListPageText::prepare(QString::fromUtf8(Result)), QString());
}

void HighScoreWindow::onListFailed(QObject*)
{
    listView->LoadFromString(QStringLiteral("<p>%1</p>").arg(tr(kUnreachable).toHtmlEscaped()), QString());
}

std::optional<QString> HighScoreWindow::openableLink(const QString& src)
{
    const QString s = src.trimmed();
    if (s.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        s.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return src;
    if (s.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return mailLink(s);
    return std::nullopt;
}

void HighScoreWindow::onListLinkClicked(QObject*, const QString& SRC, bool&)
{
    // A downloaded page must not be able to start programs or open local
    // files on the player's machine.
    const std::optional<QString> link = openableLink(SRC);
    if (!link)
        return;
    linkOpener->setURL(*link);
    linkOpener->Open();
}

void HighScoreWindow::onDone() { close(); }

void HighScoreWindow::showWindow()
{
    textscale::fitWindow(this);
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect desk = screen->availableGeometry();
            move(desk.left() + (desk.width() - frameGeometry().width()) / 2,
                 desk.top() + (desk.height() - frameGeometry().height()) / 2);
        }
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

