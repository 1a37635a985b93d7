// SPDX-License-Identifier: MIT
#include <QDate>
#include <QLocale>
#include <QUrl>
#include <gtest/gtest.h>

#include "online/postingwait.h"
#include "server/postvalidator.h"

namespace {

using namespace std::chrono;

// What the server does with a date the game sends: the stored text, or none.
std::optional<std::string> serverStores(const QString& date)
{
    const std::string query = "name=Ann&score=50&date=" + QUrl::toPercentEncoding(date).toStdString();
    const PostCheck check = checkPost(decodeQuery(query), year_month_day{year{2099}, December, day{31}});
    if (!check.entry)
        return std::nullopt;
    return check.entry->date;
}

// A C or POSIX desktop (short format "d MMM yyyy") could never post: the
// blank between its fields was refused and every score lost.
TEST(PostingDate, EveryLocalePostsMonthDayYearWithItsOwnSeparatorOrSlash)
{
    const QDate christmas(2026, 12, 25);
    auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    locales << QLocale::c() << QLocale(QStringLiteral("POSIX"));
    int own = 0;
    int slash = 0;
    for (const QLocale& locale : locales) {
        const QString date = PostingWait::postingDate(christmas, locale);
        const std::string where = locale.name().toStdString() + " \"" + locale.dateFormat(QLocale::ShortFormat).toStdString() + "\"";
        ASSERT_EQ(date.size(), 8) << where << ": " << date.toStdString();
        const QChar separator = date[2];
        EXPECT_EQ(date, QStringLiteral("12") + separator + QStringLiteral("25") + separator + QStringLiteral("26")) << where;
        EXPECT_EQ(serverStores(date), date.toStdString()) << where << ": refused";

        QChar localeSeparator;
        for (const QChar c : locale.dateFormat(QLocale::ShortFormat))
            if (!c.isLetter()) {
                localeSeparator = c;
                break;
            }
        const bool taken = !localeSeparator.isNull() && serverStores(QStringLiteral("3") + localeSeparator + QStringLiteral("7") + localeSeparator + QStringLiteral("26"));
        EXPECT_EQ(separator, taken ? localeSeparator : QLatin1Char('/')) << where;
        ++(separator == QLatin1Char('/') ? slash : own);
    }
    EXPECT_EQ(PostingWait::postingDate(christmas, QLocale::c()), "12/25/26");
    EXPECT_GT(own, 100) << "most locales keep their own separator";
    EXPECT_GT(slash, 0);
}

} // namespace
