// Image export: slides of a TSlideLib written as image files, one file per slide. Plain
// functions, so the window's export dialog and `sldtool export` share them.
//
// Each slide is rendered on the chosen background with a render state of its own for that
// background. Files are replaced atomically: a failed export leaves no half-written file under
// the target name.
#pragma once

#include "dxf/SlideToDxf.h"
#include "graphics/Canvas.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TSlide;
class TSlideLib;

// Dxf is a drawing rather than a picture: the slide's own lines and fills in its coordinates,
// with no size and no background.
enum class TImageFormat { Bmp, Png, Jpg, Wmf, Emf, Svg, Dxf };
enum class TExportSelection { Current, All, Selected };
enum class TExportSize { Original, Size32, Size16, Custom };
enum class TExportBackground { White, Black, ButtonFace };

// ".bmp", ".png", ".jpg", ".wmf", ".emf", ".svg", ".dxf".
std::string ImageExtension(TImageFormat format);
// The file filter of the save prompt, e.g. "Bitmaps (*.bmp)|*.bmp".
std::string ImageFilter(TImageFormat format);
// White 0xFFFFFF, black 0, or the given button-face colour.
TColor ExportBackgroundColour(TExportBackground background, TColor buttonFace);

// The side lengths a custom picture size may have, in pixels.
inline constexpr int kMinCustomSize = 1;
inline constexpr int kMaxCustomSize = 5000;

struct TExportOptions {
    TImageFormat Format = TImageFormat::Bmp;
    TExportSize Size = TExportSize::Original;
    int CustomWidth = 1; // kMinCustomSize..kMaxCustomSize, used with TExportSize::Custom
    int CustomHeight = 1;
    TColor Background = 0xFFFFFF;
    // Slides of a batch rendered at once (0: one per core); the files do not depend on it.
    int Threads = 1;
    TDxfVersion DxfVersion = TDxfVersion::R12; // with TImageFormat::Dxf
};

// One slide of a batch: slide Index of Lib.
struct TExportItem {
    const TSlideLib* Lib = nullptr;
    int Index = 0;
};

// The slides to export, in list order: the current one (none when current is out of range),
// all of them, or those whose selected flag is set.
std::vector<int> SlidesToExport(TExportSelection which, int count, int current,
                                const std::vector<bool>& selected);

// The file name (UTF-8) for a slide: its name with the extension replaced by the format's
// ("PLAN.SLD" and "PLAN" both give "PLAN.bmp"). A '/' in a name (possible in a damaged
// library) becomes '_', so the file stays in the chosen folder.
std::string ExportFileName(const TSlide& slide, TImageFormat format);

// The picture size in pixels: HighX x HighY, 32 x 32, 16 x 16 or the custom size. Metafiles are
// rendered at ten times this size. Throws EVarnelError naming the slide when the size cannot be
// made (extents below 1, a custom size outside kMinCustomSize..kMaxCustomSize, a bitmap of more
// than 100 million pixels).
void ExportImageSize(const TSlide& slide, const TExportOptions& options, int& width, int& height);

// Renders the slide into the bytes of an image file of the chosen format, with a render state
// of its own for the background, so slides may be rendered on several threads. Nothing reaches
// the user from here: invalid, when given, tells whether the drawing stopped at a record that
// cannot be drawn (the picture holds what was drawn).
std::vector<uint8_t> RenderSlideImage(const TSlideLib& lib, int index,
                                      const TExportOptions& options, bool* invalid = nullptr);

// Renders the slide and replaces path with the image, on the disk when this returns. Errors
// name the slide or the file; a record that cannot be drawn is shown to the user
// (kInvalidSlideMessage), as in the batches below.
void ExportSlideToFile(const TSlideLib& lib, int index, const std::string& path,
                       const TExportOptions& options);

// Called before each slide of a batch with the number of slides done so far and the path about
// to be written; returning false ends the batch there (what was written stays).
using TExportProgress = std::function<bool(size_t done, const std::string& path)>;

// Exports each of the slides into folder under ExportFileName; returns the paths written, in
// order. A folder that does not exist yet is created (with its parents) before the first file.
// Each file is replaced atomically and the batch is put on the disk with one sync at its end.
// The first failure ends the batch and passes to the caller; the files written before it stay.
// With options.Threads other than 1 and no progress, the slides are rendered on several
// threads (files written after the failing slide may stay too); the files are the same.
std::vector<std::string> ExportSlidesToFolder(const TSlideLib& lib, const std::vector<int>& indices,
                                              const std::string& folder,
                                              const TExportOptions& options,
                                              const TExportProgress& progress = {});
std::vector<std::string> ExportSlidesToFolder(const std::vector<TExportItem>& items,
                                              const std::string& folder,
                                              const TExportOptions& options,
                                              const TExportProgress& progress = {});
