// SPDX-License-Identifier: MIT
#include "server/listpage.h"

#include <algorithm>
#include <utility>

#include "server/htmltext.h"

namespace {
// The game window's own green, used for the heading row and the title.
constexpr std::string_view kHeadColour = "#66732B";
// A shade lighter than the viewer's background, for every other row.
constexpr std::string_view kStripeColour = "#DDDCB4";
constexpr std::string_view kTitle = "Pelbix Solo High Scores";

std::string pageStart(std::string_view title)
{
    std::string page;
    page += "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<title>";
    page += escapeHtml(title);
    page += "</title>\n</head>\n<body>\n";
    return page;
}

void appendCell(std::string& page, std::string_view align, std::string_view text)
{
    page += "<td align=\"";
    page += align;
    page += "\">";
    page += text;
    page += "</td>";
}
} // namespace

std::string renderListPage(const std::vector<ScoreEntry>& best)
{
    std::string page = pageStart(kTitle);
    page.reserve(1024 + best.size() * 160);
    page += "<h2 align=\"center\"><font color=\"";
    page += kHeadColour;
    page += "\">";
    page += kTitle;
    page += "</font></h2>\n";
    if (best.empty()) {
        page += "<p align=\"center\">No scores have been posted yet.</p>\n</body>\n</html>\n";
        return page;
    }
    page += "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr bgcolor=\"";
    page += kHeadColour;
    page += "\">";
    for (const auto& [heading, width] : {std::pair{"Rank", "12%"}, {"Name", "40%"}, {"Date", "22%"}, {"Score", "26%"}}) {
        page += "<th width=\"";
        page += width;
        page += "\"><font color=\"#FFFFFF\">";
        page += heading;
        page += "</font></th>";
    }
    page += "</tr>\n";
    const std::size_t rows = std::min(best.size(), kListRows);
    for (std::size_t i = 0; i < rows; ++i) {
        const ScoreEntry& entry = best[i];
        page += i % 2 == 1 ? "<tr bgcolor=\"" + std::string(kStripeColour) + "\">" : std::string("<tr>");
        appendCell(page, "right", std::to_string(i + 1));
        appendCell(page, "left", escapeHtml(entry.name));
        appendCell(page, "center", escapeHtml(entry.date));
        appendCell(page, "right", std::to_string(entry.score));
        page += "</tr>\n";
    }
    page += "</table>\n</body>\n</html>\n";
    return page;
}

std::string renderMessagePage(std::string_view title, std::string_view sentence)
{
    std::string page = pageStart(title);
    page += "<p>";
    page += escapeHtml(sentence);
    page += "</p>\n</body>\n</html>\n";
    return page;
}
