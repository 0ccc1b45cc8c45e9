// Rendering a slide into an image object: the kinds of TGraphic that a slide can be drawn into.
#include "render/Graphic.h"
#include "render/JpegImage.h"
#include "render/Metafile.h"
#include "render/MetafileCanvas.h"
#include "render/SvgCanvas.h"
#include "slides/SlideClasses.h"

void TSlide::DrawToGraphic(TGraphic& graphic, TColor background, int height, int width) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        bitmap->SetSize(width, height);
        DrawOn(background, bitmap->Canvas(), {0, 0, width - 1, height - 1});
    } else if (auto* jpeg = dynamic_cast<TJpegImage*>(&graphic)) {
        TBitmap temporary;
        DrawToGraphic(temporary, background, height, width);
        jpeg->Assign(temporary);
    } else if (auto* metafile = dynamic_cast<TMetafile*>(&graphic)) {
        // Ten times the size, so the vectors keep their precision when the picture is scaled.
        metafile->SetSize(10 * width, 10 * height);
        std::unique_ptr<TMetafileCanvas> canvas = TMetafileCanvas::Create(*metafile);
        // The canvas's destructor completes the metafile when drawing fails.
        DrawOn(background, *canvas, {0, 0, 10 * width - 1, 10 * height - 1});
        canvas->Close();
    } else if (auto* svg = dynamic_cast<TSvgImage*>(&graphic)) {
        svg->SetSize(width, height);
        TSvgCanvas canvas(*svg);
        DrawOn(background, canvas, {0, 0, width - 1, height - 1});
        canvas.Close();
    }
    // Other kinds of image are left untouched.
}
