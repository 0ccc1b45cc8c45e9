// sldtool convert: a BMP picture traced into a slide file beside it (or at -o).
#include "CliCommon.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"
#include "slides/SlideConvert.h"

int CmdConvert(TArgs args) {
    std::string out = TakeOption(args, "-o");
    const std::string background = TakeOption(args, "--background", "black");
    RejectUnknownOptions(args);
    if (args.size() != 1)
        throw TUsageError{"convert needs one image file"};
    const TColor bg = ParseBackground(background);
    const std::string& image = args.front();
    if (out.empty())
        out = ChangeFileExt(image, ".sld");

    TBitmap bitmap;
    LoadBmpFile(image, bitmap);
    TMemoryStream slide;
    {
        // Colours map to the indices of the palette as built for the background.
        TPaletteScope palette(bg);
        TRasterPixels pixels(bitmap.Canvas());
        BitmapToSlide(slide, pixels, {0, 0, bitmap.Width() - 1, bitmap.Height() - 1},
                      RGBColor(0, 0, 0));
    }
    SaveFileAtomically(out, [&](TStream& stream) {
        stream.WriteBuffer(slide.Memory(),
                           slide.Size() > 0 ? static_cast<size_t>(slide.Size()) : 0);
    });
    return 0;
}
