// Character widths of the proportional standard fonts, generated from published metrics.
#pragma once

#include <cstdint>

// Row order: Helvetica, Helvetica-Bold, Helvetica-Oblique, Helvetica-BoldOblique, Times-Roman,
// Times-Bold, Times-Italic, Times-BoldItalic. Column i is the width of WinAnsiEncoding code
// 32 + i, in thousandths of the font size.
inline constexpr int kPdfProportionalFontCount = 8;
extern const uint16_t kPdfFontWidths[kPdfProportionalFontCount][224];
