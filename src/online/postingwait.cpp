// SPDX-License-Identifier: MIT
#include "online/postingwait.h"

#include <QDate>
#include <QLocale>
#include <QTimer>

PostingWait::PostingWait(QObject* parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QString::fromLatin1(kTimerName));
    m_timer->setInterval(kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &PostingWait::onPostingTick);
}

void PostingWait::start()
{
    m_countdown = kPostingSeconds;
    m_dots = 0;
    m_pending = true;
    m_timer->start();
}

bool PostingWait::waiting() const
{
    return m_timer->isActive();
}

void PostingWait::onPostingTick()
{
    --m_countdown;
    if (++m_dots > kMaxDots)
        m_dots = 1;
    emit captionChanged(tr("Posting Score, Please Wait") + QString(m_dots, QLatin1Char('.')));
    if (m_countdown <= 0)
        fail();
}

bool PostingWait::answered()
{
    m_timer->stop();
    const bool awaited = m_pending;
    m_pending = false;
    return awaited;
}

void PostingWait::fail()
{
    m_timer->stop();
    // A refusal after the countdown has already given up says nothing new.
    if (!m_pending)
        return;
    m_pending = false;
    emit failed();
}

QString PostingWait::postingDate(const QDate& date, const QLocale& locale)
{
    // Month, day and two-digit year, joined by what the locale's short
    // format puts between its fields, so the list shows the player's own
    // way of writing a date. A separator the score server refuses (the
    // blank of the C locale's "d MMM yyyy", a quote, a letter-like mark)
    // would lose the score, so "/" stands in for it.
    QChar separator = QLatin1Char('/');
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat))
        if (!c.isLetter()) {
            if (serverTakesSeparator(c))
                separator = c;
            break;
        }
    return QStringLiteral("%1%2%3%4%5")
        .arg(date.month())
        .arg(separator)
        .arg(date.day())
        .arg(separator)
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

bool PostingWait::serverTakesSeparator(QChar c)
{
    // The server's rule: one character that cannot pass for part of a
    // number, hide itself or carry markup; the direction marks of
    // right-to-left locales are let through.
    const char16_t u = c.unicode();
    if (u == 0x200E || u == 0x200F || u == 0x061C)
        return true;
    if (u == u'<' || u == u'>' || u == u'&' || u == u'"' || u == u'\'')
        return false;
    if (c.isSurrogate() || c.isLetterOrNumber() || c.isSpace() || c.isNonCharacter())
        return false;
    const QChar::Category category = c.category();
    return category != QChar::Other_Control && category != QChar::Other_Format && category != QChar::Other_NotAssigned
           && category != QChar::Other_PrivateUse;
}
