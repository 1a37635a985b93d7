// SPDX-License-Identifier: MIT
// artshots FOLDER: writes every picture of the game to FOLDER as PNG, plus
// mock-ups that put them where the windows do, and prints how long painting
// them took (first font use apart). Run it with QT_QPA_PLATFORM=offscreen on
// a machine without a display; QT_SCALE_FACTOR=2 shows the high-density look.
#include "forms/art/artwork.h"

#include "widgets/storedcolor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <optional>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using namespace artwork;
namespace layout = boardlayout;

const QColor kBoardColour = qcolor(colours::kOlive);
const QColor kKhakiText = qcolor(colours::kKhaki);
const QColor kHatch = qcolor(colours::kHatch);

struct Named {
    QString name;
    QPixmap picture;
};

const std::array<std::pair<const char*, QSize>, 9> kButtons{{
    {"ROLL DICE", kRollButtonSize},
    {"START GAME", kButtonSize},
    {"DONE", kButtonSize},
    {"CANCEL", kButtonSize},
    {"SEND SCORE", kButtonSize},
    {"HIGH SCORES", kButtonSize},
    {"RESET TALLY", kButtonSize},
    {"UPDATE NOW", kButtonSize},
    {"NO THANKS", kButtonSize},
}};

std::vector<Named> boardPictures()
{
    std::vector<Named> all{{QStringLiteral("scorecard"), scoreCardPicture()},
                           {QStringLiteral("turnmarker"), turnMarkerPicture()}};
    for (int face = 0; face <= 6; ++face)
        all.push_back({QStringLiteral("die%1").arg(face), dicePicture(face)});
    all.push_back({QStringLiteral("button-roll-dice"), buttonPicture(QStringLiteral("ROLL DICE"), kRollButtonSize)});
    all.push_back({QStringLiteral("button-start-game"), buttonPicture(QStringLiteral("START GAME"))});
    all.push_back({QStringLiteral("badge-noscore"), badgePicture(Badge::NoScore)});
    all.push_back({QStringLiteral("badge-notboard"), badgePicture(Badge::NotOnBoard)});
    all.push_back({QStringLiteral("badge-scorerecorded"), badgePicture(Badge::ScoreRecorded)});
    all.push_back({QStringLiteral("logo-board"), logoPicture(kBoardLogoSize)});
    return all;
}

std::vector<Named> otherPictures()
{
    std::vector<Named> all;
    for (const auto& [text, size] : kButtons) {
        const QString caption = QString::fromLatin1(text);
        all.push_back({QStringLiteral("button-") + caption.toLower().replace(QLatin1Char(' '), QLatin1Char('-')),
                       buttonPicture(caption, size)});
    }
    all.push_back({QStringLiteral("logo-about"), logoPicture(kAboutLogoSize)});
    all.push_back({QStringLiteral("logo-highscore"), logoPicture(kHighScoreLogoSize)});
    return all;
}

void drawText(QPainter& p, const QRect& box, int pixels, const QColor& colour, int flags, const QString& text)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

using Places = std::array<QPoint, kDice>;

// What one moment of a game shows on the inner board.
struct Scene {
    const char* name;
    int round;                            // 0 before the first game
    std::array<const char*, 10> slotTexts;
    const char* total;
    Places dicePlaces;
    std::array<int, 6> faces;
    bool rollShown;
    std::optional<Badge> badge;
    const char* amount;                   // on the ScoreRecorded badge
    bool namePanel;
};

constexpr Places points(const std::array<Spot, kDice>& spots)
{
    Places places{};
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = qpoint(spots[i]);
    return places;
}

// Each die in its column, set aside where `aside` says so.
constexpr Places columns(std::array<bool, kDice> aside = {})
{
    Places places{};
    for (int die = 1; die <= kDice; ++die)
        places[static_cast<std::size_t>(die - 1)]
            = {layout::columnLeft(die), aside[static_cast<std::size_t>(die - 1)] ? layout::kSetAsideTop : layout::kRowTop};
    return places;
}

constexpr Places kDesignPlaces = points(layout::kFirstPlaces);
constexpr Places kPile = points(layout::kPile);
constexpr Places kMidRound = columns({true, false, true, false, false, false});
constexpr Places kRolled = columns();

const std::array<Scene, 4> kScenes{{
    {"boardmock", 4, {"450", "0", "1250", "300", "", "", "", "", "", ""}, "2000", kMidRound, {1, 4, 5, 2, 3, 6},
     true, Badge::ScoreRecorded, "+300", false},
    {"boardmock-start", 0, {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "0", kDesignPlaces, {1, 1, 1, 1, 1, 1},
     false, std::nullopt, "", true},
    {"boardmock-notonboard", 2, {"0", "0", "", "", "", "", "", "", "", ""}, "0", kPile, {2, 6, 3, 3, 4, 2}, true,
     Badge::NotOnBoard, "", false},
    {"boardmock-lost", 7, {"450", "0", "1250", "300", "550", "1000", "---", "", "", ""}, "3550", kRolled,
     {2, 3, 4, 6, 2, 3}, false, Badge::NoScore, "", false},
}};

void drawPanelFrame(QPainter& p, const QRect& panel)
{
    p.setPen(Qt::black);
    p.setBrush(kBoardColour);
    p.drawRect(panel.adjusted(0, 0, -1, -1));
}

// The name-entry panel that opens at every start.
void drawNamePanel(QPainter& p)
{
    const QRect panel = qrect(layout::kNamePanel);
    drawPanelFrame(p, panel);
    const QPoint o = panel.topLeft();
    drawText(p, QRect(o + QPoint(-1, 10), QSize(327, 24)), 19, Qt::black, Qt::AlignCenter,
             QStringLiteral("ENTER YOUR NAME"));
    const QRect field(o + QPoint(83, 52), QSize(161, 32));
    p.setPen(Qt::black);
    p.setBrush(kKhakiText);
    p.drawRect(field.adjusted(0, 0, -1, -1));
    drawText(p, field.adjusted(4, 0, 0, 0), 19, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Guest"));
    p.drawPixmap(o + QPoint(24, 106), buttonPicture(QStringLiteral("DONE")));
    p.drawPixmap(o + QPoint(168, 106), buttonPicture(QStringLiteral("CANCEL")));
}

QImage boardMock(const Scene& scene)
{
    QImage board(qsize(layout::kInnerBoard.extent()), QImage::Format_ARGB32_Premultiplied);
    board.fill(kBoardColour);
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(qpoint(layout::kScoreCard.spot()), scoreCardPicture());
    if (scene.round > 0)
        p.drawPixmap(layout::kTurnMarkerLeft, layout::turnMarkerTop(scene.round), turnMarkerPicture());
    for (int round = 1; round <= kRounds; ++round)
        drawText(p, qrect(layout::slot(round)), 16, Qt::black, Qt::AlignRight | Qt::AlignVCenter,
                 QString::fromLatin1(scene.slotTexts[static_cast<std::size_t>(round - 1)]));
    drawText(p, qrect(layout::kTotal), 24, kKhakiText, Qt::AlignCenter, QString::fromLatin1(scene.total));

    p.setPen(kHatch);
    p.setBrush(QBrush(kHatch, Qt::DiagCrossPattern));
    for (int die = 1; die <= kDice; ++die)
        p.drawRect(qrect(layout::hatch(die)));
    for (std::size_t i = 0; i < scene.faces.size(); ++i)
        p.drawPixmap(scene.dicePlaces[i], dicePicture(scene.faces[i]));
    if (scene.rollShown)
        p.drawPixmap(qpoint(layout::kRollButton.spot()), buttonPicture(QStringLiteral("ROLL DICE"), kRollButtonSize));
    if (scene.badge) {
        p.drawPixmap(qpoint(layout::kBadge.spot()), badgePicture(*scene.badge));
        if (*scene.badge == Badge::ScoreRecorded)
            drawText(p, qrect(layout::kBankedAmount), 19, kBoardColour, Qt::AlignCenter,
                     QString::fromLatin1(scene.amount));
    }
    p.drawPixmap(qpoint(layout::kStartButton), buttonPicture(QStringLiteral("START GAME")));
    p.drawPixmap(qpoint(layout::kLogo.spot()), logoPicture(kBoardLogoSize));
    if (scene.namePanel)
        drawNamePanel(p);
    return board;
}

// The update offer with its two buttons, as it lies on the board.
QImage updatePanelMock()
{
    QImage image(qsize(layout::kUpdatePanel.extent()), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPanelFrame(p, image.rect());
    drawText(p, QRect(-1, 10, 327, 24), 19, Qt::black, Qt::AlignCenter, QStringLiteral("Update Available"));
    drawText(p, QRect(2, 47, 327, 24), 16, Qt::black, Qt::AlignCenter, QStringLiteral("Would you like to update now?"));
    p.drawPixmap(25, 90, buttonPicture(QStringLiteral("UPDATE NOW")));
    p.drawPixmap(169, 90, buttonPicture(QStringLiteral("NO THANKS")));
    return image;
}

// Every picture on the window colour, with the badges that share one place
// side by side and the panels' buttons in their pairs.
QImage sheet()
{
    QImage image(760, 380, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBoardColour);
    QPainter p(&image);
    int x = 10;
    for (const Badge badge : {Badge::NoScore, Badge::NotOnBoard, Badge::ScoreRecorded}) {
        p.drawPixmap(x, 10, badgePicture(badge));
        x += 160;
    }
    drawText(p, qrect(layout::kBankedAmount).translated(QPoint(330, 10) - qpoint(layout::kBadge.spot())), 19, kBoardColour, Qt::AlignCenter, QStringLiteral("+1250"));
    for (int face = 1; face <= 6; ++face)
        p.drawPixmap(10 + (face - 1) * 79, 90, dicePicture(face));
    int row = 0;
    for (const auto& [text, size] : kButtons) {
        p.drawPixmap(10 + (row % 4) * 175, 175 + (row / 4) * 42, buttonPicture(QString::fromLatin1(text), size));
        ++row;
    }
    p.drawPixmap(500, 90, logoPicture(kHighScoreLogoSize));
    p.drawPixmap(500, 310, logoPicture(kAboutLogoSize));
    p.drawPixmap(10, 310, logoPicture(kBoardLogoSize));
    p.drawPixmap(590, 10, turnMarkerPicture());
    return image;
}

void loadFonts()
{
    QImage scratch(16, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scratch);
    drawText(p, scratch.rect(), 12, Qt::black, Qt::AlignCenter, QStringLiteral("0"));
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (image.save(path))
        return true;
    std::fprintf(stderr, "artshots: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artshots FOLDER\n");
        return 2;
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "artshots: cannot make %s\n", argv[1]);
        return 1;
    }

    // The window's own labels load the font files anyway, so that cost is
    // told apart from painting.
    QElapsedTimer clock;
    clock.start();
    loadFonts();
    const qint64 fontNs = clock.nsecsElapsed();
    clock.restart();
    const auto board = boardPictures();
    const qint64 boardNs = clock.nsecsElapsed();
    const auto others = otherPictures();
    const qint64 allNs = clock.nsecsElapsed();
    std::printf("first font use %.2f ms; painted %zu board pictures in %.2f ms, all %zu in %.2f ms\n",
                fontNs / 1e6, board.size(), boardNs / 1e6, board.size() + others.size(), allNs / 1e6);

    bool ok = true;
    for (const auto& list : {board, others})
        for (const auto& [name, picture] : list)
            ok = save(picture.toImage(), folder, name) && ok;
    for (const Scene& scene : kScenes)
        ok = save(boardMock(scene), folder, QString::fromLatin1(scene.name)) && ok;
    ok = save(updatePanelMock(), folder, QStringLiteral("updatepanel")) && ok;
    ok = save(sheet(), folder, QStringLiteral("sheet")) && ok;
    return ok ? 0 : 1;
}
