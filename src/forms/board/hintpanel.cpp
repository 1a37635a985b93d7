// SPDX-License-Identifier: MIT
#include "forms/board/hintpanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

#include "forms/art/formlayout.h"
#include "forms/windows/coachtext.h"
#include "widgets/colours.h"
#include "widgets/storedcolor.h"
#include "widgets/textscale.h"

namespace {

constexpr int kTextMargin = 6;

QString money(double value) { return QString::number(value, 'f', 2); }

QString percent(double chance) { return QString::number(chance * 100, 'f', 1) + QLatin1Char('%'); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Said whole, with the dice to keep: the outline only shows them.
QString headline(const Choice& c)
{
    const QString act = c.bank ? QCoreApplication::translate("HintPanel", "bank")
                               : QCoreApplication::translate("HintPanel", "roll %n dice", nullptr, c.diceToRoll);
    if (diceIn(c.kept) == 0)
        return act.left(1).toUpper() + act.mid(1);
    return QCoreApplication::translate("HintPanel", "Keep %1 and %2").arg(qs(facesText(c.kept)), act);
}

QStringList describe(const Hint& h)
{
    QStringList lines;
    lines << headline(h.best);
    lines << QCoreApplication::translate("HintPanel", "Expected final score: %1").arg(money(h.best.value));
    if (h.runnerUp)
        lines << QCoreApplication::translate("HintPanel", "Runner-up: %1: %2")
                     .arg(coachtext::choice(*h.runnerUp), money(h.runnerUp->value));
    else
        lines << QCoreApplication::translate("HintPanel", "Runner-up: none, nothing else is allowed");
    if (h.rollDice > 0)
        lines << QCoreApplication::translate("HintPanel", "The next roll of %n dice scores nothing: %1", nullptr,
                                            h.rollDice).arg(percent(h.bustChance));
    return lines;
}

} // namespace

HintPanel::HintPanel(QWidget* board) : QWidget(board)
{
    setObjectName(QStringLiteral("hint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(board->rect());
    hide();
}

QColor HintPanel::outlineColor() { return qcolor(colours::kHintOutline); }

void HintPanel::showHint(const std::optional<Hint>& hint)
{
    m_outlined = {};
    if (hint) {
        m_lines = describe(*hint);
        for (std::size_t i = 0; i < m_outlined.size(); ++i)
            m_outlined[i] = hint->setAside[i];
    } else {
        m_lines = {tr("No round in play: nothing to advise.")};
    }
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
    qApp->installEventFilter(this);
}

void HintPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(outlineColor(), kOutlineWidth));
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < m_outlined.size(); ++i) {
        const QWidget* die = parentWidget()->findChild<QWidget*>(QStringLiteral("dice%1").arg(i + 1));
        if (m_outlined[i] && die)
            p.drawRect(die->geometry().adjusted(-kOutlineWidth, -kOutlineWidth, kOutlineWidth, kOutlineWidth));
    }

    // The advice box is laid out in drawn pixels; it grows with the board.
    const qreal factor = textscale::of(this);
    p.scale(factor, factor);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(qcolor(colours::shown(colours::kKhaki)));
    p.drawRect(kTextBox.adjusted(0, 0, -1, -1));
    const QRect text = kTextBox.adjusted(kTextMargin, kTextMargin / 2, -kTextMargin, 0);
    const int lineHeight = text.height() / 5;
    QRect line(text.topLeft(), QSize(text.width(), lineHeight));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const bool headline = i == 0;
        p.setFont(pixelFont(QStringLiteral("Arial"), headline ? 16 : 12, headline));
        const QRect r = headline ? line.adjusted(0, 0, 0, lineHeight / 2) : line;
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, m_lines[i]);
        line.translate(0, r.height());
    }
}

bool HintPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Any click or key is the player moving on; the hint would be stale.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        hide();
    return QWidget::eventFilter(watched, event);
}

void HintPanel::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}
