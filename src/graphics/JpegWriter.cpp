#include "graphics/JpegWriter.h"

#include "base/Errors.h"
#include "graphics/RasterCanvas.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended with a place to jump back to and the message.
struct TJpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Replaces libjpeg's error_exit, which would end the process: keep the message and return to
// the encoder, which throws.
[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {} // warnings and traces are not shown

// The libjpeg part: no object with a destructor lives between setjmp and a possible longjmp.
// Returns false with error.message set when libjpeg failed.
bool Compress(jpeg_compress_struct& cinfo, TJpegError& error, const TRasterCanvas& canvas,
              int quality, unsigned char** out, unsigned long* outSize, JSAMPLE* row) {
    cinfo.err = jpeg_std_error(&error.base);
    error.base.error_exit = OnJpegError;
    error.base.emit_message = OnJpegMessage;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(canvas.Width());
    cinfo.image_height = static_cast<JDIMENSION>(canvas.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // jpeg_set_defaults gives a baseline, sequential (not progressive) encoder.
    jpeg_start_compress(&cinfo, TRUE);
    const int width = canvas.Width();
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint32_t* src =
            canvas.Bits() + static_cast<size_t>(cinfo.next_scanline) * static_cast<size_t>(width);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<JSAMPLE>((src[x] >> 16) & 0xFF);
            row[3 * x + 1] = static_cast<JSAMPLE>((src[x] >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<JSAMPLE>(src[x] & 0xFF);
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

std::vector<uint8_t> EncodeJpeg(const TRasterCanvas& canvas, TJpegOptions options) {
    if (canvas.Width() < 1 || canvas.Height() < 1 || canvas.Width() > JPEG_MAX_DIMENSION ||
        canvas.Height() > JPEG_MAX_DIMENSION)
        throw EWriteError("JPEG encoder: a " + std::to_string(canvas.Width()) + " x " +
                          std::to_string(canvas.Height()) + " picture cannot be stored");
    std::vector<JSAMPLE> row(static_cast<size_t>(canvas.Width()) * 3);
    jpeg_compress_struct cinfo{};
    TJpegError error{};
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const bool ok = Compress(cinfo, error, canvas, options.Quality, &out, &outSize, row.data());
    std::vector<uint8_t> bytes;
    if (ok && out != nullptr)
        bytes.assign(out, out + outSize);
    std::free(out); // jpeg_mem_dest's buffer is ours to free, also after a failure
    if (!ok)
        throw EWriteError(std::string("JPEG encoder: ") + error.message);
    return bytes;
}
