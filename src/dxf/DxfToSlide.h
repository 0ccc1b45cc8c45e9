// A DXF drawing drawn into a slide: model space with its entities, blocks, layers and colours,
// fitted into the slide's extents keeping its aspect.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TDxfConvertOptions {
    // The box the drawing is fitted into; the drawing's aspect decides HighX and HighY inside
    // it. At most 32767 x 32767.
    int Width = 2048;
    int Height = 1536;
};

struct TDxfConversion {
    std::vector<uint8_t> Slide; // a complete level-2 slide
    // What the drawing holds but the slide cannot show, counted by kind, as one sentence
    // ("Not drawn: 2 3DSOLID, 1 IMAGE."); empty when everything was drawn.
    std::string NotDrawn;
};

// Reads the ASCII DXF drawing in bytes and draws it into a slide. Lines, polylines
// (bulges, widths), arcs, circles, ellipses, splines, solids, traces, 3D faces (projected onto
// the plane), hatches, points, texts, mtexts and attributes (in the stroke font), block inserts
// (nested, scaled, rotated, arrayed) and dimensions (through their blocks) are drawn in their
// colour numbers: BYLAYER from the layer, BYBLOCK from the insert, true colours as the nearest
// colour number. Entities on layers that are off or frozen are left out.
//
// Throws EVarnelError naming fileName when the drawing cannot be converted: not a DXF file,
// nothing to draw, blocks nested too deep or inserting themselves, coordinates beyond 1e15 or
// not numbers, or more work than the file's size allows (a few hundred lines per byte).
TDxfConversion DxfToSlide(std::string_view bytes, const std::string& fileName,
                          const TDxfConvertOptions& options = {});
