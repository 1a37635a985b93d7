// SPDX-License-Identifier: MIT
#include <QAction>
#include <QFile>
#include <QTranslator>

#include "forms/windows/statisticswindow.h"
#include "formsfixture.h"
#include "support/eventwait.h"
#include "support/textbounds.h"
#include "widgets/textscale.h"

namespace {

// Every window, in every language there is a catalogue for, at the drawn
// size and at a desktop font half as large again, on a large screen and a
// 1024x600 one: no text cut off its control, no control off its window,
// no window off the screen.
class TextLayoutTest : public FormsFixture {
protected:
    ~TextLayoutTest() override
    {
        QApplication::setFont(m_font);
        textscale::overrideWorkArea({});
    }

    // The windows as the player opens them; main first.
    static QList<QWidget*> openAll(ProgramWindows& w)
    {
        w.main.show();
        w.about.showCentredOn(&w.main);
        w.help.showCentredOn(&w.main);
        w.highscore.showWindow();
        w.tallylist.showCentredOn(&w.main);
        w.multiplayer.showCentredOn(&w.main);
        QList<QWidget*> windows{&w.main, &w.about, &w.help, &w.highscore, &w.tallylist, &w.multiplayer};
        const QSet<QWidget*> known(windows.begin(), windows.end());
        for (const char* item : {"KeyboardShortcuts1", "GameReview1", "Statistics1"})
            w.main.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !known.contains(top) && qobject_cast<QMenu*>(top) == nullptr)
                windows << top;
        return windows;
    }

    const QFont m_font = QApplication::font();
};

TEST_F(TextLayoutTest, NoTextCutAndNoWindowOffTheScreenInAnyLanguageOrFontSize)
{
    const QRect large(0, 0, 2560, 1600);
    const QRect small(0, 0, 1024, 600);
    struct Case {
        qreal scale;
        const char* language; // empty: English, the source
        QRect workArea;
    };
    std::vector<Case> cases;
    for (const char* language : {"", "en_XA", "de", "fr", "es"})
        for (const qreal scale : {1.0, 1.5})
            cases.push_back({scale, language, large});
    cases.push_back({1.5, "", small});
    cases.push_back({1.0, "de", small});

    int languages = 0;
    for (const Case& c : cases) {
        const QString qm = QStringLiteral(PELBIX_QM_DIR "/pelbixsolo_%1.qm").arg(QLatin1String(c.language));
        QTranslator catalogue;
        if (*c.language != '\0') {
            if (!QFile::exists(qm) || !catalogue.load(qm))
                continue; // no catalogue built for it here
            QCoreApplication::installTranslator(&catalogue);
            ++languages;
        }
        QFont font = m_font;
        if (c.scale != 1.0)
            font.setPointSizeF(textscale::kDesignPointSize * c.scale);
        QApplication::setFont(font);
        textscale::overrideWorkArea(c.workArea);
        const std::string where = QStringLiteral("%1 at %2 on %3 px high")
                                      .arg(QLatin1String(*c.language ? c.language : "English"))
                                      .arg(c.scale)
                                      .arg(c.workArea.height())
                                      .toStdString();
        {
            ProgramWindows w(programFolder(), seams());
            const QList<QWidget*> windows = openAll(w);
            EXPECT_EQ(windows.size(), 9) << where;
            EXPECT_NEAR(textscale::of(&w.about), c.scale, 0.01) << where << ": the about window did not grow";
            for (QWidget* window : windows) {
                const std::string title = window->windowTitle().toStdString();
                for (const QString& cut : textbounds::clipped(window))
                    ADD_FAILURE() << where << ", " << title << ": " << cut.toStdString();
                const QSize room = c.workArea.size() - textscale::kFrameAllowance;
                EXPECT_TRUE(window->width() <= room.width() && window->height() <= room.height())
                    << where << ", " << title << ": " << window->width() << "x" << window->height();
            }
            if (*c.language == '\0' && c.scale != 1.0 && c.workArea == large) {
                shoot(&w.main, QStringLiteral("board-at-1.5"));
                shoot(&w.help, QStringLiteral("help-at-1.5"));
            }
            for (QWidget* window : windows)
                window->hide();
        }
        QCoreApplication::removeTranslator(&catalogue);
    }
    EXPECT_GT(languages, 0) << "no catalogue found in " PELBIX_QM_DIR;
}

} // namespace
