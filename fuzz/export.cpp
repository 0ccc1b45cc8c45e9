// Image export of a slide to every format (BMP, PNG, JPEG, WMF, EMF, SVG) at a small size (its
// own when small enough), on one of the three backgrounds; the BMP read back must be a picture of
// that size.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"
#include "output/ImageExport.h"
#include "slides/SlideClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMemoryStream stream(FuzzBytes(data, size));
    auto lib = TSlideLib::CreateEmpty();
    try {
        lib->AddCopy(TSlide::CreateFromStream("FUZZ.SLD", stream).get());
    } catch (const EReadError&) {
        return 0; // no header
    }
    FUZZ_CHECK(lib->Count() == 1);

    TExportOptions options;
    // The slide's own size when it is small; else a small custom size.
    const TSlide& slide = *lib->Slide(0);
    const bool small = slide.HighX() >= 1 && slide.HighY() >= 1 &&
                       int64_t{slide.HighX()} * slide.HighY() <= 48 * 48;
    options.Size = small ? TExportSize::Original : TExportSize::Custom;
    options.CustomWidth = 1 + FuzzByte(data, size, 0) % 40;
    options.CustomHeight = 1 + FuzzByte(data, size, 1) % 30;
    const TColor backgrounds[] = {0xFFFFFF, 0x000000, 0xF0F0F0};
    options.Background = backgrounds[FuzzByte(data, size, 2) % 3];
    for (const TImageFormat format : {TImageFormat::Bmp, TImageFormat::Png, TImageFormat::Jpg,
                                      TImageFormat::Wmf, TImageFormat::Emf, TImageFormat::Svg}) {
        options.Format = format;
        std::vector<uint8_t> image;
        try {
            image = RenderSlideImage(*lib, 0, options);
        } catch (const EVarnelError&) {
            continue; // a short slide, or both extents 0
        }
        FUZZ_CHECK(!image.empty());
        if (format == TImageFormat::Bmp) {
            TBitmap back;
            DecodeBmp(image, "export.bmp", back);
            FUZZ_CHECK(back.Width() == (small ? slide.HighX() : options.CustomWidth) &&
                       back.Height() == (small ? slide.HighY() : options.CustomHeight));
        }
    }
    return 0;
}
