// SPDX-License-Identifier: MIT
#include "platform/desktopidentity.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

static void initDesktopQrc() { Q_INIT_RESOURCE(desktop); }

namespace {
// Title bars, task switchers and docks; larger ones are scaled down from 256.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
} // namespace

QString desktopidentity::desktopId() { return QStringLiteral(PELBIX_APP_ID); }

QIcon desktopidentity::programIcon()
{
    initDesktopQrc();
    QSvgRenderer renderer(QStringLiteral(":/desktop/icon.svg"));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int size : kIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void desktopidentity::apply()
{
    QGuiApplication::setDesktopFileName(desktopId());
    QGuiApplication::setWindowIcon(programIcon());
}
