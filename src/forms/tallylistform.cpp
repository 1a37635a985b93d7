// SPDX-License-Identifier: MIT
#include "forms/tallylistform.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>

#include "controls/flatpanel.h"
#include "core/tally/tallyfile.h"
#include "core/tally/tallystat.h"
#include "forms/formlayout.h"
#include "forms/infowindow.h"
#include "forms/timage.h"
#include "platform/dialogservice.h"

namespace {

constexpr QSize kClientSize{342, 440};
constexpr int kFirstPlaceTop = 141;
constexpr int kPlacePitch = 24;

std::filesystem::path fsPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

LabelStyle bold(int pixels, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    LabelStyle s;
    s.pixels = pixels;
    s.bold = true;
    s.alignment = alignment;
    return s;
}

} // namespace

Ttallylist::Ttallylist(const QString& tallyFile, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(tallyFile), m_tally(fsPath(tallyFile)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tallylist"));
    infowindow::dress(this, QStringLiteral("Pelbix Solo - Tally List"), kClientSize);
    setFixedSize(kClientSize);
    build();
    FormCreate();
}

Ttallylist::~Ttallylist() { FormDestroy(); }

void Ttallylist::build()
{
    auto* panel = new TFlatPanel(this, QStringLiteral("panel_tally"));
    panel->setGeometry(6, 3, 331, 434);
    panel->setColor(rgbColor(colours::kOlive));

    LabelStyle title = bold(19, Qt::AlignCenter);
    title.face = QStringLiteral("Arial");
    title.underline = true;
    title.color = qcolor(colours::kKhaki);
    placeLabel(panel, QStringLiteral("label_myname"), QRect(1, 5, 328, 24), QStringLiteral("YOUR TALLY LIST"), title);
    placeLabel(panel, QStringLiteral("label_highscores"), QRect(1, 111, 328, 24), QStringLiteral("HIGH SCORES"), title);

    const struct {
        const char* caption;
        int column;
        int top;
    } statistics[] = {{"Total Games:", tallystat::kTotalGames, 42},
                      {"Running Total Score:", tallystat::kRunningTotal, 60},
                      {"Average Game Score:", tallystat::kAverage, 77},
                      {"Highest Round Scored:", tallystat::kHighestRound, 94}};
    for (const auto& s : statistics) {
        placeLabel(panel, QStringLiteral("caption_%1").arg(s.column), QRect(5, s.top, 184, 16),
                   QString::fromLatin1(s.caption), bold(11, Qt::AlignRight | Qt::AlignVCenter));
        placeLabel(panel, QStringLiteral("mylabel_%1").arg(s.column), QRect(194, s.top, 130, 16), QString(), bold(11));
    }

    for (int place = 1; place <= TallyTable::kPlaces; ++place) {
        const int top = kFirstPlaceTop + kPlacePitch * (place - 1);
        placeLabel(panel, QStringLiteral("label_num%1").arg(place), QRect(5, top, 24, 18),
                   QStringLiteral("%1.").arg(place), bold(13, Qt::AlignRight | Qt::AlignVCenter));
        placeLabel(panel, QStringLiteral("label_date%1").arg(place), QRect(32, top, 101, 18), QString(), bold(13));
        placeLabel(panel, QStringLiteral("label_name%1").arg(place), QRect(136, top, 132, 18), QString(), bold(13));
        placeLabel(panel, QStringLiteral("label_high%1").arg(place), QRect(286, top, 42, 18), QString(), bold(13));
    }

    auto* reset = placePictureButton(panel, QStringLiteral("button_resettally"), {45, 396}, QStringLiteral("RESET TALLY"));
    connect(reset, &TImage::clicked, this, &Ttallylist::button_resetClick);
    auto* done = placePictureButton(panel, QStringLiteral("button_done"), {187, 396}, QStringLiteral("DONE"));
    connect(done, &TImage::clicked, this, &Ttallylist::button_doneClick);
}

QLabel* Ttallylist::label(const QString& prefix, int number) const
{
    return findChild<QLabel*>(prefix + QString::number(number));
}

void Ttallylist::FormCreate()
{
    const TallyFile::Loaded loaded = m_tally.load();
    loadtally();
    if (loaded.error) {
        QString message = qs(*loaded.error);
        if (!loaded.keptAs.empty())
            message += QStringLiteral("\n\nThe file has been kept as %1.").arg(QFile::decodeName(loaded.keptAs.c_str()));
        m_dialogs.error(nullptr, message);
    }
}

void Ttallylist::FormDestroy()
{
    // The tally is written as the program ends, with no window left to
    // tell; a failure keeps the previous file whole.
    saveTally();
}

bool Ttallylist::saveTally()
{
    try {
        m_tally.save();
        loadtally();
        return true;
    } catch (...) {
        return false;
    }
}

void Ttallylist::loadtally()
{
    for (int column = 1; column <= tallystat::kCount; ++column)
        showStatistic(column);
    for (int place = 1; place <= TallyTable::kPlaces; ++place)
        showPlace(place);
}

void Ttallylist::showStatistic(int column) { label(QStringLiteral("mylabel_"), column)->setText(qs(m_tally.table().statistic(column))); }

void Ttallylist::showPlace(int place)
{
    const TallyTable& table = m_tally.table();
    label(QStringLiteral("label_date"), place)->setText(qs(table.placeDate(place)));
    label(QStringLiteral("label_name"), place)->setText(qs(table.placeName(place)));
    QLabel* high = label(QStringLiteral("label_high"), place);
    high->setText(qs(table.placeScoreText(place)));
    high->setProperty("tag", table.placeScore(place));
    const TallyTable::PlaceLook look = table.placeLook(place);
    for (const char* prefix : {"label_num", "label_date", "label_name", "label_high"}) {
        QLabel* l = label(QString::fromLatin1(prefix), place);
        QFont f = l->font();
        f.setBold(look.bold);
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, look.white ? Qt::white : Qt::black);
        l->setPalette(pal);
    }
}

QString Ttallylist::today() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

void Ttallylist::addtomineincrease(int column)
{
    m_tally.addtomineincrease(column);
    showStatistic(column);
}

void Ttallylist::postscore(int column, int value)
{
    m_tally.postscore(column, value);
    showStatistic(column);
}

bool Ttallylist::checkscore(int score, const std::string& name)
{
    const bool entered = m_tally.checkscore(score, name, today().toStdString());
    for (int place = 1; place <= TallyTable::kPlaces; ++place)
        showPlace(place);
    return entered;
}

void Ttallylist::addscore(int column, int amount)
{
    m_tally.addscore(column, amount);
    showStatistic(column);
    showStatistic(tallystat::kAverage);
}

void Ttallylist::button_resetClick()
{
    if (!m_dialogs.question(this, QStringLiteral("Are you sure you want to reset the Tally?")))
        return;
    m_tally.reset();
    loadtally();
}

void Ttallylist::button_doneClick() { hide(); }

void Ttallylist::showCentredOn(const QWidget* mainWindow) { infowindow::showCentredOn(this, mainWindow, m_placed); }

