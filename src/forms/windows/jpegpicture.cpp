// SPDX-License-Identifier: MIT
#include "forms/windows/jpegpicture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default handler prints and exits the process; ours unwinds to
// the decoder instead.
[[noreturn]] void onError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->escape, 1);
}

void onMessage(j_common_ptr, int) {}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.emit_message = onMessage;

    // Everything that must survive the longjmp lives outside this frame's
    // automatic variables that change after setjmp.
    QImage* volatile result = new QImage();
    if (setjmp(err.escape) != 0) {
        jpeg_destroy_decompress(&info);
        delete result;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 || info.image_height == 0 ||
        info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide) {
        jpeg_destroy_decompress(&info);
        delete result;
        return {};
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *result = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (result->isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        delete result;
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage out = *result;
    delete result;
    return out;
}
