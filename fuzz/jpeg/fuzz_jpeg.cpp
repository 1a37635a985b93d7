// SPDX-License-Identifier: MIT
// The multiplayer picture decoder must turn any bytes into an image or a
// null image, never a crash or an exit from inside libjpeg.
#include <QByteArray>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "forms/windows/jpegpicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage img = decodeJpeg(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!img.isNull() && (img.width() > kMaxJpegSide || img.height() > kMaxJpegSide))
        std::abort();
    return 0;
}
