// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include "widgets/webaddress.h"
#include "forms/windows/aboutwindow.h"
#include "formsfixture.h"
#include "support/recordingurlopener.h"
#include "platform/makerhost.h"

namespace {

class AboutFormTest : public FormsFixture {
protected:
    QLabel* label(const char* name)
    {
        auto* l = about.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l;
    }

    RecordingUrlOpener opener{false}; // as if no browser would start: nothing may show
    QStringList& opened = opener.opened;
    AboutWindow about{nullptr, opener};
};

const QString kHost = QString::fromStdString(MakerHost::builtIn().authority());

TEST_F(AboutFormTest, Label7OpensTheMakersSiteBesideTheVersion)
{
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.windowTitle(), "Pelbix Solo - About");
    EXPECT_EQ(label("Label7")->text(), kHost);
    EXPECT_EQ(label("Label7")->cursor().shape(), Qt::PointingHandCursor);
    click(label("Label7"));
    EXPECT_EQ(opened, QStringList{"http://" + kHost});
    // The main window's logo goes through the same link.
    (void)about.makerSite->Open();
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(opened.last(), "http://" + kHost);
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.versionText(), "1.0.2");
    EXPECT_EQ(label("Label9")->text(), ".4");
    EXPECT_EQ(label("label_year")->text(), infowindow::currentYear());
    EXPECT_EQ(label("label_year")->pos(), QPoint(108, 138));
    shoot(&about, "about-01");
}

TEST_F(AboutFormTest, DoneAndTheCloseBoxOnlyHide)
{
    // Closing the only window on screen must not end the program; Qt decides
    // that only inside the application's own loop.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    for (const bool viaDone : {true, false}) {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTimer::singleShot(0, &about, [&] {
            if (viaDone)
                click(about.findChild<QWidget*>("button_done"));
            else
                EXPECT_TRUE(about.close());
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
        QApplication::exec();
        EXPECT_TRUE(about.isHidden()) << viaDone;
    }
    EXPECT_EQ(lastClosed.count(), 0);
    EXPECT_EQ(about.versionText(), "1.0.2");
}

TEST_F(AboutFormTest, CentredOnTheMainWindowOnlyTheFirstTime)
{
    // Halves go toward zero: a main window narrower than this one puts it at
    // -41, not -42.
    const struct {
        QRect main;
        QPoint expected;
    } cases[] = {
        {{100, 50, 774, 520}, {335, 213}},
        {{10, 20, 201, 100}, {-41, -26}},
        {{1, 1, 305, 196}, {1, 2}},
    };
    for (const auto& c : cases) {
        QWidget mainWindow(nullptr, Qt::FramelessWindowHint);
        mainWindow.setGeometry(c.main);
        AboutWindow window;
        window.setWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
        window.showCentredOn(&mainWindow);
        EXPECT_EQ(window.frameGeometry().topLeft(), c.expected) << c.main.x();

        // The player moves it; hidden and shown again it stays there, even
        // when the main window has moved meanwhile.
        window.move(7, 9);
        window.hide();
        mainWindow.move(300, 300);
        window.showCentredOn(&mainWindow);
        EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(7, 9)) << c.main.x();
    }
}

} // namespace
