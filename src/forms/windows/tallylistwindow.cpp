// SPDX-License-Identifier: MIT
#include "forms/windows/tallylistwindow.h"

#include <QLabel>

#include "widgets/flatpanel.h"
#include "core/tally/tallystat.h"
#include "forms/art/formlayout.h"
#include "forms/art/picturebutton.h"
#include "forms/windows/infowindow.h"
#include "forms/windows/tallymodel.h"
#include "widgets/picturebox.h"
#include "platform/dialogservice.h"
#include "forms/art/objectnames.h"

namespace {

constexpr QSize kClientSize{342, 440};
constexpr int kFirstPlaceTop = 141;
constexpr int kPlacePitch = 24;

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

TallyListWindow::TallyListWindow(TallyModel& tally, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_tally(tally), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tallylist"));
    infowindow::dress(this, tr("Pelbix Solo - Tally List"), kClientSize);
    setFixedSize(kClientSize);
    build();
    loadtally();
    connect(&m_tally, &TallyModel::statisticChanged, this, &TallyListWindow::showStatistic);
    connect(&m_tally, &TallyModel::placesChanged, this, &TallyListWindow::showPlaces);
    connect(&m_tally, &TallyModel::tableChanged, this, &TallyListWindow::loadtally);
}

void TallyListWindow::build()
{
    auto* panel = new FlatPanel(this, QString::fromLatin1(objectname::kTallyPanel));
    panel->setGeometry(6, 3, 331, 434);
    panel->setColor(rgbColor(colours::kOlive));

    LabelStyle title = bold(19, Qt::AlignCenter);
    title.face = QStringLiteral("Arial");
    title.underline = true;
    title.color = qcolor(colours::kKhaki);
    placeLabel(panel, QStringLiteral("label_myname"), QRect(1, 5, 328, 24), tr("YOUR TALLY LIST"), title);
    placeLabel(panel, QStringLiteral("label_highscores"), QRect(1, 111, 328, 24), tr("HIGH SCORES"), title);

    const struct {
        const char* caption;
        int column;
        int top;
    } statistics[] = {{QT_TR_NOOP("Total Games:"), tallystat::kTotalGames, 42},
                      {QT_TR_NOOP("Running Total Score:"), tallystat::kRunningTotal, 60},
                      {QT_TR_NOOP("Average Game Score:"), tallystat::kAverage, 77},
                      {QT_TR_NOOP("Highest Round Scored:"), tallystat::kHighestRound, 94}};
    for (const auto& s : statistics) {
        placeLabel(panel, QStringLiteral("caption_%1").arg(s.column), QRect(5, s.top, 184, 16),
                   tr(s.caption), bold(11, Qt::AlignRight | Qt::AlignVCenter));
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

    auto* reset = placePictureButton(panel, QStringLiteral("button_resettally"), {45, 396}, tr("RESET TALLY"));
    connect(reset, &PictureBox::clicked, this, &TallyListWindow::onResetTally);
    auto* done = placePictureButton(panel, QStringLiteral("button_done"), {187, 396}, tr("DONE"));
    connect(done, &PictureBox::clicked, this, &TallyListWindow::onDone);
}

QLabel* TallyListWindow::label(const QString& prefix, int number) const
{
    return findChild<QLabel*>(prefix + QString::number(number));
}

void TallyListWindow::loadtally()
{
    for (int column = 1; column <= tallystat::kCount; ++column)
        showStatistic(column);
    showPlaces();
}

void TallyListWindow::showPlaces()
{
    for (int place = 1; place <= TallyTable::kPlaces; ++place)
        showPlace(place);
}

void TallyListWindow::showStatistic(int column) { label(QStringLiteral("mylabel_"), column)->setText(qs(m_tally.table().statistic(column))); }

void TallyListWindow::showPlace(int place)
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

void TallyListWindow::onResetTally()
{
    if (!m_dialogs.riskyQuestion(this, tr("Are you sure you want to reset the Tally?")))
        return;
    m_tally.reset();
}

void TallyListWindow::onDone() { hide(); }

void TallyListWindow::showCentredOn(const QWidget* mainWindow)
{
    infowindow::showCentredOn(this, mainWindow, m_placed);
    // Two Returns must not reach RESET TALLY: the window opens on DONE.
    findChild<QWidget*>(QStringLiteral("button_done"))->setFocus(Qt::OtherFocusReason);
}

