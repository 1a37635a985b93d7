// SPDX-License-Identifier: MIT
#include "forms/windows/windowaccessibility.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include "widgets/selectbutton.h"
#include "widgets/accessiblenames.h"
#include "widgets/announcer.h"
#include "forms/art/objectnames.h"

namespace windowaccessibility {
namespace {

// Controls with nothing to read a name from, by window and control.
struct Named {
    const char* window;
    const char* control;
    const char* name;
};
constexpr Named kNamed[] = {
    {"about", "Image1", QT_TRANSLATE_NOOP("WindowAccessibility", "Dravik Software logo")},
    {"multiplayer", "Image1", QT_TRANSLATE_NOOP("WindowAccessibility", "Picture of the multiplayer edition")},
    {"highscore", "displayhtml", QT_TRANSLATE_NOOP("WindowAccessibility", "High score list")},
    {"review", "grid_moves", QT_TRANSLATE_NOOP("WindowAccessibility", "Moves of the last game")},
};

constexpr int kTallyPlaces = 10;
constexpr int kTallyStatistics = 4;

QLabel* label(QWidget* window, const QString& name) { return window->findChild<QLabel*>(name); }

// A tally row reads as one line: place, date, name and score.
void describeTally(QWidget* window)
{
    for (int place = 1; place <= kTallyPlaces; ++place) {
        QLabel* num = label(window, QStringLiteral("label_num%1").arg(place));
        QLabel* date = label(window, QStringLiteral("label_date%1").arg(place));
        QLabel* name = label(window, QStringLiteral("label_name%1").arg(place));
        QLabel* high = label(window, QStringLiteral("label_high%1").arg(place));
        if (!num || !date || !name || !high)
            continue;
        accessiblenames::follow(num, [=] {
            const QString row = QStringList{date->text(), name->text(), high->text()}.join(QLatin1Char(' ')).trimmed();
            return num->text() + QLatin1Char(' ')
                   + (row.isEmpty() ? QCoreApplication::translate("WindowAccessibility", "empty") : row);
        });
    }
    for (int column = 1; column <= kTallyStatistics; ++column) {
        QLabel* caption = label(window, QStringLiteral("caption_%1").arg(column));
        QLabel* value = label(window, QStringLiteral("mylabel_%1").arg(column));
        if (caption && value)
            accessiblenames::follow(value, [=] { return caption->text() + QLatin1Char(' ') + value->text(); });
    }
}

void describeHelp(QWidget* window)
{
    // Each page is named after the button that shows it ("memo" + its tag).
    for (SelectButton* button : window->findChildren<SelectButton*>())
        if (auto* page = window->findChild<QTextEdit*>(QStringLiteral("memo%1").arg(button->tag())))
            page->setAccessibleName(button->caption());
}


// What a window says as it opens, beyond its title: the high-score list's
// status line (a page of one line; the list itself is read as a page) and
// the tally's statistics.
QString openingNews(QWidget* window)
{
    const QString name = window->objectName();
    if (name == QLatin1String("highscore")) {
        const auto* view = window->findChild<QTextEdit*>(QStringLiteral("displayhtml"));
        if (view != nullptr && view->document()->blockCount() == 1)
            return view->toPlainText().trimmed();
    } else if (name == QLatin1String("tallylist")) {
        QStringList statistics;
        for (int column = 1; column <= kTallyStatistics; ++column)
            if (QLabel* value = label(window, QStringLiteral("mylabel_%1").arg(column)))
                statistics << value->accessibleName();
        return statistics.join(QStringLiteral(". "));
    }
    return {};
}

// The About window's version reads as one: "Version 1.0.2.4".
void describeVersion(QWidget* window)
{
    QLabel* caption = label(window, QStringLiteral("Label1"));
    QLabel* version = label(window, QStringLiteral("version"));
    QLabel* build = label(window, QStringLiteral("Label9"));
    if (caption && version && build)
        accessiblenames::follow(version, [=] { return caption->text() + QLatin1Char(' ') + version->text() + build->text(); });
}

void describe(QWidget* window)
{
    const QString name = window->objectName();
    for (const Named& n : kNamed)
        if (name == QLatin1String(n.window))
            if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(n.control)))
                control->setAccessibleName(QCoreApplication::translate("WindowAccessibility", n.name));
    if (name == QLatin1String("help"))
        describeHelp(window);
    else if (name == QLatin1String("tallylist"))
        describeTally(window);
    else if (name == QLatin1String("about"))
        describeVersion(window);
}

// Describes the window when first shown, and speaks its news at each opening
// and whenever the high-score page turns into a status line while open.
class OnShow : public QObject {
public:
    explicit OnShow(QWidget* window) : QObject(window), m_news(new Announcer(window))
    {
        window->installEventFilter(this);
        if (auto* view = window->findChild<QTextEdit*>(QStringLiteral("displayhtml")))
            connect(view, &QTextEdit::textChanged, this, [this, window] {
                if (window->isVisible())
                    speakSoon(window);
            });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            if (!m_described)
                describe(window);
            m_described = true;
            speakSoon(window);
        }
        return false;
    }

private:
    // Once the window is up and named, after the screen reader has heard it open.
    void speakSoon(QWidget* window)
    {
        QTimer::singleShot(0, m_news, [this, window] { m_news->announce(openingNews(window)); });
    }

    Announcer* m_news;
    bool m_described = false;
};

} // namespace

void describeOnShow(QWidget* window) { new OnShow(window); }

} // namespace windowaccessibility
