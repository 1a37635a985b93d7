// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>

class QDate;
class QLocale;
class QTimer;

// The wait for a posted score's answer, free of any window: a countdown of
// kPostingSeconds ticks of Timer1 with running dots, ended by the answer or
// by failure. Failure (the countdown running out, or a refused post) leaves
// through fail() and is reported once per post.
class PostingWait : public QObject {
    Q_OBJECT
public:
    static constexpr int kPostingSeconds = 40;
    static constexpr int kMaxDots = 5;
    static constexpr int kTickMilliseconds = 1000;
    // The countdown timer's object name; the tests find it by this.
    static constexpr char kTimerName[] = "Timer1";

    explicit PostingWait(QObject* parent = nullptr);

    // A post went out: the countdown starts again from kPostingSeconds.
    void start();
    // One tick of Timer1: the countdown, the dots, failure at zero.
    void onPostingTick();
    // An answer came: the wait is over. False when the post had already
    // failed (or none was out): the answer is too late to count.
    [[nodiscard]] bool answered();
    // The post failed: at once for a refusal, at zero for silence. Nothing
    // when no post is pending.
    void fail();

    [[nodiscard]] bool waiting() const;
    [[nodiscard]] int countdown() const { return m_countdown; }
    [[nodiscard]] QTimer* timer() const { return m_timer; }

    // The date as posts carry it: month/day/two-digit year, no leading zeros,
    // with the locale's date separator.
    [[nodiscard]] static QString postingDate(const QDate& date, const QLocale& locale);
    // Whether the score server takes c between the fields of a date.
    [[nodiscard]] static bool serverTakesSeparator(QChar c);

signals:
    void captionChanged(const QString& caption);
    // "Posting Failed.", once per post.
    void failed();

private:
    QTimer* m_timer;
    int m_countdown = 0;
    int m_dots = 0;
    bool m_pending = false; // a post is out and neither answered nor failed
};
