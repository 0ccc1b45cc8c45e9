// DXF drawings: the reader and the drawing into a slide (which must then measure as exactly the
// bytes written and draw), and the slide written back as a drawing and read again.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "dxf/DxfToSlide.h"
#include "dxf/SlideToDxf.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/Slides.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TDxfConversion slide;
    try {
        slide = DxfToSlide(text, "fuzz.dxf", {256, 192});
    } catch (const EVarnelError&) {
        return 0;
    }
    TMemoryStream stream(slide.Slide);
    FUZZ_CHECK(MeasureSlide(stream) == stream.Size());
    TRasterCanvas canvas(32, 32);
    const TSlideDrawing drawing = DrawSlide(stream, canvas, {0, 0, 31, 31}, TRenderState());
    FUZZ_CHECK(drawing.Length == stream.Size() && !drawing.Invalid);

    const TDxfVersion version = FuzzByte(data, size, 0) & 1 ? TDxfVersion::R2000 : TDxfVersion::R12;
    const std::vector<uint8_t> dxf = SlideToDxf(stream, "FUZZ", version);
    const TDxfConversion again =
        DxfToSlide(std::string_view(reinterpret_cast<const char*>(dxf.data()), dxf.size()),
                   "again.dxf", {256, 192});
    FUZZ_CHECK(!again.Slide.empty() && again.NotDrawn.empty());
    return 0;
}
