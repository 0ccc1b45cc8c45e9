// Rendering a slide into an image object (graphics/Graphic.h): a bitmap of the given size, a
// JPEG image made from such a bitmap, a metafile (drawn at ten times the size, so the vectors
// keep their precision when the picture is scaled) or an SVG picture. The picture is filled with
// the background first; the slide is drawn fitted and centred in the current palette colours.
// A kind of image that this does not know is left untouched.
#pragma once

#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"

#include <string>

class TGraphic;
class TSlide;
class TSlideLib;

// palette gives the colours (the process-wide table by default; drawings on other threads pass
// their own); with message given, the renderer's message about a record that cannot be drawn goes
// there instead of to the user.
void DrawToGraphic(const TSlide& slide, TGraphic& graphic, TColor background, int height, int width,
                   const TPalette& palette = Palette, std::string* message = nullptr);
// DrawToGraphic of lib's slide index; nothing for an index out of range.
void DrawToGraphic(const TSlideLib& lib, int index, TGraphic& graphic, int height, int width,
                   TColor background);
