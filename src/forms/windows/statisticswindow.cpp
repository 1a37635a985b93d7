// SPDX-License-Identifier: MIT
#include "forms/windows/statisticswindow.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QTableView>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/history/spreadcache.h"
#include "forms/windows/infowindow.h"
#include "widgets/colours.h"
#include "widgets/storedcolor.h"

namespace {

constexpr int kMargin = 10;
constexpr std::size_t kDotted = 60;
const QColor kGames = qcolor(colours::kChartGames);
const QColor kTrend = qcolor(colours::kChartTrend);
const QColor kReference = qcolor(colours::kChartReference);

QString fixed(double v, int decimals = 2) { return QString::number(v, 'f', decimals); }

} // namespace

// One line or bar series of a chart.
struct ChartSeries {
    QString name;
    QColor colour;
    std::vector<double> values;
    bool bars = false;
};

// A chart painted from series of equal length over the same x steps.
class HistoryChart : public QWidget {
public:
    explicit HistoryChart(QWidget* parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(360, 240);
    }

    void setSeries(std::vector<ChartSeries> series, QStringList xLabels, const QString& description)
    {
        m_series = std::move(series);
        m_xLabels = std::move(xLabels);
        setAccessibleDescription(description);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect plot = rect().adjusted(56, 28, -12, -28);
        double low = 0, high = 0;
        std::size_t count = 0;
        for (const ChartSeries& s : m_series) {
            count = std::max(count, s.values.size());
            for (const double v : s.values) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
        p.setPen(Qt::black);
        if (count == 0) {
            p.drawText(rect(), Qt::AlignCenter, QCoreApplication::translate("StatisticsWindow", "No finished games yet."));
            return;
        }
        if (high <= low)
            high = low + 1;
        auto y = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };
        const double step = static_cast<double>(plot.width()) / static_cast<double>(count);
        auto x = [&](std::size_t i) { return plot.left() + (static_cast<double>(i) + 0.5) * step; };
        // Axes, the zero line and the value range.
        p.setPen(qcolor(colours::kChartAxis));
        p.drawLine(plot.bottomLeft(), plot.topLeft());
        p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
        p.setPen(Qt::black);
        const QRect labels(0, 0, plot.left() - 4, 14);
        p.drawText(labels.translated(0, static_cast<int>(y(high)) - 7), Qt::AlignRight, fixed(high, 0));
        p.drawText(labels.translated(0, static_cast<int>(y(low)) - 7), Qt::AlignRight, fixed(low, 0));
        if (low < 0)
            p.drawText(labels.translated(0, static_cast<int>(y(0)) - 7), Qt::AlignRight, QStringLiteral("0"));
        if (!m_xLabels.isEmpty()) {
            p.drawText(QRectF(plot.left(), plot.bottom() + 4, 120, 16), Qt::AlignLeft, m_xLabels.front());
            p.drawText(QRectF(plot.right() - 120, plot.bottom() + 4, 120, 16), Qt::AlignRight, m_xLabels.back());
        }
        int barSeries = 0;
        for (const ChartSeries& s : m_series)
            barSeries += s.bars ? 1 : 0;
        int bar = 0;
        int legend = plot.left();
        for (const ChartSeries& s : m_series) {
            p.setPen(QPen(s.colour, 2));
            // More games than pixels: each pixel column shows the range of
            // its games, so ten thousand games paint as fast as a few hundred.
            const bool dense = s.values.size() > static_cast<std::size_t>(plot.width());
            p.setRenderHint(QPainter::Antialiasing, !dense);
            if (dense) {
                std::vector<QLineF> columns;
                int column = -1;
                double lowest = 0, highest = 0;
                auto flush = [&] {
                    if (column >= 0)
                        columns.emplace_back(column + 0.5, y(s.bars ? std::min(0.0, lowest) : lowest), column + 0.5,
                                             y(s.bars ? std::max(0.0, highest) : highest));
                };
                for (std::size_t i = 0; i < s.values.size(); ++i) {
                    const int at = static_cast<int>(x(i));
                    const double v = s.values[i];
                    if (at != column) {
                        flush();
                        column = at;
                        lowest = highest = v;
                    }
                    lowest = std::min(lowest, v);
                    highest = std::max(highest, v);
                }
                flush();
                p.setPen(QPen(s.colour, 1));
                p.drawLines(columns.data(), static_cast<int>(columns.size()));
            } else if (s.bars) {
                const double width = step * 0.8 / barSeries;
                for (std::size_t i = 0; i < s.values.size(); ++i) {
                    const double left = x(i) - step * 0.4 + bar * width;
                    p.fillRect(QRectF(left, std::min(y(0), y(s.values[i])), std::max(1.0, width - 1),
                                      std::abs(y(s.values[i]) - y(0))),
                               s.colour);
                }
            } else {
                QPainterPath path;
                for (std::size_t i = 0; i < s.values.size(); ++i) {
                    const QPointF at(x(i), y(s.values[i]));
                    if (i == 0)
                        path.moveTo(at);
                    else
                        path.lineTo(at);
                }
                p.drawPath(path);
                if (s.values.size() <= kDotted) // a few games: each one a dot
                    for (std::size_t i = 0; i < s.values.size(); ++i)
                        p.drawEllipse(QPointF(x(i), y(s.values[i])), 2.5, 2.5);
            }
            bar += s.bars ? 1 : 0;
            p.fillRect(legend, 8, 14, 10, s.colour);
            p.setPen(Qt::black);
            p.drawText(legend + 18, 18, s.name);
            legend += 28 + p.fontMetrics().horizontalAdvance(s.name);
        }
        if (hasFocus()) {
            p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    std::vector<ChartSeries> m_series;
    QStringList m_xLabels;
};

// A chart's figures as a table: a first column of row names, then numbers.
class ChartTable : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(QStringList headers, std::function<QString(int)> rowName, std::vector<std::vector<double>> columns,
                    std::vector<int> decimals)
    {
        beginResetModel();
        m_headers = std::move(headers);
        m_rowName = std::move(rowName);
        m_columns = std::move(columns);
        m_decimals = std::move(decimals);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || m_columns.empty() ? 0 : static_cast<int>(m_columns.front().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size()) + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        if (index.column() == 0)
            return m_rowName(index.row());
        const auto c = static_cast<std::size_t>(index.column() - 1);
        const auto& column = m_columns[c];
        const auto r = static_cast<std::size_t>(index.row());
        return r < column.size() ? fixed(column[r], m_decimals[c]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size())
            return m_headers[section];
        return {};
    }

private:
    QStringList m_headers;
    std::function<QString(int)> m_rowName;
    std::vector<std::vector<double>> m_columns;
    std::vector<int> m_decimals;
};

StatisticsWindow::StatisticsWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("statistics"));
    infowindow::dress(this, tr("Pelbix Solo - Statistics"), kClientSize);
    resize(kClientSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("label_summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_summary->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_summary);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    layout->addWidget(tabs, 1);
    for (const QString& title : {tr("Scores"), tr("Score spread"),
                                 tr("Points given away"), tr("Luck"), tr("Busts")})
        m_pages.push_back(addPage(title));
}

StatisticsWindow::~StatisticsWindow()
{
    *m_stop = true; // closing the program does not wait seconds for the spread
    if (m_worker)
        m_worker->waitForFinished();
}

StatisticsWindow::Page StatisticsWindow::addPage(const QString& title)
{
    auto* page = new QWidget(tabs);
    auto* row = new QHBoxLayout(page);
    Page p;
    p.chart = new HistoryChart(page);
    p.chart->setObjectName(QStringLiteral("chart_") + QString::number(tabs->count()));
    p.chart->setAccessibleName(tr("%1 chart").arg(title));
    p.table = new ChartTable(page);
    p.view = new QTableView(page);
    p.view->setObjectName(QStringLiteral("table_") + QString::number(tabs->count()));
    p.view->setAccessibleName(tr("%1 table").arg(title));
    p.view->setModel(p.table);
    p.view->verticalHeader()->hide();
    p.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table (the arrows go through its cells): with Tab
    // going cell by cell, ten thousand games would hold the keyboard in.
    p.view->setTabKeyNavigation(false);
    p.view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    row->addWidget(p.chart, 3);
    row->addWidget(p.view, 2);
    tabs->addTab(page, title);
    return p;
}

void StatisticsWindow::showHistory(const std::vector<HistoryGame>& games, const Solver& solver)
{
    m_games = games;
    m_solver = &solver;
    if (m_perfect.empty() && !m_spreadCache.isEmpty())
        if (auto kept = loadSpreadCache(m_spreadCache.toStdString(), solver.expectedGame()))
            m_perfect = std::move(*kept);
    fill();
    if (m_perfect.empty())
        startPerfectSpread(solver);
}

void StatisticsWindow::startPerfectSpread(const Solver& solver)
{
    if (m_worker)
        return;
    m_worker = new QFutureWatcher<std::vector<double>>(this);
    connect(m_worker, &QFutureWatcher<std::vector<double>>::finished, this, [this] {
        m_perfect = m_worker->result();
        fill();
    });
    // The worker's own copy: the coach's solver may go first when the
    // program closes. It keeps what it worked out for the next opening.
    m_worker->setFuture(QtConcurrent::run([copy = solver, stop = m_stop, cache = m_spreadCache.toStdString()] {
        std::vector<double> spread = perfectPlayDistribution(copy, stop.get());
        if (!spread.empty() && !cache.empty())
            (void)saveSpreadCache(cache, spread, copy.expectedGame()); // not kept: worked out again next time
        return spread;
    }));
}

void StatisticsWindow::waitForPerfectSpread()
{
    if (m_worker && m_perfect.empty()) {
        m_worker->waitForFinished();
        m_perfect = m_worker->result();
        fill();
    }
}

void StatisticsWindow::fill()
{
    if (!m_solver)
        return;
    m_charts = chartHistory(m_games, *m_solver, m_perfect);
    const HistoryCharts& c = m_charts;
    const auto toDouble = [](const auto& v) { return std::vector<double>(v.begin(), v.end()); };
    const auto gameName = [](int row) { return QString::number(row + 1); };
    const auto mean = [](const std::vector<double>& v) {
        double sum = 0;
        for (const double x : v)
            sum += x;
        return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
    };
    const std::vector<double> scores = toDouble(c.scores);
    const HistorySummary counts = summarizeHistory(m_games);
    // The count leads, so the sentence reads right for one game or many
    // even where no catalogue gives the plural forms.
    m_summary->setText(
        tr("Games finished: %n (%1 coached, %2 abandoned).", nullptr, static_cast<int>(c.scores.size()))
            .arg(counts.coached)
            .arg(counts.abandoned)
        + QLatin1Char(' ')
        + tr("Mean score %1 against %2 for perfect play; mean points given away %3; mean luck %4.")
              .arg(fixed(mean(scores)), fixed(m_solver->expectedGame()), fixed(mean(c.givenAway)), fixed(mean(c.luck))));
    const QStringList games = scores.empty() ? QStringList()
                                             : QStringList{tr("game 1"),
                                                           tr("game %1").arg(scores.size())};

    Page& p0 = m_pages[0];
    p0.chart->setSeries({{tr("Score"), kGames, scores, false},
                         {tr("Average of 10"), kTrend, c.scoreAverage, false}},
                        games, tr("Score of each game, with the average of the last 10."));
    p0.table->setColumns({tr("Game"), tr("Score"), tr("Average of 10")}, gameName,
                         {scores, c.scoreAverage}, {0, 2});

    std::vector<double> bins = toDouble(c.scoreBins);
    std::vector<double> perfect = c.perfectBins;
    perfect.resize(bins.size(), 0.0);
    const auto binName = [](int row) {
        return QStringLiteral("%1-%2").arg(row * HistoryCharts::kBinWidth).arg((row + 1) * HistoryCharts::kBinWidth - 50);
    };
    QStringList binEnds;
    if (!bins.empty())
        binEnds = {binName(0), binName(static_cast<int>(bins.size()) - 1)};
    m_pages[1].chart->setSeries({{tr("Your games"), kTrend, bins, true},
                                 {tr("Perfect play"), kReference, perfect, true}},
                                binEnds,
                                m_perfect.empty() ? tr("Your final scores; perfect play's are being worked out.")
                                                  : tr("Your final scores against perfect play's."));
    m_pages[1].table->setColumns({tr("Scores"), tr("Your games"), tr("Perfect play")},
                                 binName, {bins, perfect}, {0, 1});

    m_pages[2].chart->setSeries({{tr("Points given away"), kTrend, c.givenAway, false}},
                                c.givenAway.empty() ? QStringList() : games,
                                tr("Expected points given away in each game, against perfect play."));
    m_pages[2].table->setColumns({tr("Game"), tr("Given away")}, gameName, {c.givenAway}, {2});

    m_pages[3].chart->setSeries({{tr("Luck"), kGames, c.luck, true},
                                 {tr("Running mean"), kTrend, c.luckMean, false}},
                                c.luck.empty() ? QStringList() : games,
                                tr("Luck of the dice in each game; fair dice keep its running mean near 0."));
    m_pages[3].table->setColumns({tr("Game"), tr("Luck"), tr("Running mean")},
                                 gameName, {c.luck, c.luckMean}, {2, 2});

    std::vector<double> rolls, busts, rate, odds;
    for (int d = 1; d <= kDice; ++d) {
        const auto i = static_cast<std::size_t>(d);
        rolls.push_back(c.rolls[i]);
        busts.push_back(c.busts[i]);
        rate.push_back(c.rolls[i] ? 100.0 * c.busts[i] / c.rolls[i] : 0.0);
        odds.push_back(100.0 * c.bustOdds[i]);
    }
    const auto diceName = [](int row) { return QString::number(row + 1); };
    m_pages[4].chart->setSeries({{tr("Your busts %"), kTrend, rate, true},
                                 {tr("Exact odds %"), kReference, odds, true}},
                                {tr("1 die"), tr("6 dice")},
                                tr("Share of rolls that scored nothing, by dice thrown, against the exact odds."));
    m_pages[4].table->setColumns({tr("Dice"), tr("Rolls"), tr("Busts"),
                                  tr("Your %"), tr("Exact %")},
                                 diceName, {rolls, busts, rate, odds}, {0, 0, 1, 1});
}

void StatisticsWindow::showCentredOn(const QWidget* mainWindow) { infowindow::showCentredOn(this, mainWindow, m_placed); }
