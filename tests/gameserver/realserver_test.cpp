// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <chrono>
#include <functional>
#include <fstream>
#include <memory>

#include "forms/formsfixture.h"
#include "widgets/htmlview.h"
#include "forms/programwindows.h"
#include "server/openscorestore.h"
#include "server/testserver.h"
#include "forms/art/objectnames.h"

namespace {

bool waitUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 1000 && !done(); ++i)
        QTest::qWait(10);
    return done();
}

class RealServerTest : public FormsFixture {
protected:
    TempFolder data;
    std::unique_ptr<ScoreStore> store = openScoreStore("", data.path(), 1, std::chrono::seconds(2));
    RunningServer server{*store, testSettings()};

    std::unique_ptr<ProgramWindows> open()
    {
        std::ofstream(file("pelbixsolo.ini").toStdString(), std::ios::binary)
            << "[pelbixsolo]\r\nServer=127.0.0.1:" << server.port() << "\r\nUpdate=false\r\n";
        auto w = std::make_unique<ProgramWindows>(programFolder(), seams());
        w->main.show();
        return w;
    }
};

// A refused post left the player with a notice over the buttons and no
// reason: the refusal must say why, and the post sent again must reach
// the list.
TEST_F(RealServerTest, ARefusedPostSaysWhyAndTheOneSentAgainIsListed)
{
    auto w = open();
    endGame(*w);
    auto* name = w->main.findChild<QLineEdit*>("edit_name");
    name->setText(QString::fromUtf8("Kay\u200D\u2764"));
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return !dialogs.shown.isEmpty(); }));
    const QStringList lines = dialogs.shown[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << dialogs.shown[0].text.toStdString();
    EXPECT_EQ(lines[0], "Posting Failed.");
    EXPECT_TRUE(lines[1].startsWith("Score not recorded")) << lines[1].toStdString();

    name->setText(QStringLiteral("Kay"));
    ASSERT_TRUE(widget(*w, "button_sendscore")->isVisible());
    click(widget(*w, "button_sendscore"));
    ASSERT_TRUE(waitUntil([&] { return w->highscore.isVisible(); }));
    EXPECT_TRUE(waitUntil([&] { return w->highscore.listView->toPlainText().contains("Kay"); }));
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_NE(server.get("/counter/pelbixsolo.shtml").body.find("10000"), std::string::npos);
}

} // namespace
