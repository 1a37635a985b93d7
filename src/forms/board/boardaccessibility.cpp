// SPDX-License-Identifier: MIT
#include "forms/board/boardaccessibility.h"

#include <QAccessible>
#include <QChildEvent>
#include <QCoreApplication>
#include <algorithm>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include "core/game/game.h"
#include "core/game/scoring.h"
#include "widgets/accessiblerole.h"
#include "widgets/announcer.h"
#include "widgets/accessiblenames.h"
#include "forms/board/hintpanel.h"
#include "forms/art/objectnames.h"

namespace {

const char* const kFaceWords[] = {QT_TRANSLATE_NOOP("BoardAccessibility", "one"),
                                  QT_TRANSLATE_NOOP("BoardAccessibility", "two"),
                                  QT_TRANSLATE_NOOP("BoardAccessibility", "three"),
                                  QT_TRANSLATE_NOOP("BoardAccessibility", "four"),
                                  QT_TRANSLATE_NOOP("BoardAccessibility", "five"),
                                  QT_TRANSLATE_NOOP("BoardAccessibility", "six")};

QString said(const char* text) { return QCoreApplication::translate("BoardAccessibility", text); }

QString statusWords(DieStatus status)
{
    switch (status) {
    case DieStatus::InPlay: return QCoreApplication::translate("BoardAccessibility", "in play");
    case DieStatus::Selected:
    case DieStatus::Previewed: return QCoreApplication::translate("BoardAccessibility", "selected");
    case DieStatus::SetAside: return QCoreApplication::translate("BoardAccessibility", "set aside");
    case DieStatus::Frozen: break; // the round is over
    }
    return {};
}

QString faceWord(int value) { return said(kFaceWords[value - 1]); }

// The badges share one place; the banked amount is a label laid on one.
struct Badge {
    const char* name;
    const char* announcement; // empty: read from the banked amount
};
// The lost round's badge is spoken with the roll that lost it.
constexpr const char* kNoScoreBadge = "image_noscore";
constexpr const char* kNoScore = QT_TRANSLATE_NOOP("BoardAccessibility", "No scoring dice rolled");
constexpr Badge kBadges[] = {
    {"image_notboard", QT_TRANSLATE_NOOP("BoardAccessibility", "You need 350 or more to get on the board")},
    {"image_scorerecorded", ""},
};

// Pop-up panels take the text of their title line as their name.
struct TitledPanel {
    const char* panel;
    const char* title;
};
constexpr TitledPanel kPanels[] = {
    {objectname::kNamePanel, "label_entertitle"},
    {objectname::kClearedPanel, "label_cleared"},
    {objectname::kUpdatePanel, "label_updatetitle"},
};

// Edit fields named by the caption above them.
struct Caption {
    const char* label;
    const char* field;
};
constexpr Caption kCaptions[] = {
    {"label_entertitle", "edit_aname"},
    {"label_entername", "edit_name"},
};

} // namespace

BoardAccessibility::BoardAccessibility(QWidget& mainWindow, const Game& game)
    : QObject(&mainWindow), m_main(mainWindow), m_game(game)
{
    setObjectName(QStringLiteral("boardaccessibility"));
    nameDice();
    nameCard();
    namePanels();
    watchBadges();
    if (auto* noScore = m_main.findChild<QWidget*>(QString::fromLatin1(kNoScoreBadge)))
        noScore->setAccessibleName(said(kNoScore));
    if (auto* board = m_main.findChild<QWidget*>(QString::fromLatin1(objectname::kBoard))) {
        m_news = new Announcer(board);
        connect(m_news, &Announcer::announced, this, &BoardAccessibility::announced);
    }
    // The coach's hint is made on the board when first asked for.
    if (auto* panel = m_main.findChild<QWidget*>(QString::fromLatin1(objectname::kBoard)))
        panel->installEventFilter(this);
    // The pause's end starts the next round or ends the game.
    if (auto* pause = m_main.findChild<QTimer*>(QString::fromLatin1(objectname::kPauseTimer)))
        connect(pause, &QTimer::timeout, this, [] { accessiblenames::refreshSoon(); });
}

QString BoardAccessibility::dieName(int die, const Die& d)
{
    const QString head = tr("Die %1: ").arg(die);
    if (d.value < 1 || d.value > kDice)
        return head + tr("not rolled");
    const QString face = faceWord(d.value);
    const QString status = statusWords(d.status);
    return head + (status.isEmpty() ? face : face + QStringLiteral(", ") + status);
}

QString BoardAccessibility::slotName(int round, const QString& slotText)
{
    QString shown = slotText;
    if (slotText.isEmpty())
        shown = tr("not played");
    else if (slotText == QStringLiteral("---"))
        shown = tr("no score");
    return tr("Round %1: %2").arg(round).arg(shown);
}

QString BoardAccessibility::rollNews(const GameState& before, const GameState& after)
{
    const bool accepted = before.firstRoll != after.firstRoll || before.roundTotal != after.roundTotal
                          || before.canPlay != after.canPlay;
    if (!before.canPlay || !accepted)
        return {};
    // What lay in the row was rolled; when every die had scored, all six were.
    GameState rolled = after;
    bool any = false;
    for (int i = 1; i <= kDice; ++i) {
        const DieStatus was = before.die(i).status;
        const bool thrown = before.firstRoll || was == DieStatus::InPlay;
        rolled.die(i).status = thrown ? DieStatus::Selected : DieStatus::SetAside;
        any = any || thrown;
    }
    QStringList faces;
    for (Die& d : rolled.dice) {
        if (!any)
            d.status = DieStatus::Selected;
        if (d.status == DieStatus::Selected)
            faces << QString::number(d.value);
    }
    const int32_t points = previewPoints(rolled);
    const QString head = tr("Rolled %1: ").arg(faces.join(QStringLiteral(", ")));
    if (!after.canPlay)
        return head + said(kNoScore);
    return head + tr("%1 in scoring dice").arg(points);
}

QString BoardAccessibility::toggleNews(int die, const GameState& state)
{
    const Die& d = state.die(die);
    GameState selection = state;
    for (Die& each : selection.dice)
        if (each.status == DieStatus::Previewed)
            each.status = DieStatus::Selected;
    return tr("Die %1 %2 %3, selection %4")
        .arg(die)
        .arg(faceWord(d.value), statusWords(d.status))
        .arg(previewPoints(selection));
}

void BoardAccessibility::rolled(const GameState& before)
{
    announce(rollNews(before, m_game.state()));
}

void BoardAccessibility::toggled(int die)
{
    const Die& d = m_game.state().die(die);
    if (d.value >= 1 && d.value <= kDice && m_game.state().canPlay)
        announce(toggleNews(die, m_game.state()));
}

void BoardAccessibility::announce(const QString& text)
{
    if (m_news != nullptr)
        m_news->announce(text);
}

void BoardAccessibility::nameDice()
{
    for (int i = 1; i <= kDice; ++i)
        if (auto* die = m_main.findChild<QWidget*>(QStringLiteral("dice%1").arg(i)))
            accessiblenames::follow(die, [this, i, die] {
                // The toggle is kept with the name: both follow the die.
                const Die& d = m_game.state().die(i);
                const bool checked = d.status == DieStatus::Selected || d.status == DieStatus::Previewed;
                setAccessibleToggle(die, checked, checked || d.status == DieStatus::InPlay);
                return dieName(i, d);
            });
}

void BoardAccessibility::nameCard()
{
    for (int round = 1; round <= kRounds; ++round)
        if (auto* slot = m_main.findChild<QLabel*>(QStringLiteral("label_rnd%1").arg(round)))
            accessiblenames::follow(slot, [slot, round] { return slotName(round, slot->text()); });
    if (auto* total = m_main.findChild<QLabel*>(QStringLiteral("label_score")))
        accessiblenames::follow(total, [total] { return tr("Game total: %1").arg(total->text()); });
    if (auto* marker = m_main.findChild<QWidget*>(QStringLiteral("image_turn")))
        accessiblenames::follow(marker, [this] {
            return tr("Bank round %1").arg(m_game.state().round);
        });
    for (int i = 1; i <= kDice; ++i)
        if (auto* place = m_main.findChild<QWidget*>(QStringLiteral("Shape%1").arg(i)))
            place->setAccessibleName(tr("Set-aside place %1").arg(i));
    if (auto* card = m_main.findChild<QWidget*>(QStringLiteral("Image1")))
        card->setAccessibleName(tr("Score card"));
    if (auto* board = m_main.findChild<QWidget*>(QString::fromLatin1(objectname::kBoard)))
        board->setAccessibleName(tr("Board"));
    if (auto* logo = m_main.findChild<QWidget*>(QStringLiteral("image_logo")))
        logo->setAccessibleName(tr("Dravik Software web site"));
}

void BoardAccessibility::namePanels()
{
    for (const TitledPanel& p : kPanels) {
        auto* panel = m_main.findChild<QWidget*>(QString::fromLatin1(p.panel));
        auto* title = m_main.findChild<QLabel*>(QString::fromLatin1(p.title));
        if (panel != nullptr && title != nullptr)
            panel->setAccessibleName(title->text());
    }
    // The game's end says what the game came to.
    auto* cleared = m_main.findChild<QWidget*>(QString::fromLatin1(objectname::kClearedPanel));
    auto* clearedTitle = m_main.findChild<QLabel*>(QStringLiteral("label_cleared"));
    if (cleared != nullptr && clearedTitle != nullptr)
        accessiblenames::follow(cleared, [this, clearedTitle] {
            return clearedTitle->text() + tr(" Final score %1").arg(m_game.state().gameTotal);
        });
    for (const Caption& c : kCaptions) {
        auto* label = m_main.findChild<QLabel*>(QString::fromLatin1(c.label));
        auto* field = m_main.findChild<QWidget*>(QString::fromLatin1(c.field));
        if (label != nullptr && field != nullptr)
            label->setBuddy(field); // the screen reader's "label for"
    }
}

void BoardAccessibility::watchBadges()
{
    m_banked = m_main.findChild<QLabel*>(QStringLiteral("label_scorerecorded"));
    for (const Badge& b : kBadges)
        if (auto* badge = m_main.findChild<QWidget*>(QString::fromLatin1(b.name))) {
            badge->setAccessibleName(badgeName(badge));
            setAccessibleRole(badge, QAccessible::Notification);
            badge->installEventFilter(this);
            m_badges.push_back(badge);
        }
}

QString BoardAccessibility::badgeName(const QWidget* badge) const
{
    for (const Badge& b : kBadges)
        if (badge->objectName() == QLatin1String(b.name)) {
            if (*b.announcement != '\0')
                return said(b.announcement);
            QString amount = m_banked != nullptr ? m_banked->text() : QString();
            if (amount.startsWith(QLatin1Char('+')))
                amount.remove(0, 1);
            return tr("Banked %1").arg(amount);
        }
    return {};
}

bool BoardAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    // Polished, not added: while a child is being added it is not yet
    // of its own class.
    if (event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->inherits("HintPanel")) { // polished again on a style change: no harm
            setAccessibleRole(static_cast<QWidget*>(child), QAccessible::Notification);
            child->installEventFilter(this);
        }
        return false;
    }
    if (event->type() != QEvent::Show)
        return false;
    auto* shown = static_cast<QWidget*>(watched);
    if (auto* hint = qobject_cast<HintPanel*>(shown))
        hint->setAccessibleName(hint->lines().join(QLatin1Char(' ')));
    else if (std::find(m_badges.begin(), m_badges.end(), shown) != m_badges.end())
        shown->setAccessibleName(badgeName(shown)); // the banked amount is on its label by now
    else
        return false;
    accessiblenames::refreshNow();
    QAccessibleEvent alert(shown, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit announced(shown->accessibleName());
    return false;
}
