// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "forms/windows/aboutwindow.h"
#include "forms/windows/helpwindow.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

namespace {

class HelpFormTest : public FormsFixture {
protected:
    HelpFormTest()
    {
        mainWindow.setGeometry(100, 80, 774, 520);
        mainWindow.show();
        help.setAboutWindow(&about);
    }

    void open()
    {
        help.showCentredOn(&mainWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    }
    template <class T = QWidget>
    T* child(const char* name)
    {
        auto* w = help.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString caption() { return child<QLabel>("label_caption")->text(); }
    // The page the player sees: whichever lies on top in the middle of the
    // page area.
    QTextEdit* frontPage()
    {
        auto* panel = child(objectname::kMainPanel);
        for (QWidget* w = panel->childAt(panel->rect().center()); w != nullptr; w = w->parentWidget())
            if (auto* memo = qobject_cast<QTextEdit*>(w))
                return memo;
        ADD_FAILURE() << "no page in front";
        return nullptr;
    }
    QString frontName() { return frontPage()->objectName(); }
    QString frontFirstLine() { return frontPage()->document()->firstBlock().text(); }

    QWidget mainWindow;
    AboutWindow about;
    HelpWindow help;
};

TEST_F(HelpFormTest, StartsOnTheOverviewWithTheYearInTheNotice)
{
    open();
    EXPECT_EQ(help.windowTitle(), "Pelbix Solo - Help File");
    EXPECT_EQ(help.size(), QSize(523, 431));
    EXPECT_EQ(caption(), "Overview");
    EXPECT_EQ(frontName(), "memo1");
    EXPECT_EQ(frontFirstLine(), "Overview");
    EXPECT_EQ(child<QLabel>("label_year")->text(), infowindow::currentYear());
    EXPECT_EQ(child("label_year")->pos(), QPoint(100, 368));
    EXPECT_TRUE(frontPage()->isReadOnly());
    shoot(&help, "help-01-overview");
}

TEST_F(HelpFormTest, EachButtonBringsItsPageAndCaption)
{
    const struct {
        const char* button;
        const char* caption;
        const char* page;
        const char* firstLine;
    } cases[] = {
        {"SelButton5", "Documentation", "memo5", "History"},
        {"SelButton3", "Game Play", "memo3", "Game Play"},
        {"SelButton6", "License", "memo6", "License Agreement "},
        {"SelButton4", "Scoring", "memo4", "Scoring"},
        {"SelButton1", "Overview", "memo1", "Overview"},
    };
    open();
    for (const auto& c : cases) {
        click(child(c.button));
        EXPECT_EQ(caption(), c.caption) << c.button;
        EXPECT_EQ(frontName(), c.page) << c.button;
        EXPECT_EQ(frontFirstLine(), c.firstLine) << c.button;
        shoot(&help, QStringLiteral("help-page-") + QString::fromLatin1(c.page));
    }
}

TEST_F(HelpFormTest, DoneHidesAndShowingAgainKeepsThePage)
{
    open();
    click(child("SelButton5"));
    click(child("button_done"));
    EXPECT_TRUE(help.isHidden());

    help.showCentredOn(&mainWindow);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(caption(), "Documentation");
    EXPECT_EQ(frontName(), "memo5");
}

TEST_F(HelpFormTest, AboutOpensTheAboutWindowInFrontWhileHelpStays)
{
    open();
    click(child("button_about"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &about);
    // Placed over the main window, not over the help window.
    const QRect m = mainWindow.frameGeometry();
    const QRect a = about.frameGeometry();
    EXPECT_EQ(a.left() - m.left(), m.right() - a.right());
    EXPECT_LE(std::abs((a.top() - m.top()) - (m.bottom() - a.bottom())), 1);
    shoot(&about, "about-from-help");
}

// A screen reader finds one page, the one shown, as text it can read line
// by line from its caret; the hidden pages are out of its way.
TEST_F(HelpFormTest, TheShownPageIsReadLineByLine)
{
    open();
    click(child("SelButton4")); // Scoring
    QStringList shown;
    QAccessibleInterface* page = nullptr;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node->role() == QAccessible::EditableText && !node->state().invisible) {
            shown << node->text(QAccessible::Name);
            page = node;
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&help));
    EXPECT_EQ(shown, QStringList{"Scoring"});
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->state().readOnly);
    EXPECT_TRUE(page->state().focusable);
    QAccessibleTextInterface* text = page->textInterface();
    ASSERT_NE(text, nullptr);
    const QTextDocument* doc = frontPage()->document();
    int start = 0, end = 0;
    for (QTextBlock block = doc->firstBlock(); block.isValid() && block.blockNumber() < 4; block = block.next()) {
        if (block.text().isEmpty())
            continue;
        // A short line is one line of text: the screen reader's line is the page's.
        const int at = block.position();
        const QString line = text->textAtOffset(at, QAccessible::LineBoundary, &start, &end);
        EXPECT_EQ(start, at);
        if (block.layout()->lineCount() == 1) {
            EXPECT_EQ(line.trimmed(), block.text().trimmed());
        }
        text->setCursorPosition(at);
        EXPECT_EQ(frontPage()->textCursor().position(), at) << "the screen reader's caret moves the page's";
    }
}

TEST_F(HelpFormTest, ResizingWidensThePagesButNotTheButtonColumn)
{
    open();
    EXPECT_EQ(child(objectname::kMainPanel)->geometry(), QRect(137, 0, 386, 431));
    EXPECT_EQ(child("memo3")->geometry(), QRect(1, 21, 384, 409));

    help.resize(700, 500);
    EXPECT_EQ(child(objectname::kSidePanel)->geometry(), QRect(0, 0, 137, 500));
    EXPECT_EQ(child(objectname::kMainPanel)->geometry(), QRect(137, 0, 563, 500));
    EXPECT_EQ(child("label_caption")->geometry(), QRect(1, 1, 561, 20));
    for (const char* button : {"SelButton1", "SelButton3", "SelButton4", "SelButton5", "SelButton6"}) {
        click(child(button)); // a page is laid out as it shows
        QApplication::processEvents();
        EXPECT_EQ(frontPage()->geometry(), QRect(1, 21, 561, 478)) << button;
    }
    shoot(&help, "help-02-wide");

    help.resize(400, 300);
    EXPECT_EQ(child(objectname::kSidePanel)->width(), 137);
    EXPECT_EQ(frontPage()->geometry(), QRect(1, 21, 261, 278));
}

} // namespace
