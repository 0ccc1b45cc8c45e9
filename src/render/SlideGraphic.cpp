// Rendering a slide into an image object: the kinds of TGraphic that a slide can be drawn into.
#include "render/Graphic.h"
#include "slides/SlideClasses.h"

void TSlide::DrawToGraphic(TGraphic& graphic, TColor background, int height, int width) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        bitmap->SetSize(width, height);
        DrawOn(background, bitmap->Canvas(), {0, 0, width - 1, height - 1});
    }
    // Other kinds of image are left untouched.
}
