// A slide as a DXF drawing: every vector a LINE and every solid fill a filled area, in the
// slide's colour numbers (1..255 mean the same colours in both), on one layer named after the
// slide, in the slide's own coordinates (0..HighX, 0..HighY).
#pragma once

#include "base/Streams.h"

#include <cstdint>
#include <string>
#include <vector>

// R12 (AC1009) is read by nearly every program; R2000 (AC1015) carries filled polygons of any
// number of corners as HATCH entities, where R12 has only the three- and four-cornered SOLID.
enum class TDxfVersion { R12, R2000 };

// The layer name for a slide: its name without the extension, with the characters a layer name
// may not hold (< > / \ " : ; ? * | = ` and control characters) replaced by '_'; "SLIDE" for an
// empty name.
std::string DxfLayerName(const std::string& slideName);

// Writes the slide at the stream's position as the bytes of a DXF file; the position is
// restored. Fills of R12 drawings become SOLIDs, one per triangle of the polygon (a triangle or
// a convex quadrilateral stays one SOLID). A record that cannot be read ends the drawing there,
// as the renderer does: the message goes to *message when given, else to the user. A short
// slide throws EReadError.
std::vector<uint8_t> SlideToDxf(TStream& stream, const std::string& layerName, TDxfVersion version,
                                std::string* message = nullptr);
