// sldtool convert: a BMP picture traced into a slide file beside it (or at -o), or a DXF drawing
// drawn into one.
#include "CliCommon.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "dxf/DxfToSlide.h"
#include "graphics/AcadPal.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"
#include "slides/FileKinds.h"
#include "slides/SlideConvert.h"

#include <iostream>

int CmdConvert(TArgs args) {
    std::string out = TakeOption(args, "-o");
    const std::string background = TakeOption(args, "--background", "black");
    const std::string size = TakeOption(args, "--size");
    RejectUnknownOptions(args);
    if (args.size() != 1)
        throw TUsageError{"convert needs one image file or drawing"};
    const TColor bg = ParseBackground(background);
    const std::string& image = args.front();
    if (out.empty())
        out = ChangeFileExt(image, ".sld");
    if (FileKindOf(image) == TFileKind::Drawing) {
        TDxfConvertOptions options;
        if (!size.empty())
            ParseSize(size, options.Width, options.Height);
        const std::vector<uint8_t> bytes = ReadWholeFile(image);
        const TDxfConversion slide =
            DxfToSlide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       image, options);
        SaveFileAtomically(out, [&](TStream& stream) {
            stream.WriteBuffer(slide.Slide.data(), slide.Slide.size());
        });
        if (!slide.NotDrawn.empty())
            std::cerr << "sldtool: " << image << ": " << slide.NotDrawn << '\n';
        return 0;
    }
    if (!size.empty())
        throw TUsageError{"--size applies to drawings (*.dxf) only"};

    TBitmap bitmap;
    LoadBmpFile(image, bitmap);
    TMemoryStream slide;
    {
        // Colours map to the indices of the palette as built for the background.
        TRasterPixels pixels(bitmap.Canvas());
        BitmapToSlide(slide, pixels, {0, 0, bitmap.Width() - 1, bitmap.Height() - 1},
                      BuildPalette(bg), RGBColor(0, 0, 0));
    }
    SaveFileAtomically(out, [&](TStream& stream) {
        stream.WriteBuffer(slide.Memory(),
                           slide.Size() > 0 ? static_cast<size_t>(slide.Size()) : 0);
    });
    return 0;
}
