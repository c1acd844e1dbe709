// Korvalin dial tester - the JPEG file writer.
#include "strip/jpeg_writer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

// jpeglib.h relies on size_t and FILE being declared before it.
#include <jpeglib.h>

#include "strip/safe_file.h"

namespace kvl {
namespace {

// libjpeg reports a fatal error through error_exit, which must not return.
// It jumps back into compress(), whose frame and the C frames of libjpeg in
// between hold no C++ object with a destructor, so nothing is skipped.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

extern "C" void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors *>(info->err)->back, 1);
}

// Silences libjpeg's warnings on stderr; the program keeps no log.
extern "C" void ignoreMessage(j_common_ptr, int) {}

// Plain C-style work only: no C++ object may live across setjmp here.
bool compress(const Picture &picture, std::FILE *out, int quality, unsigned char *row) {
    jpeg_compress_struct info{};  // zeroed: destroying it is safe even before creation
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = ignoreMessage;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, FALSE);
    jpeg_start_compress(&info, TRUE);
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        if (const unsigned char *rgb = picture.rgbRow(y)) {
            std::memcpy(row, rgb, static_cast<size_t>(width) * 3);
        } else {
            for (int x = 0; x < width; ++x) {
                const Rgb c = picture.pixel(x, y);
                row[3 * x] = c.r;
                row[3 * x + 1] = c.g;
                row[3 * x + 2] = c.b;
            }
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool writeJpeg(const Picture &picture, const std::string &path, int quality) {
    std::vector<unsigned char> row(static_cast<size_t>(picture.width()) * 3);
    SafeFile file(path);
    if (!file.open()) return false;
    if (!compress(picture, file.stream(), std::clamp(quality, 0, 10) * 10, row.data()))
        return false;
    return file.commit();
}

}  // namespace kvl
