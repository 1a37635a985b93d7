// SPDX-License-Identifier: MIT
#include "forms/windows/windowaccessibility.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
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
    {"about", "Image1", "Dravik Software logo"},
    {"multiplayer", "Image1", "Picture of the multiplayer edition"},
    {"highscore", "displayhtml", "High score list"},
    {"review", "grid_moves", "Moves of the last game"},
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
            return num->text() + QLatin1Char(' ') + (row.isEmpty() ? QStringLiteral("empty") : row);
        });
    }
    for (int column = 1; column <= kTallyStatistics; ++column) {
        QLabel* caption = label(window, QStringLiteral("caption_%1").arg(column));
        QLabel* value = label(window, QStringLiteral("mylabel_%1").arg(column));
        if (caption && value)
            accessiblenames::follow(value, [=] { return caption->text() + QLatin1Char(' ') + value->text(); });
    }
}

// The help window's page area takes the focus in place of the pages (which
// are no tab stops) and scrolls the page in front.
class PageKeys : public QObject {
public:
    explicit PageKeys(QWidget* pageArea) : QObject(pageArea), m_area(pageArea)
    {
        pageArea->setFocusPolicy(Qt::TabFocus);
        pageArea->installEventFilter(this);
        QLabel* caption = pageArea->findChild<QLabel*>(QStringLiteral("label_caption"));
        accessiblenames::follow(pageArea, [caption] {
            return caption ? caption->text() + QStringLiteral(" page") : QStringLiteral("Page");
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::KeyRelease) {
            // The page's words, for a screen reader to read out.
            if (QTextEdit* page = front())
                m_area->setAccessibleDescription(page->toPlainText());
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        QTextEdit* page = front();
        if (page == nullptr)
            return false;
        QScrollBar* bar = page->verticalScrollBar();
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
        case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
        case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); return true;
        case Qt::Key_PageDown:
        case Qt::Key_Space: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); return true;
        case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); return true;
        case Qt::Key_End: bar->triggerAction(QAbstractSlider::SliderToMaximum); return true;
        default: return false;
        }
    }

private:
    // The page raised last lies in front.
    QTextEdit* front() const
    {
        const QObjectList& children = m_area->children();
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            if (auto* page = qobject_cast<QTextEdit*>(*it))
                return page;
        return nullptr;
    }

    QWidget* m_area;
};

void describeHelp(QWidget* window)
{
    // Each page is named after the button that shows it ("memo" + its tag).
    for (SelectButton* button : window->findChildren<SelectButton*>())
        if (auto* page = window->findChild<QTextEdit*>(QStringLiteral("memo%1").arg(button->tag())))
            page->setAccessibleName(button->caption());
    if (QWidget* area = window->findChild<QWidget*>(QString::fromLatin1(objectname::kMainPanel)))
        new PageKeys(area);
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
                control->setAccessibleName(QString::fromLatin1(n.name));
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
