// Slide files: the header, measuring with record counts, and drawing on a small raster canvas
// (the whole canvas, and a rectangle partly outside it), from the slide's own memory copy.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMemoryStream stream(FuzzBytes(data, size));
    TSlideHeader header;
    try {
        ReadSlideHeader(stream, header);
    } catch (const EReadError&) {
        return 0; // shorter than a header
    }
    FUZZ_CHECK(stream.Position() == 0);

    int64_t length = -1;
    TSlideRecordCounts counts;
    try {
        length = MeasureSlide(stream, &counts);
        FUZZ_CHECK(length >= 23 && length <= static_cast<int64_t>(size));
    } catch (const EReadError&) {
    }
    FUZZ_CHECK(stream.Position() == 0);

    const TRenderState state(FuzzByte(data, size, 0) & 1 ? 0xFFFFFFu : 0u, false);
    {
        // Small pictures: what a slide costs grows with them, what it covers does not.
        TRasterCanvas canvas(64, 40);
        for (const TRect& rect : {TRect{0, 0, 63, 39}, TRect{9, 3, 30, 50}}) {
            try {
                const int64_t drawn = DrawSlide(stream, canvas, rect, state).Length;
                // Drawing reads no further than measuring, and stops early only at a fault.
                FUZZ_CHECK(length < 0 || drawn <= length);
            } catch (const EVarnelError&) {
                // A short slide, or both extents 0.
            }
            FUZZ_CHECK(stream.Position() == 0);
        }
    }

    // The same bytes as a folder's slide file.
    auto slide = TSlide::CreateFromStream("FUZZ.SLD", stream);
    FUZZ_CHECK(slide->Size() == static_cast<int64_t>(size));
    FUZZ_CHECK(slide->HighX() == header.HighX && slide->HighY() == header.HighY);
    TRasterCanvas small(16, 16);
    try {
        slide->DrawOn(small, {0, 0, 15, 15}, state);
    } catch (const EVarnelError&) {
    }
    return 0;
}
