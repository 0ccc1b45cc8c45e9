// Rendering a slide into an image object (graphics/Graphic.h): a bitmap of the given size, a
// JPEG image made from such a bitmap, a metafile (drawn at ten times the size, so the vectors
// keep their precision when the picture is scaled) or an SVG picture. The picture is filled with
// the state's background first; the slide is drawn fitted and centred in the state's colours.
// A kind of image that this does not know is left untouched.
#pragma once

#include "graphics/AcadPal.h"
#include "slides/Slides.h"

class TGraphic;
class TSlide;
class TSlideLib;

// A record that cannot be drawn is reported in the result, for the caller to tell the user.
TSlideDrawing DrawToGraphic(const TSlide& slide, TGraphic& graphic, int height, int width,
                            const TRenderState& state);
// DrawToGraphic of lib's slide index; nothing for an index out of range.
TSlideDrawing DrawToGraphic(const TSlideLib& lib, int index, TGraphic& graphic, int height,
                            int width, const TRenderState& state);
