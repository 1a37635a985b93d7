// SPDX-License-Identifier: MIT
#include "forms/windows/reviewwindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "widgets/selectbutton.h"
#include "core/game/coach.h"
#include "forms/art/formlayout.h"
#include "forms/windows/coachtext.h"
#include "forms/windows/infowindow.h"

namespace {

constexpr int kMargin = 12;
constexpr const char* kColumns[] = {
    QT_TRANSLATE_NOOP("ReviewWindow", "Round"),       QT_TRANSLATE_NOOP("ReviewWindow", "Committed"),
    QT_TRANSLATE_NOOP("ReviewWindow", "Roll"),        QT_TRANSLATE_NOOP("ReviewWindow", "Your choice"),
    QT_TRANSLATE_NOOP("ReviewWindow", "Best choice"), QT_TRANSLATE_NOOP("ReviewWindow", "Loss")};

QString money(double value) { return QString::number(value, 'f', 2); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString rollText(const JudgedMove& m)
{
    return m.opening ? QCoreApplication::translate("ReviewWindow", "(round start)") : qs(facesText(m.roll));
}

QString costText(const JudgedMove& m)
{
    return QCoreApplication::translate("ReviewWindow", "Round %1, roll %2: %3 instead of %4 cost %5")
        .arg(m.round)
        .arg(rollText(m), coachtext::choice(m.played), coachtext::choice(m.best), money(m.loss));
}

} // namespace

ReviewWindow::ReviewWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("review"));
    infowindow::dress(this, tr("Pelbix Solo - Game Review"), kClientSize);
    setFixedSize(kClientSize);

    LabelStyle heading;
    heading.face = QStringLiteral("Arial");
    heading.pixels = 15;
    heading.bold = true;
    const int width = kClientSize.width() - 2 * kMargin;
    m_summary = placeLabel(this, QStringLiteral("label_summary"), QRect(kMargin, kMargin, width, 22), QString(),
                               heading);
    LabelStyle plain;
    plain.face = QStringLiteral("Arial");
    plain.pixels = 12;
    plain.alignment = Qt::AlignLeft | Qt::AlignTop;
    m_costliest = placeLabel(this, QStringLiteral("label_costliest"), QRect(kMargin, 40, width, 68), QString(),
                                 plain);

    QStringList columns;
    for (const char* column : kColumns)
        columns << tr(column);
    m_moveTable = new QTableWidget(0, static_cast<int>(columns.size()), this);
    m_moveTable->setObjectName(QStringLiteral("grid_moves"));
    m_moveTable->setGeometry(kMargin, 112, width, kClientSize.height() - 112 - 44);
    m_moveTable->setHorizontalHeaderLabels(columns);
    m_moveTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_moveTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_moveTable->verticalHeader()->hide();
    m_moveTable->horizontalHeader()->setStretchLastSection(true);

    m_done = infowindow::placeSelButton(this, QStringLiteral("button_done"),
                                             QRect(kClientSize.width() - kMargin - 95, kClientSize.height() - 32, 95, 20),
                                             10, tr("Done"), rgbColor(colours::kOlive), Qt::AlignHCenter);
    connect(m_done, &SelectButton::clicked, this, &ReviewWindow::onDone);
}

void ReviewWindow::showReview(const GameReview* review)
{
    m_moveTable->setRowCount(0);
    if (!review) {
        m_summary->setText(tr("No finished game yet: play one to the end."));
        m_costliest->clear();
        return;
    }
    m_summary->setText(tr("Your game: %1 vs the expected score of perfect play: %2")
                               .arg(review->score)
                               .arg(money(review->perfect)));
    // score = expected + luck - given away
    const double luck = review->score - review->perfect + review->totalLoss;
    QStringList costly{tr("Expected points given away: %1; luck of the dice: %2")
                           .arg(money(review->totalLoss), money(luck))};
    if (review->costliest.empty())
        costly << tr("Every move was the best choice.");
    for (std::size_t i : review->costliest)
        costly << costText(review->moves[i]);
    m_costliest->setText(costly.join(QLatin1Char('\n')));

    m_moveTable->setRowCount(static_cast<int>(review->moves.size()));
    int row = 0;
    for (const JudgedMove& m : review->moves) {
        const QStringList cells = {QString::number(m.round), QString::number(m.committed), rollText(m),
                                   coachtext::choice(m.played), coachtext::choice(m.best), money(m.loss)};
        for (int col = 0; col < cells.size(); ++col)
            m_moveTable->setItem(row, col, new QTableWidgetItem(cells[col]));
        ++row;
    }
    m_moveTable->resizeColumnsToContents();
}

void ReviewWindow::showCentredOn(const QWidget* mainWindow) { infowindow::showCentredOn(this, mainWindow, m_placed); }

void ReviewWindow::onDone() { close(); }

void ReviewWindow::markHints(int hints)
{
    const QString mark = tr(" (hints used: %1)");
    if (hints > 0 && !m_summary->text().contains(mark.left(mark.indexOf(QLatin1String("%1")))))
        m_summary->setText(m_summary->text() + mark.arg(hints));
}
