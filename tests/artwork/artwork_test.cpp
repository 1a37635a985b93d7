// SPDX-License-Identifier: MIT
#include "forms/art/artwork.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <gtest/gtest.h>

#include <vector>

using namespace artwork;

namespace {

QImage imageOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

QColor at(const QImage& image, QPoint point)
{
    return image.pixelColor(point);
}

bool isLight(const QColor& c)
{
    return c.alpha() == 255 && qGray(c.rgb()) >= 200;
}

bool isDark(const QColor& c)
{
    return c.alpha() == 255 && qGray(c.rgb()) <= 90;
}

std::vector<QPoint> cornersOf(QSize size)
{
    return {{0, 0}, {size.width() - 1, 0}, {0, size.height() - 1}, {size.width() - 1, size.height() - 1}};
}

std::string describe(const QColor& c)
{
    return "rgba(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue()) +
           "," + std::to_string(c.alpha()) + ")";
}

} // namespace

TEST(artwork, EveryPictureHasItsLayoutSize)
{
    const struct {
        const char* name;
        QPixmap picture;
        QSize size;
    } cases[] = {
        {"score card", scoreCardPicture(), {201, 362}},
        {"turn marker", turnMarkerPicture(), {157, 23}},
        {"die 0", dicePicture(0), {69, 70}},
        {"die 1", dicePicture(1), {69, 70}},
        {"die 6", dicePicture(6), {69, 70}},
        {"roll button", buttonPicture(QStringLiteral("ROLL DICE"), kRollButtonSize), {165, 33}},
        {"start button", buttonPicture(QStringLiteral("START GAME")), {138, 33}},
        {"no score badge", badgePicture(Badge::NoScore), {150, 67}},
        {"not on board badge", badgePicture(Badge::NotOnBoard), {150, 67}},
        {"recorded badge", badgePicture(Badge::ScoreRecorded), {150, 67}},
        {"board logo", logoPicture(kBoardLogoSize), {198, 52}},
        {"about logo", logoPicture(kAboutLogoSize), {219, 58}},
        {"high-score logo", logoPicture(kHighScoreLogoSize), {69, 69}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.picture.deviceIndependentSize().toSize(), c.size) << c.name;
}

// Pixel centres of the pip places on a die: a three by three grid.
constexpr QPoint kTopLeft{16, 16}, kTopRight{50, 16}, kMiddleLeft{16, 33}, kCentre{33, 33},
    kMiddleRight{50, 33}, kBottomLeft{16, 50}, kBottomRight{50, 50};

TEST(dicePicture, PipsSitInTheirPlacesInTheFacesColour)
{
    const auto olive = [](QColor c) { return c.green() > c.red() && c.red() > c.blue() + 30 && c.green() < 150; };
    const auto darkRed = [](QColor c) { return c.red() > 110 && c.red() < 200 && c.green() < 60 && c.blue() < 60; };
    const auto green = [](QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 90; };
    const auto blue = [](QColor c) { return c.blue() > 140 && c.red() < 60 && c.green() < 110; };
    const auto purple = [](QColor c) { return c.red() > 80 && c.blue() > 110 && c.green() < 70; };
    const auto black = [](QColor c) { return c.red() < 50 && c.green() < 50 && c.blue() < 50; };
    const struct {
        int face;
        bool (*hue)(QColor);
        std::vector<QPoint> pips, bare;
    } cases[] = {
        {1, olive, {kCentre}, {kTopLeft, kTopRight, kBottomLeft, kBottomRight, kMiddleLeft}},
        {2, darkRed, {kTopLeft, kBottomRight}, {kCentre, kTopRight, kBottomLeft}},
        {3, green, {kTopLeft, kCentre, kBottomRight}, {kTopRight, kBottomLeft, kMiddleLeft}},
        {4, blue, {kTopLeft, kTopRight, kBottomLeft, kBottomRight}, {kCentre, kMiddleLeft, kMiddleRight}},
        {5, purple, {kTopLeft, kTopRight, kCentre, kBottomLeft, kBottomRight}, {kMiddleLeft, kMiddleRight}},
        {6, black, {kTopLeft, kTopRight, kMiddleLeft, kMiddleRight, kBottomLeft, kBottomRight}, {kCentre}},
    };
    for (const auto& c : cases) {
        const QImage die = imageOf(dicePicture(c.face));
        for (const QPoint& pip : c.pips) {
            const QColor colour = at(die, pip);
            EXPECT_EQ(colour.alpha(), 255) << "face " << c.face << " pip at " << pip.x() << "," << pip.y();
            EXPECT_TRUE(c.hue(colour)) << "face " << c.face << " pip at " << pip.x() << "," << pip.y() << " is "
                                       << describe(colour);
        }
        for (const QPoint& spot : c.bare) {
            const QColor colour = at(die, spot);
            EXPECT_TRUE(colour.alpha() == 255 && qGray(colour.rgb()) >= 235)
                << "face " << c.face << " should be bare white at " << spot.x() << "," << spot.y() << " but is "
                << describe(colour);
        }
    }
}

TEST(dicePicture, TransparentOutsideTheRoundedSquare)
{
    for (int face = 1; face <= 6; ++face) {
        const QImage die = imageOf(dicePicture(face));
        for (const QPoint& corner : cornersOf(die.size()))
            EXPECT_EQ(at(die, corner).alpha(), 0) << "face " << face << " corner " << corner.x() << "," << corner.y();
        EXPECT_TRUE(isLight(at(die, {33, 12}))) << "face " << face;
    }
}

TEST(dicePicture, ListEntryZeroIsTheSixAndOtherValuesAreNull)
{
    EXPECT_EQ(dicePicture(0).cacheKey(), dicePicture(6).cacheKey());
    EXPECT_TRUE(dicePicture(-1).isNull());
    EXPECT_TRUE(dicePicture(7).isNull());
}

TEST(badgePicture, TransparentOutsideTheBurstAndOpaqueInside)
{
    for (const Badge badge : {Badge::NoScore, Badge::NotOnBoard, Badge::ScoreRecorded}) {
        const QImage image = imageOf(badgePicture(badge));
        for (const QPoint& corner : cornersOf(image.size()))
            EXPECT_EQ(at(image, corner).alpha(), 0)
                << "badge " << static_cast<int>(badge) << " corner " << corner.x() << "," << corner.y();
        EXPECT_EQ(at(image, {75, 33}).alpha(), 255) << "badge " << static_cast<int>(badge);
    }
}

TEST(badgePicture, RecordedBadgeKeepsTheAmountAreaLight)
{
    // The banked amount is olive text laid over (38, 34; 77 x 21).
    const QImage image = imageOf(badgePicture(Badge::ScoreRecorded));
    for (const QPoint& point : {QPoint(40, 44), QPoint(76, 36), QPoint(76, 53), QPoint(112, 44), QPoint(76, 44)})
        EXPECT_TRUE(isLight(at(image, point))) << point.x() << "," << point.y() << " is "
                                               << describe(at(image, point));
}

TEST(scoreCardPicture, RowsAreLightUnderTheSlotsAndTheTotalBoxIsDark)
{
    // Slot labels, in card coordinates: black text right-aligned in 154 x 21.
    const QImage card = imageOf(scoreCardPicture());
    const int slotTops[] = {49, 75, 101, 127, 153, 180, 206, 232, 258, 284};
    for (const int top : slotTops)
        for (const int x : {100, 140, 172})
            for (const int y : {top + 1, top + 10, top + 19})
                EXPECT_TRUE(isLight(at(card, {x, y}))) << x << "," << y << " is " << describe(at(card, {x, y}));

    // The total: pale khaki text centred in (45, 312; 113 x 27).
    for (const int x : {46, 101, 156})
        for (const int y : {313, 325, 338})
            EXPECT_TRUE(isDark(at(card, {x, y}))) << x << "," << y << " is " << describe(at(card, {x, y}));
}

TEST(turnMarkerPicture, LightUnderTheSlotTextAndShapedAtTheEnds)
{
    const QImage marker = imageOf(turnMarkerPicture());
    for (const QPoint& point : {QPoint(60, 11), QPoint(130, 5), QPoint(130, 18)})
        EXPECT_GE(qGray(at(marker, point).rgb()), 150) << point.x() << "," << point.y();
    // The arrow tip leaves the left corners free.
    EXPECT_EQ(at(marker, {0, 0}).alpha(), 0);
    EXPECT_EQ(at(marker, {0, 22}).alpha(), 0);
}

TEST(artwork, PicturesComeFromTheCacheAndDifferByTextAndSize)
{
    EXPECT_EQ(scoreCardPicture().cacheKey(), scoreCardPicture().cacheKey());
    EXPECT_EQ(turnMarkerPicture().cacheKey(), turnMarkerPicture().cacheKey());
    EXPECT_EQ(dicePicture(3).cacheKey(), dicePicture(3).cacheKey());
    EXPECT_EQ(badgePicture(Badge::NoScore).cacheKey(), badgePicture(Badge::NoScore).cacheKey());
    EXPECT_EQ(logoPicture().cacheKey(), logoPicture(kBoardLogoSize).cacheKey());
    const QString done = QStringLiteral("DONE");
    EXPECT_EQ(buttonPicture(done).cacheKey(), buttonPicture(done).cacheKey());

    EXPECT_NE(buttonPicture(done).cacheKey(), buttonPicture(QStringLiteral("CANCEL")).cacheKey());
    EXPECT_NE(buttonPicture(done).cacheKey(), buttonPicture(done, kRollButtonSize).cacheKey());
    EXPECT_NE(dicePicture(3).cacheKey(), dicePicture(4).cacheKey());
    EXPECT_NE(badgePicture(Badge::NoScore).cacheKey(), badgePicture(Badge::NotOnBoard).cacheKey());
    EXPECT_NE(logoPicture(kAboutLogoSize).cacheKey(), logoPicture(kHighScoreLogoSize).cacheKey());
}
