// SPDX-License-Identifier: MIT
#include <QPixmap>

#include "forms/windows/aboutwindow.h"
#include "forms/windows/highscorewindow.h"
#include "widgets/picturebox.h"
#include "formsfixture.h"
#include "platform/makerhost.h"

namespace {

class TImageTest : public FormsFixture {};

QPixmap filled(QColor colour)
{
    QPixmap picture(4, 3);
    picture.fill(colour);
    return picture;
}

TEST_F(TImageTest, PictureSourceRunsOnceWhenThePictureIsFirstNeeded)
{
    int calls = 0;
    PictureBox image;
    image.resize(4, 3);
    image.setPictureSource([&] {
        ++calls;
        return filled(Qt::red);
    });
    EXPECT_EQ(calls, 0);

    // Painting asks for it; later paints and questions reuse it.
    const QImage shot = image.grab().toImage();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(shot.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(image.picture().size(), QSize(4, 3));
    (void)image.grab();
    EXPECT_EQ(calls, 1);

    // A picture set directly, or a clear, drops a source not yet used.
    image.setPictureSource([&] {
        ++calls;
        return filled(Qt::blue);
    });
    image.setPicture(filled(Qt::green));
    EXPECT_EQ(image.picture().toImage().pixelColor(0, 0), QColor(Qt::green));
    image.setPictureSource([&] {
        ++calls;
        return filled(Qt::blue);
    });
    image.clearPicture();
    EXPECT_TRUE(image.picture().isNull());
    EXPECT_EQ(calls, 1);
}

// The windows opened from the menu paint their logos when first shown, and
// show the same picture as ever.
TEST_F(TImageTest, WindowLogosArePaintedOnFirstShow)
{
    AboutWindow about;
    HighScoreWindow highscore(MakerHost::builtIn());
    for (QWidget* window : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&highscore)}) {
        auto* logo = window->findChild<PictureBox*>(QStringLiteral("Image1"));
        ASSERT_NE(logo, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(logo->picture().size(), logo->size()) << window->objectName().toStdString();
    }
}

} // namespace
