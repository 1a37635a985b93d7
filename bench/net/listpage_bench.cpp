// SPDX-License-Identifier: MIT
// How long the high-score window stops answering while a list page loads.
// Each page (1 MB of hostile shapes, and a real 100-row list) goes through
// ListPageText into the viewer the way the window loads it; a 1 ms timer
// records the longest stretch between two of its ticks, loading and the
// viewer's lazy layout included. Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen pelbix_listpagebench
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "widgets/htmlview.h"
#include "forms/art/formlayout.h"
#include "online/listpagetext.h"

namespace {

constexpr int kPageBytes = 1 << 20;
constexpr int kSettleMilliseconds = 1500;

QString repeatUntilFull(const QString& head, const QString& piece, const QString& tail)
{
    QString page = head;
    while (page.size() + piece.size() + tail.size() <= kPageBytes)
        page += piece;
    return page + tail;
}

QString realList()
{
    QString page = "<html><body><h2 align=\"center\">High Scores</h2><table width=\"100%\" border=\"1\">";
    for (int i = 1; i <= 100; ++i)
        page += QStringLiteral("<tr><td align=\"right\">%1</td><td>Player %1</td><td align=\"center\">3/7/26</td>"
                               "<td align=\"right\">%2</td></tr>\n")
                    .arg(i)
                    .arg(20000 - i * 10);
    return page + "</table></body></html>";
}

// Longest gap between ticks, in ms, from the load until the viewer has settled.
qint64 longestStall(HtmlView& viewer, const QString& page, qint64& loadMs)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 worst = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    tick.start();
    QTimer::singleShot(5, [&] {
        QElapsedTimer load;
        load.start();
        viewer.LoadFromString(ListPageText::prepare(page), QString());
        loadMs = load.elapsed();
    });
    QEventLoop settle;
    QTimer::singleShot(kSettleMilliseconds, &settle, &QEventLoop::quit);
    settle.exec();
    return worst;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    const struct {
        const char* name;
        QString page;
    } pages[] = {
        {"1 MB unbroken text", repeatUntilFull("<html><body>", "x", "</body></html>")},
        {"1 MB words, one paragraph", repeatUntilFull("<p>", "lorem ipsum dolor ", "</p>")},
        {"1 MB paragraphs", repeatUntilFull("", "<p>lorem ipsum dolor sit amet</p>", "")},
        {"1 MB table", repeatUntilFull("<table>", "<tr><td>1</td><td>Ann</td><td>850</td></tr>", "</table>")},
        {"1 MB preformatted", repeatUntilFull("<pre>", "x", "</pre>")},
        {"1 MB entities", repeatUntilFull("<p>", "&amp;", "</p>")},
        {"1 MB empty paragraphs", repeatUntilFull("", "<p></p>", "")},
        {"1 MB nested lists", repeatUntilFull("", "<ul><li>", "")},
        {"1 MB nested tables", repeatUntilFull("", "<table><tr><td>", "")},
        {"1 MB nested quotes", repeatUntilFull("", "<blockquote>q", "")},
        {"1 MB of 7-deep tables", repeatUntilFull("", QString("<table><tr><td>").repeated(7) + "x" +
                                                          QString("</td></tr></table>").repeated(7), "")},
        {"real 100-row list", realList()},
    };
    std::printf("%-28s %10s %14s\n", "page", "load ms", "longest stall");
    for (const auto& p : pages) {
        HtmlView viewer;
        viewer.resize(481, 507);
        viewer.show();
        qint64 loadMs = 0;
        const qint64 stall = longestStall(viewer, p.page, loadMs);
        std::printf("%-28s %10lld %11lld ms\n", p.name, static_cast<long long>(loadMs), static_cast<long long>(stall));
    }
    return 0;
}
