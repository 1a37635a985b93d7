// SPDX-License-Identifier: MIT
#include "forms/art/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "widgets/lookswitch.h"
#include "widgets/storedcolor.h"
#include "widgets/textscale.h"

namespace artwork {
namespace {

// The board's own colours, and a few darker and lighter steps of them.
const QColor kOlive = qcolor(colours::kOlive);
const QColor kKhaki = qcolor(colours::kKhaki);
const QColor kDarkOlive = qcolor(colours::kHatch);
const QColor kDeepOlive(52, 60, 18);
const QColor kInk(36, 42, 12);
const QColor kCream(250, 248, 230);
const QColor kPaperEdge(232, 228, 196);

// A board place relative to the picture at `origin`.
constexpr QRectF within(const Box& place, const Box& origin)
{
    return {qreal(place.left - origin.left), qreal(place.top - origin.top), qreal(place.width), qreal(place.height)};
}

// Where the score card's overlays and the banked amount sit on their pictures.
constexpr QRectF kTotalLabel = within(boardlayout::kTotal, boardlayout::kScoreCard);
constexpr qreal kMarkerLeft = boardlayout::kTurnMarkerLeft - boardlayout::kScoreCard.left;
constexpr QRectF kAmountLabel = within(boardlayout::kBankedAmount, boardlayout::kBadge);

constexpr int kSmallestText = 7;

QHash<QString, QPixmap>& pictureCache()
{
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

void clearPictureCache()
{
    pictureCache().clear();
}

// `paint(QPainter&, QSizeF)` paints the picture for `key` the first time, in
// each look; High Contrast turns its light parts `light`, the rest black.
template <typename Paint>
QPixmap cachedPicture(QString key, QSize size, Paint&& paint, Rgb light = colours::kWhite,
                      double lightFrom = colours::kLightFrom)
{
    const bool highContrast = colours::activeLook() == colours::Look::HighContrast;
    if (highContrast)
        key.prepend(QStringLiteral("highcontrast/"));
    auto& pictures = pictureCache();
    // Pictures keep their drawn size and carry the pixels for the largest
    // a window grows them to, so they stay sharp on a larger desktop font.
    const qreal ratio = (qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0) * textscale::desktopFactor();
    const QString sharpKey = key + QStringLiteral("@%1").arg(ratio);
    if (const auto it = pictures.constFind(sharpKey); it != pictures.cend())
        return *it;
    // Pixmaps must not outlive the application object that made them.
    if (pictures.isEmpty())
        qAddPostRoutine(clearPictureCache);

    // Paint at the screen's pixel density so the pictures stay sharp on
    // high-density displays; geometry stays in layout pixels.
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(painter, QSizeF(size));
    }
    if (highContrast)
        makeHighContrast(image, light, lightFrom);
    QPixmap picture = QPixmap::fromImage(std::move(image));
    pictures.insert(sharpKey, picture);
    return picture;
}

QFont arial(qreal pixels, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(kSmallestText, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The largest size up to `pixels` at which every line fits `width`.
QFont fittedArial(qreal pixels, bool bold, const QStringList& lines, qreal width, bool italic = false)
{
    QFont font = arial(pixels, bold, italic);
    while (font.pixelSize() > kSmallestText) {
        const QFontMetricsF metrics(font);
        bool fits = true;
        for (const auto& line : lines)
            fits = fits && metrics.horizontalAdvance(line) <= width;
        if (fits)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// Text with a one-pixel drop below it: dark under light text reads as raised
// lettering, light under dark text as engraved.
void drawRaisedText(QPainter& p, const QRectF& box, int flags, const QString& text,
                    const QColor& face, const QColor& drop, QPointF offset = {0, 1})
{
    p.setPen(drop);
    p.drawText(box.translated(offset), flags, text);
    p.setPen(face);
    p.drawText(box, flags, text);
}

QLinearGradient verticalGradient(const QRectF& box, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A soft shadow without a blur pass: a few faint copies of the outline,
// nudged around the offset so their overlap darkens towards the middle.
void drawSoftShadow(QPainter& p, const QPainterPath& outline, QPointF offset, int alpha)
{
    static const std::array<QPointF, 5> kNudges{{{0, 0}, {-0.8, 0}, {0.8, 0}, {0, -0.8}, {0, 0.8}}};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha / static_cast<int>(kNudges.size()) + 1));
    for (const QPointF& nudge : kNudges)
        p.drawPath(outline.translated(offset + nudge));
    p.restore();
}

struct BevelShades {
    QColor lit, middle, shaded;
};

// A raised edge just inside a rounded outline: `shades.lit` at the top left
// of `inner`, turning to `shades.shaded` towards `shadedEnd`.
void drawBevel(QPainter& p, const QRectF& inner, QPointF shadedEnd, qreal radius, qreal width,
               const BevelShades& shades)
{
    QLinearGradient bevel(inner.topLeft(), shadedEnd);
    bevel.setColorAt(0.0, shades.lit);
    bevel.setColorAt(0.5, shades.middle);
    bevel.setColorAt(1.0, shades.shaded);
    p.setPen(QPen(QBrush(bevel), width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius, radius);
}

QPainterPath roundedRect(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// ---- dice ---------------------------------------------------------------

// The die's square leaves room for its shadow at the bottom right.
constexpr QRectF kDieBody{2, 2, 62.5, 63.5};
// Distance between neighbouring pip places, across and down.
constexpr qreal kPipStep = 16.875;

QColor pipColour(int face)
{
    static const std::array<QColor, 7> byFace{
        QColor(20, 20, 20),   // 0: the spare copy of six
        kOlive,               // 1
        QColor(150, 22, 28),  // 2 dark red
        QColor(24, 132, 52),  // 3 green
        QColor(28, 70, 178),  // 4 blue
        QColor(112, 40, 142), // 5 purple
        QColor(20, 20, 20),   // 6 black
    };
    return byFace.at(static_cast<std::size_t>(face));
}

// Pip places on a three by three grid, as steps from the face's centre.
std::vector<QPointF> pipSteps(int face)
{
    switch (face) {
    case 1:
        return {{0, 0}};
    case 2:
        return {{-1, -1}, {1, 1}};
    case 3:
        return {{-1, -1}, {0, 0}, {1, 1}};
    case 4:
        return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5:
        return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    default:
        return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    }
}

// A pip pressed into the face: flat colour in the middle, darker towards the
// rim and darkest at the top left where the face's edge shades it.
void drawPip(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient shade(centre + QPointF(radius * 0.18, radius * 0.25), radius * 1.1);
    shade.setColorAt(0.0, colour);
    shade.setColorAt(0.55, colour);
    shade.setColorAt(1.0, colour.darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
    // The lower rim catches the light.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 200 * 16, 140 * 16);
}

// The die without pips; the six faces share one painting of it.
void paintBlankDie(QPainter& p, QSizeF)
{
    const QPainterPath body = roundedRect(kDieBody, 11);
    drawSoftShadow(p, body, {1.5, 2.0}, 70);

    QRadialGradient surface(kDieBody.topLeft() + QPointF(20, 18), 62);
    surface.setColorAt(0.0, Qt::white);
    surface.setColorAt(0.55, Qt::white);
    surface.setColorAt(1.0, QColor(222, 222, 208));
    p.setPen(Qt::NoPen);
    p.setBrush(surface);
    p.drawPath(body);

    // Lit at the top left, shaded at the bottom right.
    const QRectF inner = kDieBody.adjusted(3, 3, -3, -3);
    drawBevel(p, inner, inner.bottomRight(), 8, 1.5,
              {QColor(255, 255, 255, 230), QColor(255, 255, 255, 0), QColor(120, 120, 90, 90)});

    p.setPen(QPen(kOlive, 2.5));
    p.drawPath(body);
}

void paintDie(QPainter& p, QSizeF size, int face)
{
    p.drawPixmap(QPointF(0, 0), cachedPicture(QStringLiteral("die/blank"), size.toSize(), paintBlankDie));
    const QPointF centre = kDieBody.center();
    // A lone pip is drawn larger, as on real dice.
    const qreal radius = face == 1 ? 8.5 : 6.0;
    for (const QPointF& s : pipSteps(face))
        drawPip(p, centre + s * kPipStep, radius, pipColour(face));
}

// ---- score card and turn marker -----------------------------------------

void drawRowNumber(QPainter& p, const QRectF& box, int number)
{
    p.setPen(QPen(kDeepOlive, 1));
    p.setBrush(verticalGradient(box, kOlive.lighter(118), kOlive.darker(118)));
    p.drawRoundedRect(box, 4, 4);
    p.setFont(arial(13, true));
    drawRaisedText(p, box, Qt::AlignCenter, QString::number(number), kCream, kDeepOlive);
}

// The card's printed captions, in the player's language.
QString scoreCardCaption() { return QCoreApplication::translate("Artwork", "SCORE CARD"); }
QString gameTotalCaption() { return QCoreApplication::translate("Artwork", "GAME TOTAL"); }

void paintScoreCard(QPainter& p, QSizeF size)
{
    const QRectF card = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    p.setPen(QPen(kDeepOlive, 2));
    p.setBrush(verticalGradient(card, kCream, kPaperEdge));
    p.drawRoundedRect(card, 9, 9);
    p.setPen(QPen(kKhaki, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 6, 6);

    // Title band.
    const QRectF band(6, 6, size.width() - 12, 37);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(band, kOlive.lighter(112), kOlive.darker(150)));
    p.drawRoundedRect(band, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(band.left() + 5, band.top() + 1.5), QPointF(band.right() - 5, band.top() + 1.5));
    p.setFont(arial(19, true));
    drawRaisedText(p, QRectF(band.left(), band.top() + 2, band.width(), 22), Qt::AlignCenter,
                   QStringLiteral("PELBIX SOLO"), kCream, kInk, {1, 1});
    QFont caption = arial(9, true);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(caption);
    p.setPen(kKhaki);
    p.drawText(QRectF(band.left() + 3, band.top() + 23, band.width(), 12), Qt::AlignCenter,
               scoreCardCaption());

    // Rows: a numbered tab at the left, and a ruled field for the slot text.
    for (int round = 1; round <= kRounds; ++round) {
        const qreal top = within(boardlayout::slot(round), boardlayout::kScoreCard).top();
        const QRectF field(kMarkerLeft - 3.5, top - 1.5, size.width() - kMarkerLeft - 3.5, 24);
        p.setPen(QPen(QColor(196, 192, 146), 1));
        p.setBrush(verticalGradient(field, QColor(255, 255, 250), QColor(244, 242, 224)));
        p.drawRoundedRect(field, 3, 3);
        drawRowNumber(p, QRectF(7.5, top - 0.5, 24, 22), round);
    }

    // The total box, dark so the pale total reads well.
    const QRectF total = kTotalLabel.adjusted(-5, -4.5, 5, 4.5);
    p.setPen(QPen(kDeepOlive, 1.5));
    p.setBrush(verticalGradient(total, QColor(44, 52, 14), QColor(82, 94, 30)));
    p.drawRoundedRect(total, 6, 6);
    p.setPen(QPen(kKhaki, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(total.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);

    QFont small = arial(9, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(small);
    p.setPen(kDarkOlive);
    p.drawText(QRectF(0, total.bottom() + 2, size.width(), 12), Qt::AlignCenter,
               gameTotalCaption());

    // Small pip ornaments either side of the total.
    for (const qreal x : {total.left() - 17, total.right() + 17}) {
        const QRectF tile(x - 10, total.center().y() - 10, 20, 20);
        p.setPen(QPen(kDarkOlive, 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(tile, 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(kOlive);
        for (const QPointF& s : pipSteps(x < total.left() ? 5 : 6))
            p.drawEllipse(tile.center() + s * 5.2, 1.8, 1.8);
    }
}

void paintTurnMarker(QPainter& p, QSizeF size)
{
    const qreal w = size.width() - 0.5;
    const qreal h = size.height() - 0.5;
    const qreal mid = size.height() / 2;
    QPainterPath bar;
    bar.moveTo(0.5, mid);           // arrow tip at the round's number
    bar.lineTo(11, 0.5);
    bar.lineTo(w, 0.5);
    bar.lineTo(w - 8, mid);         // swallow-tail notch at the far end
    bar.lineTo(w, h);
    bar.lineTo(11, h);
    bar.closeSubpath();

    QLinearGradient gold(0, 0, 0, size.height());
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.45, QColor(250, 206, 72));
    gold.setColorAt(1.0, QColor(222, 158, 30));
    p.setPen(QPen(QColor(128, 86, 8), 1));
    p.setBrush(gold);
    p.drawPath(bar);

    // Gloss on the upper half.
    p.save();
    p.setClipPath(bar);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRect(QRectF(0, 1.5, size.width(), mid - 2));
    p.restore();
}

// ---- buttons -------------------------------------------------------------

void paintButton(QPainter& p, QSizeF size, const QString& text)
{
    const QRectF frame = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kDeepOlive, 1));
    QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
    fill.setColorAt(0.0, QColor(238, 237, 204));
    fill.setColorAt(0.5, kKhaki);
    fill.setColorAt(0.52, QColor(194, 192, 140));
    fill.setColorAt(1.0, QColor(168, 166, 108));
    p.setBrush(fill);
    p.drawRoundedRect(frame, 6, 6);

    // Lit along the top, shaded along the bottom.
    const QRectF inner = frame.adjusted(1.5, 1.5, -1.5, -1.5);
    drawBevel(p, inner, inner.bottomLeft(), 4.5, 1.2,
              {QColor(255, 255, 255, 200), QColor(255, 255, 255, 30), QColor(60, 60, 20, 110)});

    p.setFont(fittedArial(16, true, {text}, size.width() - 18));
    drawRaisedText(p, frame.adjusted(0, 0, 0, -1), Qt::AlignCenter, text, kInk,
                   QColor(255, 255, 240, 170));
}

// ---- badges ----------------------------------------------------------------

// A star of `points` spikes on an ellipse filling `box`; valleys lie at
// `depth` of the way out.
QPainterPath starburst(const QRectF& box, int points, qreal depth)
{
    QPainterPath path;
    const QPointF centre = box.center();
    const qreal rx = box.width() / 2;
    const qreal ry = box.height() / 2;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = std::numbers::pi * i / points - std::numbers::pi / 2;
        const qreal reach = i % 2 == 0 ? 1.0 : depth;
        const QPointF point(centre.x() + rx * reach * std::cos(angle), centre.y() + ry * reach * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

struct BadgeLook {
    QColor light, dark, outline, text, drop;
    QStringList lines;
    qreal textPixels;
};

BadgeLook badgeLook(Badge badge)
{
    switch (badge) {
    case Badge::NoScore:
        return {QColor(240, 92, 64), QColor(168, 26, 18), QColor(92, 12, 6), kCream, QColor(80, 8, 4),
                {QCoreApplication::translate("Artwork", "NO SCORING"),
                 QCoreApplication::translate("Artwork", "DICE ROLLED")},
                14};
    case Badge::NotOnBoard:
        return {QColor(255, 214, 96), QColor(236, 140, 24), QColor(120, 62, 0), QColor(56, 28, 0),
                QColor(255, 236, 170, 200),
                {QCoreApplication::translate("Artwork", "You need 350+"),
                 QCoreApplication::translate("Artwork", "to get on the board")},
                12};
    case Badge::ScoreRecorded:
        break;
    }
    return {QColor(255, 246, 170), QColor(236, 198, 58), QColor(110, 88, 8), kInk, QColor(255, 252, 220, 200),
            {QCoreApplication::translate("Artwork", "SCORE"), QCoreApplication::translate("Artwork", "RECORDED")}, 12};
}

QRectF burstBox(QSizeF size)
{
    return {1, 1, size.width() - 3.5, size.height() - 4};
}

QPainterPath badgeBurst(QSizeF size)
{
    return starburst(burstBox(size), 20, 0.88);
}

// All three badges cast the same shadow; it is painted once.
void paintBadgeShadow(QPainter& p, QSizeF size)
{
    drawSoftShadow(p, badgeBurst(size), {1.2, 1.8}, 60);
}

void paintBadge(QPainter& p, QSizeF size, Badge badge)
{
    const BadgeLook look = badgeLook(badge);
    const QRectF box = burstBox(size);
    const QPainterPath burst = badgeBurst(size);
    p.drawPixmap(QPointF(0, 0), cachedPicture(QStringLiteral("badge/shadow"), size.toSize(), paintBadgeShadow));

    QRadialGradient fill(box.center() + QPointF(-12, -8), box.width() * 0.55);
    fill.setColorAt(0.0, look.light);
    fill.setColorAt(0.6, look.light);
    fill.setColorAt(1.0, look.dark);
    p.setPen(QPen(look.outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(burst);

    // A fine inner ring gives the burst a stamped edge; the recorded badge
    // needs that room for its words and the amount.
    const bool withAmount = badge == Badge::ScoreRecorded;
    if (!withAmount) {
        p.setPen(QPen(QColor(255, 255, 255, 110), 1.0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(box.adjusted(9, 5, -9, -5));
    }

    const QFont font = fittedArial(look.textPixels, true, look.lines, 104);
    p.setFont(font);
    const qreal lineHeight = font.pixelSize() * 1.12;
    const qreal blockHeight = lineHeight * look.lines.size();
    const qreal blockTop = withAmount ? kAmountLabel.top() - 1 - blockHeight : box.center().y() - blockHeight / 2;
    for (int i = 0; i < look.lines.size(); ++i) {
        const QRectF line(0, blockTop + i * lineHeight, size.width() - 2, lineHeight);
        drawRaisedText(p, line, Qt::AlignCenter, look.lines[i], look.text, look.drop);
    }

    if (withAmount) {
        const QRectF plaque = kAmountLabel.adjusted(-2, -1, 2, 1);
        p.setPen(QPen(look.outline, 1));
        p.setBrush(verticalGradient(plaque, QColor(255, 255, 250), QColor(246, 242, 214)));
        p.drawRoundedRect(plaque, 8, 8);
    }
}

// ---- logo ------------------------------------------------------------------

// Two dice, one tipped behind the other.
void drawDieEmblem(QPainter& p, const QRectF& square)
{
    const qreal side = square.width() * 0.64;
    const QRectF die(-side / 2, -side / 2, side, side);
    const qreal radius = side * 0.18;

    p.save();
    p.translate(square.center() + QPointF(side * 0.13, -side * 0.1));
    p.rotate(16);
    p.setPen(QPen(kDeepOlive, std::max(1.0, side / 28)));
    p.setBrush(verticalGradient(die, kKhaki.lighter(108), kDarkOlive));
    p.drawRoundedRect(die, radius, radius);
    p.restore();

    p.save();
    p.translate(square.center() + QPointF(-side * 0.12, side * 0.12));
    p.rotate(-10);
    const QPainterPath front = roundedRect(die, radius);
    drawSoftShadow(p, front, {side * 0.03, side * 0.05}, 60);
    QRadialGradient surface(die.topLeft() + QPointF(side * 0.3, side * 0.25), side);
    surface.setColorAt(0.0, Qt::white);
    surface.setColorAt(1.0, QColor(226, 226, 212));
    p.setPen(QPen(kOlive, std::max(1.0, side / 22)));
    p.setBrush(surface);
    p.drawPath(front);
    const qreal pip = side * 0.085;
    const std::array<QColor, 5> emblemPips{pipColour(2), pipColour(4), pipColour(1), pipColour(3), pipColour(5)};
    const auto steps = pipSteps(5);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(emblemPips.at(i));
        p.drawEllipse(steps[i] * side * 0.27, pip, pip);
    }
    p.restore();
}

void drawWordmark(QPainter& p, const QRectF& area, Qt::Alignment align)
{
    const QString name = QStringLiteral("Dravik");
    const QString trade = QStringLiteral("SOFTWARE");
    const QFont nameFont = fittedArial(area.height() * 0.62, true, {name}, area.width(), true);
    const QFontMetricsF nameMetrics(nameFont);
    const qreal nameHeight = nameMetrics.ascent() + nameMetrics.descent() * 0.3;

    QFont tradeFont = arial(std::max<qreal>(8, area.height() * 0.2), true);
    const qreal tradeHeight = QFontMetricsF(tradeFont).capHeight();
    const qreal spare = area.width() - QFontMetricsF(tradeFont).horizontalAdvance(trade);
    tradeFont.setLetterSpacing(QFont::AbsoluteSpacing, std::clamp(spare / (trade.size() + 1), 0.0, 6.0));

    const qreal gap = area.height() * 0.1;
    const qreal top = area.top() + (area.height() - nameHeight - gap - tradeHeight) / 2;
    const QRectF nameBox(area.left(), top, area.width(), nameHeight);
    p.setFont(nameFont);
    drawRaisedText(p, nameBox, align | Qt::AlignTop, name, kCream, kInk, {1.5, 1.5});

    const qreal ruleY = nameBox.bottom() + gap / 2;
    p.setPen(QPen(kKhaki, 1));
    p.drawLine(QPointF(area.left() + 2, ruleY), QPointF(area.right() - 2, ruleY));

    p.setFont(tradeFont);
    const QRectF tradeBox(area.left(), ruleY + gap / 2, area.width(), tradeHeight + 4);
    drawRaisedText(p, tradeBox, align | Qt::AlignTop, trade, kKhaki, kInk);
}

void paintLogo(QPainter& p, QSizeF size)
{
    const bool wide = size.width() >= size.height() * 1.5;
    if (wide) {
        const qreal side = size.height();
        drawDieEmblem(p, QRectF(0, 0, side, side));
        drawWordmark(p, QRectF(side + 4, 2, size.width() - side - 8, size.height() - 4), Qt::AlignHCenter);
    } else {
        const qreal side = size.height() * 0.6;
        drawDieEmblem(p, QRectF((size.width() - side) / 2, 0, side, side));
        drawWordmark(p, QRectF(1, side - 2, size.width() - 2, size.height() - side + 2), Qt::AlignHCenter);
    }
}

QString sizeKey(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

QPixmap scoreCardPicture()
{
    // Keyed by its words too: a language installed later gets a card of its own.
    return cachedPicture(QStringLiteral("scorecard/") + scoreCardCaption() + QLatin1Char('/') + gameTotalCaption(),
                         kScoreCardSize, paintScoreCard);
}

QPixmap turnMarkerPicture()
{
    // Yellow, so the marker stands out from the white rows in High Contrast.
    return cachedPicture(QStringLiteral("turnmarker"), kTurnMarkerSize, paintTurnMarker,
                         colours::kHighContrastLook.accentText);
}

QPixmap dicePicture(int face)
{
    if (face < 0 || face > 6)
        return {};
    // Entry 0 of the list is the six again.
    const int shown = face == 0 ? 6 : face;
    return cachedPicture(QStringLiteral("die/%1").arg(shown), kDieSize,
                         [shown](QPainter& p, QSizeF size) { paintDie(p, size, shown); });
}

QPixmap buttonPicture(const QString& text, QSize size)
{
    // The shaded lower half stays part of the face: only the outline and
    // the caption (both near black) turn black.
    constexpr double kFaceFrom = 0.1;
    return cachedPicture(QStringLiteral("button/%1/").arg(sizeKey(size)) + text, size,
                         [&text](QPainter& p, QSizeF area) { paintButton(p, area, text); }, colours::kWhite,
                         kFaceFrom);
}

QPixmap badgePicture(Badge badge)
{
    const QString words = badgeLook(badge).lines.join(QLatin1Char('/'));
    return cachedPicture(QStringLiteral("badge/%1/").arg(static_cast<int>(badge)) + words, kBadgeSize,
                         [badge](QPainter& p, QSizeF size) { paintBadge(p, size, badge); });
}

QPixmap logoPicture(QSize size)
{
    return cachedPicture(QStringLiteral("logo/") + sizeKey(size), size, paintLogo);
}

} // namespace artwork
