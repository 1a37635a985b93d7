// SPDX-License-Identifier: MIT
#include <QRandomGenerator>

#include "forms/windows/multiplayerwindow.h"
#include "widgets/picturebox.h"
#include "formsfixture.h"
#include "support/recordingurlopener.h"
#include "platform/makerhost.h"

namespace {

class MultiplayerFormTest : public FormsFixture {
protected:
    static PictureBox* picture(MultiplayerWindow& window) { return window.findChild<PictureBox*>(QStringLiteral("Image1")); }

    RecordingUrlOpener opener;
    QStringList& opened = opener.opened;
};

TEST_F(MultiplayerFormTest, InvitationsAndPictureOpenTheSamePage)
{
    MultiplayerWindow window{nullptr, opener};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(569, 407));
    ASSERT_NE(picture(window), nullptr);
    EXPECT_EQ(picture(window)->geometry(), QRect(120, 96, 328, 273));
    EXPECT_EQ(picture(window)->picture().size(), QSize(328, 273));
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
    click(window.findChild<QWidget*>(QStringLiteral("button_done")));
    EXPECT_TRUE(window.isHidden());
}

TEST_F(MultiplayerFormTest, DamagedPictureLeavesAnEmptyPlace)
{
    const QByteArray good = MultiplayerWindow::storedPicture();
    ASSERT_GT(good.size(), 1000);
    // libjpeg fills a cut-off picture up with grey; every cut must be refused.
    for (qsizetype length = 0; length < good.size(); length += 89)
        EXPECT_TRUE(MultiplayerWindow::decodePicture(good.left(length)).isNull()) << length;

    QByteArray garbage(4000, '\0');
    QRandomGenerator rng(7);
    for (char& b : garbage)
        b = static_cast<char>(rng.bounded(256));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"last byte missing", good.chopped(1)},
        {"garbage", garbage},
        {"garbage ending in the end marker", garbage + "\xFF\xD9"},
        {"header then garbage", good.left(600) + garbage + "\xFF\xD9"},
    };
    for (const auto& c : cases) {
        MultiplayerWindow window(c.bytes, nullptr, opener);
        EXPECT_TRUE(picture(window)->picture().isNull()) << c.what;
        // The place shows the window's own background.
        const QImage shot = window.grab().toImage();
        EXPECT_EQ(shot.pixelColor(284, 232), QColor(0x66, 0x73, 0x2B)) << c.what;
    }
}

} // namespace
