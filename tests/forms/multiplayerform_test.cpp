#include <QRandomGenerator>

#include "controls/urlopener.h"
#include "forms/multiplayerform.h"
#include "forms/timage.h"
#include "formsfixture.h"
#include "platform/makerhost.h"

namespace {

class MultiplayerFormTest : public FormsFixture, private UrlOpener {
protected:
    MultiplayerFormTest() { m_previous = UrlOpener::install(this); }
    ~MultiplayerFormTest() override { UrlOpener::install(m_previous); }

    bool open(const QString& address) override
    {
        opened << address;
        return true;
    }
    static TImage* picture(Tmultiplayer& window) { return window.findChild<TImage*>(QStringLiteral("Image1")); }

    QStringList opened;

private:
    UrlOpener* m_previous = nullptr;
};

TEST_F(MultiplayerFormTest, BothInvitationsAndThePictureOpenTheSamePage)
{
    Tmultiplayer window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Pelbix Solo - Multiplayer");
    EXPECT_EQ(window.size(), QSize(569, 407));
    shoot(&window, "multiplayer-01");

    const QString page = "http://" + QString::fromStdString(MakerHost::builtIn().authority()) + "/multiplayer/";
    for (const char* name : {"Label6", "Label1", "Image1"}) {
        auto* target = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(target, nullptr) << name;
        EXPECT_EQ(target->cursor().shape(), Qt::PointingHandCursor) << name;
        opened.clear();
        click(target);
        EXPECT_EQ(opened, QStringList{page}) << name;
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MultiplayerFormTest, DoneAndTheCloseBoxOnlyHide)
{
    Tmultiplayer window;
    for (const bool viaDone : {true, false}) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (viaDone)
            click(window.findChild<QWidget*>(QStringLiteral("button_done")));
        else
            EXPECT_TRUE(window.close());
        EXPECT_TRUE(window.isHidden()) << viaDone;
        ASSERT_NE(picture(window), nullptr);
    }
}

TEST_F(MultiplayerFormTest, TheStoredPictureIsDecodedAtItsPlace)
{
    Tmultiplayer window;
    TImage* image = picture(window);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(120, 96, 328, 273));
    EXPECT_EQ(image->picture().size(), QSize(328, 273));
}

TEST_F(MultiplayerFormTest, DamagedPictureLeavesAnEmptyPlace)
{
    const QByteArray good = Tmultiplayer::storedPicture();
    ASSERT_GT(good.size(), 1000);
    QByteArray garbage(4000, '\0');
    QRandomGenerator rng(7);
    for (char& b : garbage)
        b = static_cast<char>(rng.bounded(256));
    QByteArray headerThenGarbage = good.left(600) + garbage + "\xFF\xD9";

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"cut after the header", good.left(600)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"last byte missing", good.chopped(1)},
        {"garbage", garbage},
        {"garbage ending in the end marker", garbage + "\xFF\xD9"},
        {"header then garbage", headerThenGarbage},
    };
    for (const auto& c : cases) {
        Tmultiplayer window(c.bytes);
        EXPECT_TRUE(picture(window)->picture().isNull()) << c.what;
        // The place shows the window's own background.
        const QImage shot = window.grab().toImage();
        EXPECT_EQ(shot.pixelColor(284, 232), QColor(0x66, 0x73, 0x2B)) << c.what;
    }
}

TEST_F(MultiplayerFormTest, EveryCutOffPictureIsRefused)
{
    const QByteArray good = Tmultiplayer::storedPicture();
    for (qsizetype length = 0; length < good.size(); length += 89)
        EXPECT_TRUE(Tmultiplayer::decodePicture(good.left(length)).isNull()) << length;
    EXPECT_FALSE(Tmultiplayer::decodePicture(good).isNull());
}

} // namespace
