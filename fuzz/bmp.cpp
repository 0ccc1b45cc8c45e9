// BMP files: the reader, the picture traced into a slide (which must then measure as exactly
// the bytes written and draw), and the 4-bit BMP and PNG writers, the BMP read back.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpReader.h"
#include "graphics/BmpWriter.h"
#include "graphics/Graphic.h"
#include "graphics/Png4Writer.h"
#include "slides/SlideConvert.h"
#include "slides/Slides.h"

namespace {

// Pictures up to this many pixels are converted and written: a few milliseconds each.
constexpr int64_t kMaxPixels = 128 * 128;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TBitmap bitmap;
    try {
        DecodeBmp(FuzzBytes(data, size), "fuzz.bmp", bitmap);
    } catch (const EVarnelError&) {
        return 0;
    }
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    FUZZ_CHECK(w >= 0 && h >= 0);
    if (w == 0 || h == 0 || int64_t{w} * h > kMaxPixels)
        return 0;

    {
        const TRenderState state(FuzzByte(data, size, 0) & 1 ? 0xFFFFFFu : 0u, false);
        TMemoryStream slide;
        try {
            BitmapToSlide(slide, TRasterPixels(bitmap.Canvas()), {0, 0, w - 1, h - 1},
                          state.Palette(), RGBColor(0, 0, 0));
        } catch (const EVarnelError&) {
            // Refused (a picture too wide or too large for a slide): nothing may be written.
            FUZZ_CHECK(slide.Size() == 0);
            return 0;
        }
        FUZZ_CHECK(slide.Position() == 0);
        FUZZ_CHECK(MeasureSlide(slide) == slide.Size());
        TRasterCanvas canvas(32, 32);
        const TSlideDrawing drawn = DrawSlide(slide, canvas, {0, 0, 31, 31}, state);
        FUZZ_CHECK(drawn.Length == slide.Size() && !drawn.Invalid);
    }

    const TBitmap4 reduced = ReduceToStandardColours(bitmap.Canvas());
    TBitmap back;
    DecodeBmp(EncodeBmp4(reduced), "written.bmp", back);
    FUZZ_CHECK(back.Width() == w && back.Height() == h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            FUZZ_CHECK(back.Canvas().Pixel(x, y) == kStandardColours[reduced.At(x, y)]);
    FUZZ_CHECK(!EncodePng4(reduced).empty());
    return 0;
}
