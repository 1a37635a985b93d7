// SPDX-License-Identifier: MIT
// Paints a scene of the multiplayer edition — four players around a table
// of dice — and encodes it with libjpeg, so the picture is ours and the
// program decodes a real JPEG at start-up.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "widgets/colours.h"

namespace {

QColor fromRgb(Rgb c) { return QColor(c.red, c.green, c.blue); }

const QColor kOlive = fromRgb(colours::kOlive);
const QColor kKhaki = fromRgb(colours::kKhaki);
const QColor kDark(48, 54, 20);

void drawDie(QPainter& p, QPointF centre, double size, double angle, int face, QColor pip)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF r(-size / 2, -size / 2, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r.translated(2.5, 3), size * 0.18, size * 0.18);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(225, 225, 215));
    p.setBrush(g);
    p.setPen(QPen(kOlive, 1.5));
    p.drawRoundedRect(r, size * 0.18, size * 0.18);
    static const std::vector<std::vector<QPointF>> kPips = {
        {},
        {{0, 0}},
        {{-1, -1}, {1, 1}},
        {{-1, -1}, {0, 0}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
    };
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const double step = size * 0.26;
    for (const QPointF& q : kPips[static_cast<std::size_t>(face)])
        p.drawEllipse(QPointF(q.x() * step, q.y() * step), size * 0.09, size * 0.09);
    p.restore();
}

void drawPlayer(QPainter& p, QRectF box, const QString& name, int score, bool turn)
{
    p.setPen(QPen(turn ? fromRgb(colours::kInvitation) : kDark, turn ? 2 : 1));
    p.setBrush(turn ? fromRgb(colours::kHatch) : QColor(80, 90, 34));
    p.drawRoundedRect(box, 6, 6);
    QFont f("Liberation Sans");
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(turn ? fromRgb(colours::kInvitation) : kKhaki);
    p.drawText(box.adjusted(8, 3, -8, -18), Qt::AlignLeft | Qt::AlignVCenter, name);
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(box.adjusted(8, 16, -8, -3), Qt::AlignRight | Qt::AlignVCenter, QString::number(score));
}

QImage paintScene()
{
    QImage img(328, 273, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 273);
    sky.setColorAt(0, QColor(70, 80, 28));
    sky.setColorAt(1, QColor(36, 40, 14));
    p.fillRect(img.rect(), sky);

    // The table: an oval of felt with a wooden rim.
    const QRectF table(34, 62, 260, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(table.translated(0, 6));
    p.setBrush(QColor(110, 72, 36));
    p.drawEllipse(table);
    QRadialGradient felt(table.center(), table.width() / 2);
    felt.setColorAt(0, QColor(60, 130, 70));
    felt.setColorAt(1, QColor(28, 82, 40));
    p.setBrush(felt);
    p.drawEllipse(table.adjusted(9, 9, -9, -9));

    drawDie(p, {128, 126}, 30, -12, 5, QColor(128, 0, 128));
    drawDie(p, {166, 118}, 30, 8, 1, kOlive);
    drawDie(p, {204, 132}, 30, 20, 3, QColor(0, 128, 0));
    drawDie(p, {146, 162}, 30, 30, 6, Qt::black);
    drawDie(p, {186, 166}, 30, -6, 2, QColor(139, 0, 0));
    drawDie(p, {224, 170}, 30, 14, 4, QColor(0, 0, 160));

    drawPlayer(p, QRectF(10, 16, 96, 38), "Mara", 4350, false);
    drawPlayer(p, QRectF(222, 16, 96, 38), "Ben", 5100, true);
    drawPlayer(p, QRectF(10, 222, 96, 38), "Yusuf", 3900, false);
    drawPlayer(p, QRectF(222, 222, 96, 38), "You", 4800, false);

    QFont title("Liberation Serif");
    title.setPixelSize(22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(fromRgb(colours::kInvitation));
    p.drawText(QRectF(106, 14, 116, 44), Qt::AlignCenter, "PELBIX\nONLINE");
    QFont small("Liberation Sans");
    small.setPixelSize(11);
    small.setBold(true);
    p.setFont(small);
    p.setPen(kKhaki);
    p.drawText(QRectF(106, 226, 116, 30), Qt::AlignCenter, "2 to 6 players\nlive on the web");
    p.end();
    return img;
}

bool writeJpeg(const QImage& img, const char* path)
{
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(img.width());
    info.image_height = static_cast<JDIMENSION>(img.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 88, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(img.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mpicture OUT.jpg\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!writeJpeg(paintScene(), argv[1])) {
        std::fprintf(stderr, "mpicture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
