// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QImage>

// Decodes a JPEG through libjpeg's standard decompression interface. Any
// fault in the data gives a null image; nothing is thrown and nothing aborts.
QImage decodeJpeg(const QByteArray& data);

// Pictures larger than this are refused rather than allocated.
inline constexpr int kMaxJpegSide = 4096;
