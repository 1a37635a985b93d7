// SPDX-License-Identifier: MIT
#include "forms/highscoreform.h"

#include <QGuiApplication>
#include <QScreen>

#include "controls/flatpanel.h"
#include "controls/htmllite.h"
#include "controls/url.h"
#include "forms/artwork.h"
#include "forms/formlayout.h"
#include "forms/infowindow.h"
#include "forms/querytext.h"
#include "forms/timage.h"
#include "forms/listpagetext.h"
#include "net/httpget.h"
#include "net/httplimits.h"

namespace {

bool successStatus(int status)
{
    return status >= 200 && status <= 299;
}

THTTPGet* makeFetcher(QObject* parent, const QString& name, long long maxBodySize)
{
    auto* fetch = new THTTPGet(parent);
    fetch->setObjectName(name);
    fetch->AcceptTypes = QStringLiteral("*/*");
    fetch->Agent = QStringLiteral("Kelvane HTTPGet");
    fetch->BinaryData = false;
    fetch->UseCache = false;
    fetch->WaitThread = false;
    fetch->MaxBodySize = maxBodySize;
    return fetch;
}

} // namespace

Thighscore::Thighscore(const QString& productkey, const ServerAddress& server, QWidget* parent, UrlOpener& urls)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_productkey(productkey)
    , m_server(QString::fromStdString(server.origin()))
{
    setObjectName(QStringLiteral("highscore"));
    infowindow::dress(this, QStringLiteral("Pelbix Solo - High Scores"), QSize(603, 561));
    setFixedSize(603, 561);

    auto* logo = new TImage(this, QStringLiteral("Image1"));
    logo->setGeometry(QRect(QPoint(24, 8), artwork::kHighScoreLogoSize));
    logo->setPictureSource([] { return artwork::logoPicture(artwork::kHighScoreLogoSize); });

    auto* panel = new TFlatPanel(this, QStringLiteral("panel_main"));
    panel->setGeometry(112, 8, 481, 507);
    panel->setColor(rgbColor(colours::kHighScoreFrame));
    panel->setColorHighLight(clWhite);
    panel->setColorShadow(clWhite);
    displayhtml = new ThtmlLite(panel, QStringLiteral("displayhtml"));
    panel->alignChild(displayhtml, TAlign::alClient);
    displayhtml->OnHotSpotClick = [this](QObject* sender, const QString& src, bool& handled) {
        displayhtmlHotSpotClick(sender, src, handled);
    };

    auto* done = placePictureButton(this, QStringLiteral("button_done"), {455, 521}, QStringLiteral("DONE"));
    connect(done, &TImage::clicked, this, &Thighscore::button_doneClick);
    LabelStyle caption;
    caption.color = Qt::black;
    placeLabel(this, QStringLiteral("label_maker"), QRect(8, 544, 0, 0), QStringLiteral("Dravik Software"), caption);

    sendit = makeFetcher(this, QStringLiteral("sendit"), HttpLimits::kPostAnswer);
    sendit->OtherHostRedirects = false; // a score counts as posted only where it was sent
    sendit->OnDoneString = [this](QObject* sender, const QByteArray& result) { senditDoneString(sender, result); };
    sendit->OnError = [this](QObject* sender) { senditError(sender); };
    getit = makeFetcher(this, QStringLiteral("getit"), HttpLimits::kListPage);
    getit->OnDoneString = [this](QObject* sender, const QByteArray& result) { getitDoneString(sender, result); };
    getit->OnError = [this](QObject* sender) { getitError(sender); };
    URL1 = new TURL(this, urls);
    URL1->setObjectName(QStringLiteral("URL1"));
    URL1->setURLType(TURLType::utnone);
}

Thighscore::~Thighscore() = default;

QString Thighscore::postUrl(const QString& name, const QString& date, const QString& score) const
{
    return QStringLiteral("%1/cgi-bin/%2.cgi?name=%3&date=%4&score=%5")
        .arg(m_server, m_productkey, percentEncodeQueryValue(name), percentEncodeQueryValue(date),
             percentEncodeQueryValue(score));
}

QString Thighscore::listUrl() const { return QStringLiteral("%1/counter/%2.shtml").arg(m_server, m_productkey); }

void Thighscore::sendscore(const QString& name, const QString& date, const QString& score)
{
    sendit->URL = postUrl(name, date, score);
    sendit->FetchString();
}

void Thighscore::loadit()
{
    getit->PostQuery.clear();
    getit->URL = listUrl();
    getit->FetchString();
}

void Thighscore::senditDoneString(QObject* Sender, const QByteArray&)
{
    // The body is not looked at; the status says whether the score was kept.
    if (!successStatus(sendit->StatusCode())) {
        senditError(Sender);
        return;
    }
    if (OnPostAnswered)
        OnPostAnswered();
    loadit();
    showWindow();
}

void Thighscore::senditError(QObject* Sender)
{
    // A 2xx without a body (204) kept the score all the same.
    if (successStatus(sendit->StatusCode()) && sendit->Received() == 0) {
        senditDoneString(Sender, QByteArray());
        return;
    }
    if (OnPostFailed)
        OnPostFailed();
}

void Thighscore::getitDoneString(QObject* Sender, const QByteArray& Result)
{
    if (!successStatus(getit->StatusCode())) {
        getitError(Sender);
        return;
    }
    displayhtml->LoadFromString(ListPageText::prepare(QString::fromUtf8(Result)), QString());
}

void Thighscore::getitError(QObject*)
{
    displayhtml->LoadFromString(QStringLiteral("<p>%1</p>").arg(QLatin1String(kUnreachable)), QString());
}

bool Thighscore::isOpenableLink(const QString& src)
{
    const QString s = src.trimmed().toLower();
    return s.startsWith(QLatin1String("http://")) || s.startsWith(QLatin1String("https://")) ||
           s.startsWith(QLatin1String("mailto:"));
}

void Thighscore::displayhtmlHotSpotClick(QObject*, const QString& SRC, bool&)
{
    // A downloaded page must not be able to start programs or open local
    // files on the player's machine.
    if (!isOpenableLink(SRC))
        return;
    URL1->setURL(SRC);
    URL1->Open();
}

void Thighscore::button_doneClick() { close(); }

void Thighscore::showWindow()
{
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

