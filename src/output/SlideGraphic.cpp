#include "output/SlideGraphic.h"

#include "graphics/Graphic.h"
#include "graphics/JpegImage.h"
#include "graphics/Metafile.h"
#include "graphics/MetafileCanvas.h"
#include "graphics/SvgCanvas.h"
#include "slides/SlideClasses.h"

TSlideDrawing DrawToGraphic(const TSlide& slide, TGraphic& graphic, int height, int width,
                            const TRenderState& state) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        bitmap->SetSize(width, height);
        return slide.DrawOn(bitmap->Canvas(), {0, 0, width - 1, height - 1}, state);
    }
    if (auto* jpeg = dynamic_cast<TJpegImage*>(&graphic)) {
        TBitmap temporary;
        const TSlideDrawing drawing = DrawToGraphic(slide, temporary, height, width, state);
        jpeg->Assign(temporary);
        return drawing;
    }
    if (auto* metafile = dynamic_cast<TMetafile*>(&graphic)) {
        // Ten times the size, so the vectors keep their precision when the picture is scaled.
        metafile->SetSize(10 * width, 10 * height);
        std::unique_ptr<TMetafileCanvas> canvas = TMetafileCanvas::Create(*metafile);
        // The canvas's destructor completes the metafile when drawing fails.
        const TSlideDrawing drawing =
            slide.DrawOn(*canvas, {0, 0, 10 * width - 1, 10 * height - 1}, state);
        canvas->Close();
        return drawing;
    }
    if (auto* svg = dynamic_cast<TSvgImage*>(&graphic)) {
        svg->SetSize(width, height);
        TSvgCanvas canvas(*svg);
        const TSlideDrawing drawing = slide.DrawOn(canvas, {0, 0, width - 1, height - 1}, state);
        canvas.Close();
        return drawing;
    }
    // Other kinds of image are left untouched.
    return {};
}

TSlideDrawing DrawToGraphic(const TSlideLib& lib, int index, TGraphic& graphic, int height,
                            int width, const TRenderState& state) {
    if (TSlide* s = lib.Slide(index))
        return DrawToGraphic(*s, graphic, height, width, state);
    return {};
}
