// SPDX-License-Identifier: MIT
#include "platform/desktopidentity.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

// The icon is rendered from the launcher's SVG: a missing resource or a
// renderer that paints nothing would leave every window with a blank icon.
TEST(desktopidentity, ProgramIconIsTheLauncherArtworkAtEverySize)
{
    const QIcon icon = desktopidentity::programIcon();
    ASSERT_FALSE(icon.isNull());
    const QColor boardGreen(0x66, 0x73, 0x2B);
    for (const int size : {32, 48, 256}) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner outside the rounded tile, size " << size;
        EXPECT_EQ(image.pixelColor(size / 16, size / 2), boardGreen) << "tile's left edge, size " << size;
    }
}

// The desktop matches a window to its launcher entry by the desktop file
// name; it has to be the name the .desktop file is installed under, and
// that file has to name the icon installed under the same ID.
TEST(desktopidentity, ApplyNamesTheInstalledDesktopEntryAndItsIcon)
{
    desktopidentity::apply();
    const QString id = QGuiApplication::desktopFileName();
    EXPECT_TRUE(id.count('.') >= 2 && !id.contains('-')) << id.toStdString();
    QFile entry(QStringLiteral(PELBIX_DESKTOP_DIR "/") + id + QStringLiteral(".desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly)) << entry.fileName().toStdString();
    EXPECT_TRUE(QString::fromUtf8(entry.readAll()).contains(QStringLiteral("\nIcon=") + id + '\n'));
    QWidget window;
    EXPECT_FALSE(window.windowIcon().isNull());
}
