#include "output/ImageExport.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Parallel.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpWriter.h"
#include "graphics/JpegImage.h"
#include "graphics/Metafile.h"
#include "graphics/Png4Writer.h"
#include "graphics/SvgCanvas.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"
#include "slides/SlideNames.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <unordered_map>

namespace {

constexpr int64_t kMaxBitmapPixels = 100'000'000;

std::string SlideLabel(const TSlide& slide) {
    return "\"" + Cp1252ToUtf8(slide.Name()) + "\"";
}

std::vector<uint8_t> RenderBitmapFile(const TSlide& slide, int width, int height,
                                      const TExportOptions& options, const TRenderState& state,
                                      TSlideDrawing& drawing) {
    TBitmap bitmap;
    drawing = DrawToGraphic(slide, bitmap, height, width, state);
    const TBitmap4 picture = ReduceToStandardColours(bitmap.Canvas());
    return options.Format == TImageFormat::Bmp ? EncodeBmp4(picture) : EncodePng4(picture);
}

// The export's target folder, made with its parents when it is not there yet.
void CreateFolders(const std::string& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder))
        throw EFileError("Cannot create folder \"" + folder + "\"" +
                         (ec ? ": " + ec.message() : std::string()));
}

} // namespace

std::string ImageExtension(TImageFormat format) {
    switch (format) {
    case TImageFormat::Bmp:
        return ".bmp";
    case TImageFormat::Png:
        return ".png";
    case TImageFormat::Jpg:
        return ".jpg";
    case TImageFormat::Wmf:
        return ".wmf";
    case TImageFormat::Emf:
        return ".emf";
    case TImageFormat::Svg:
        return ".svg";
    case TImageFormat::Dxf:
        return ".dxf";
    }
    return "";
}

std::string ImageFilter(TImageFormat format) {
    switch (format) {
    case TImageFormat::Bmp:
        return "Bitmaps (*.bmp)|*.bmp";
    case TImageFormat::Png:
        return "Portable Net Graphic (*.png)|*.png";
    case TImageFormat::Jpg:
        return "JPEG Image File (*.jpg)|*.jpg";
    case TImageFormat::Wmf:
        return "Windows Metafile (*.wmf)|*.wmf";
    case TImageFormat::Emf:
        return "Enhanced Windows Metafile (*.emf)|*.emf";
    case TImageFormat::Svg:
        return "Scalable Vector Graphics (*.svg)|*.svg";
    case TImageFormat::Dxf:
        return "DXF Drawings (*.dxf)|*.dxf";
    }
    return "";
}

TColor ExportBackgroundColour(TExportBackground background, TColor buttonFace) {
    switch (background) {
    case TExportBackground::White:
        return 0xFFFFFF;
    case TExportBackground::Black:
        return 0x000000;
    case TExportBackground::ButtonFace:
        return buttonFace;
    }
    return 0xFFFFFF;
}

std::vector<int> SlidesToExport(TExportSelection which, int count, int current,
                                const std::vector<bool>& selected) {
    std::vector<int> indices;
    switch (which) {
    case TExportSelection::Current:
        if (current >= 0 && current < count)
            indices.push_back(current);
        break;
    case TExportSelection::All:
        for (int i = 0; i < count; ++i)
            indices.push_back(i);
        break;
    case TExportSelection::Selected:
        for (int i = 0; i < count && static_cast<size_t>(i) < selected.size(); ++i)
            if (selected[static_cast<size_t>(i)])
                indices.push_back(i);
        break;
    }
    return indices;
}

std::string ExportFileName(const TSlide& slide, TImageFormat format) {
    return ChangeFileExt(SafeFileName(Cp1252ToUtf8(slide.Name())), ImageExtension(format));
}

void ExportImageSize(const TSlide& slide, const TExportOptions& options, int& width, int& height) {
    switch (options.Size) {
    case TExportSize::Original:
        width = slide.HighX();
        height = slide.HighY();
        if (width < 1 || height < 1)
            throw EVarnelError("Slide " + SlideLabel(slide) + " has the extents " +
                               std::to_string(width) + " x " + std::to_string(height) +
                               ", which give no picture; choose a size");
        break;
    case TExportSize::Size32:
        width = height = 32;
        break;
    case TExportSize::Size16:
        width = height = 16;
        break;
    case TExportSize::Custom:
        width = options.CustomWidth;
        height = options.CustomHeight;
        if (width < kMinCustomSize || height < kMinCustomSize || width > kMaxCustomSize ||
            height > kMaxCustomSize)
            throw EVarnelError("The picture size " + std::to_string(width) + " x " +
                               std::to_string(height) + " is outside " +
                               std::to_string(kMinCustomSize) + ".." +
                               std::to_string(kMaxCustomSize));
        break;
    }
    const bool raster = options.Format == TImageFormat::Bmp ||
                        options.Format == TImageFormat::Png || options.Format == TImageFormat::Jpg;
    if (raster && static_cast<int64_t>(width) * height > kMaxBitmapPixels)
        throw EVarnelError("Slide " + SlideLabel(slide) + " would give a " + std::to_string(width) +
                           " x " + std::to_string(height) +
                           " bitmap, more than 100 million pixels; choose a smaller size");
}

std::vector<uint8_t> RenderSlideImage(const TSlideLib& lib, int index,
                                      const TExportOptions& options, bool* invalid) {
    const TSlide* slide = lib.Slide(index);
    if (slide == nullptr)
        throw EVarnelError("No slide at position " + std::to_string(index));
    if (options.Format == TImageFormat::Dxf) {
        // A drawing keeps the slide's own coordinates: no size, no background.
        // The message is always taken here, so the writer never reaches the user.
        TSlideData::TView view = slide->Open();
        std::string message;
        std::vector<uint8_t> bytes =
            SlideToDxf(view.Stream(), DxfLayerName(slide->Name()), options.DxfVersion, &message);
        if (invalid)
            *invalid = !message.empty();
        return bytes;
    }
    int width = 0, height = 0;
    ExportImageSize(*slide, options, width, height);

    // A state of its own for the export's background, so that several slides may be rendered
    // at once.
    const TRenderState state(options.Background, false);
    TSlideDrawing drawing;
    std::vector<uint8_t> bytes;
    switch (options.Format) {
    case TImageFormat::Bmp:
    case TImageFormat::Png:
        bytes = RenderBitmapFile(*slide, width, height, options, state, drawing);
        break;
    case TImageFormat::Jpg: {
        TJpegImage jpeg;
        drawing = DrawToGraphic(*slide, jpeg, height, width, state);
        bytes = jpeg.Bytes();
        break;
    }
    case TImageFormat::Wmf:
    case TImageFormat::Emf: {
        TMetafile metafile(options.Format == TImageFormat::Wmf ? TMetafileFormat::Wmf
                                                               : TMetafileFormat::Emf);
        drawing = DrawToGraphic(*slide, metafile, height, width, state);
        bytes = metafile.Bytes();
        break;
    }
    case TImageFormat::Svg: {
        TSvgImage svg;
        drawing = DrawToGraphic(*slide, svg, height, width, state);
        bytes.assign(svg.Text().begin(), svg.Text().end());
        break;
    }
    case TImageFormat::Dxf:
        break;
    }
    if (invalid)
        *invalid = drawing.Invalid;
    return bytes;
}

namespace {

// Renders the slide and replaces path with the image; errors name the slide or the file.
// Nothing reaches the user from here (workers call it): invalid tells whether the drawing
// stopped at a record that cannot be drawn.
void WriteSlideImage(const TSlideLib& lib, int index, const std::string& path,
                     const TExportOptions& options, TDurability durability, bool& invalid) {
    std::vector<uint8_t> bytes;
    try {
        bytes = RenderSlideImage(lib, index, options, &invalid);
    } catch (const EReadError& e) {
        throw EVarnelError("Cannot export slide " + SlideLabel(*lib.Slide(index)) + ": " +
                           e.what());
    } catch (const ESlideError& e) {
        throw EVarnelError("Cannot export slide " + SlideLabel(*lib.Slide(index)) + ": " +
                           e.what());
    } catch (const EFileError& e) {
        throw EVarnelError("Cannot export slide " + SlideLabel(*lib.Slide(index)) + ": " +
                           e.what());
    }
    SaveFileAtomically(
        path,
        [&](TStream& stream) {
            if (stream.Write(bytes.data(), bytes.size()) != bytes.size())
                throw EWriteError("Cannot write file \"" + path + "\"");
        },
        durability);
}

// WriteSlideImage on the calling thread, which tells the user about a record that cannot be
// drawn, also when writing the file fails afterwards.
void WriteSlideImageHere(const TSlideLib& lib, int index, const std::string& path,
                         const TExportOptions& options, TDurability durability) {
    bool invalid = false;
    try {
        WriteSlideImage(lib, index, path, options, durability, invalid);
    } catch (...) {
        if (invalid)
            UiHooks::ShowMessage(kInvalidSlideMessage);
        throw;
    }
    if (invalid)
        UiHooks::ShowMessage(kInvalidSlideMessage);
}

// The items of a batch rendered and written by threads workers at once. Each item's file is the
// same as one thread writes; of items that share a file only the last is written, as it is the
// one left when they are written in order. The first failure (in item order) passes on, after
// the workers stopped; the workers only note a record that cannot be drawn, the calling thread
// tells the user, in item order.
void ExportInParallel(const std::vector<TExportItem>& items, const std::vector<std::string>& paths,
                      const TExportOptions& options, int threads) {
    std::unordered_map<std::string, size_t> last;
    for (size_t i = 0; i < items.size(); ++i)
        last[paths[i]] = i;
    std::vector<size_t> work;
    for (size_t i = 0; i < items.size(); ++i)
        if (last[paths[i]] == i)
            work.push_back(i);
    // 1 for a slide that stopped at a record that cannot be drawn.
    const TParallelRun<uint8_t> run = RunInParallel<uint8_t>(work.size(), threads, [&](size_t k) {
        const size_t i = work[k];
        bool invalid = false;
        WriteSlideImage(*items[i].Lib, items[i].Index, paths[i], options, TDurability::Unsynced,
                        invalid);
        return static_cast<uint8_t>(invalid);
    });
    for (size_t k = 0; k < work.size() && k < run.FailedAt; ++k)
        if (run.Results[k])
            UiHooks::ShowMessage(kInvalidSlideMessage);
    run.RethrowFailure();
}

} // namespace

void ExportSlideToFile(const TSlideLib& lib, int index, const std::string& path,
                       const TExportOptions& options) {
    UiHooks::TBusyCursor busy;
    WriteSlideImageHere(lib, index, path, options, TDurability::Synced);
}

std::vector<std::string> ExportSlidesToFolder(const TSlideLib& lib, const std::vector<int>& indices,
                                              const std::string& folder,
                                              const TExportOptions& options,
                                              const TExportProgress& progress) {
    std::vector<TExportItem> items;
    for (int index : indices)
        items.push_back({&lib, index});
    return ExportSlidesToFolder(items, folder, options, progress);
}

std::vector<std::string> ExportSlidesToFolder(const std::vector<TExportItem>& items,
                                              const std::string& folder,
                                              const TExportOptions& options,
                                              const TExportProgress& progress) {
    UiHooks::TBusyCursor busy;
    std::vector<TExportItem> present;
    std::vector<std::string> paths;
    for (const TExportItem& item : items) {
        if (const TSlide* slide = item.Lib ? item.Lib->Slide(item.Index) : nullptr) {
            present.push_back(item);
            paths.push_back(JoinPath(folder, ExportFileName(*slide, options.Format)));
        }
    }
    const size_t threads = ParallelThreadCount(options.Threads, present.size());
    std::vector<std::string> written;
    if (!present.empty())
        CreateFolders(folder);
    if (threads > 1 && !progress && present.size() > 1) {
        ExportInParallel(present, paths, options, static_cast<int>(threads));
        written = paths;
    } else {
        for (size_t i = 0; i < present.size(); ++i) {
            if (progress && !progress(written.size(), paths[i]))
                break;
            try {
                WriteSlideImageHere(*present[i].Lib, present[i].Index, paths[i], options,
                                    TDurability::Unsynced);
            } catch (...) {
                // What was written before the failure is on the disk too.
                if (!written.empty())
                    SyncFileSystemOf(folder);
                throw;
            }
            written.push_back(paths[i]);
        }
    }
    // Each file was replaced atomically; one sync makes the whole batch durable.
    if (!written.empty())
        SyncFileSystemOf(folder);
    return written;
}
