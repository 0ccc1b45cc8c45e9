#include "output/SlideGraphic.h"

#include "graphics/Graphic.h"
#include "graphics/JpegImage.h"
#include "graphics/Metafile.h"
#include "graphics/MetafileCanvas.h"
#include "graphics/SvgCanvas.h"
#include "slides/SlideClasses.h"

void DrawToGraphic(const TSlide& slide, TGraphic& graphic, TColor background, int height, int width,
                   const TPalette& palette, std::string* message) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        bitmap->SetSize(width, height);
        slide.DrawOn(background, bitmap->Canvas(), {0, 0, width - 1, height - 1}, palette, message);
    } else if (auto* jpeg = dynamic_cast<TJpegImage*>(&graphic)) {
        TBitmap temporary;
        DrawToGraphic(slide, temporary, background, height, width, palette, message);
        jpeg->Assign(temporary);
    } else if (auto* metafile = dynamic_cast<TMetafile*>(&graphic)) {
        // Ten times the size, so the vectors keep their precision when the picture is scaled.
        metafile->SetSize(10 * width, 10 * height);
        std::unique_ptr<TMetafileCanvas> canvas = TMetafileCanvas::Create(*metafile);
        // The canvas's destructor completes the metafile when drawing fails.
        slide.DrawOn(background, *canvas, {0, 0, 10 * width - 1, 10 * height - 1}, palette,
                     message);
        canvas->Close();
    } else if (auto* svg = dynamic_cast<TSvgImage*>(&graphic)) {
        svg->SetSize(width, height);
        TSvgCanvas canvas(*svg);
        slide.DrawOn(background, canvas, {0, 0, width - 1, height - 1}, palette, message);
        canvas.Close();
    }
    // Other kinds of image are left untouched.
}

void DrawToGraphic(const TSlideLib& lib, int index, TGraphic& graphic, int height, int width,
                   TColor background) {
    if (TSlide* s = lib.Slide(index))
        DrawToGraphic(*s, graphic, background, height, width);
}
