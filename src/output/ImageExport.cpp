#include "output/ImageExport.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
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
#include <filesystem>

namespace {

constexpr int64_t kMaxBitmapPixels = 100'000'000;

std::string SlideLabel(const TSlide& slide) {
    return "\"" + Cp1252ToUtf8(slide.Name()) + "\"";
}

std::vector<uint8_t> RenderBitmapFile(const TSlideLib& lib, int index, int width, int height,
                                      const TExportOptions& options) {
    TBitmap bitmap;
    DrawToGraphic(lib, index, bitmap, height, width, options.Background);
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
        if (width < 1 || height < 1 || width > 5000 || height > 5000)
            throw EVarnelError("The picture size " + std::to_string(width) + " x " +
                               std::to_string(height) + " is outside 1..5000");
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
                                      const TExportOptions& options) {
    const TSlide* slide = lib.Slide(index);
    if (slide == nullptr)
        throw EVarnelError("No slide at position " + std::to_string(index));
    int width = 0, height = 0;
    ExportImageSize(*slide, options, width, height);

    UiHooks::TBusyCursor busy;
    TPaletteScope palette(options.Background);
    switch (options.Format) {
    case TImageFormat::Bmp:
    case TImageFormat::Png:
        return RenderBitmapFile(lib, index, width, height, options);
    case TImageFormat::Jpg: {
        TJpegImage jpeg;
        DrawToGraphic(lib, index, jpeg, height, width, options.Background);
        return jpeg.Bytes();
    }
    case TImageFormat::Wmf:
    case TImageFormat::Emf: {
        TMetafile metafile(options.Format == TImageFormat::Wmf ? TMetafileFormat::Wmf
                                                               : TMetafileFormat::Emf);
        DrawToGraphic(lib, index, metafile, height, width, options.Background);
        return metafile.Bytes();
    }
    case TImageFormat::Svg: {
        TSvgImage svg;
        DrawToGraphic(lib, index, svg, height, width, options.Background);
        return std::vector<uint8_t>(svg.Text().begin(), svg.Text().end());
    }
    }
    return {};
}

void ExportSlideToFile(const TSlideLib& lib, int index, const std::string& path,
                       const TExportOptions& options) {
    std::vector<uint8_t> bytes;
    try {
        bytes = RenderSlideImage(lib, index, options);
    } catch (const EReadError& e) {
        throw EVarnelError("Cannot export slide " + SlideLabel(*lib.Slide(index)) + ": " +
                           e.what());
    } catch (const ESlideError& e) {
        throw EVarnelError("Cannot export slide " + SlideLabel(*lib.Slide(index)) + ": " +
                           e.what());
    }
    SaveFileAtomically(path, [&](TStream& stream) {
        if (stream.Write(bytes.data(), bytes.size()) != bytes.size())
            throw EWriteError("Cannot write file \"" + path + "\"");
    });
}

std::vector<std::string> ExportSlidesToFolder(const TSlideLib& lib, const std::vector<int>& indices,
                                              const std::string& folder,
                                              const TExportOptions& options,
                                              const TExportProgress& progress) {
    std::vector<std::string> written;
    bool folderReady = false;
    for (int index : indices) {
        const TSlide* slide = lib.Slide(index);
        if (slide == nullptr)
            continue;
        const std::string path = JoinPath(folder, ExportFileName(*slide, options.Format));
        if (progress && !progress(written.size(), path))
            break;
        if (!folderReady) {
            CreateFolders(folder);
            folderReady = true;
        }
        ExportSlideToFile(lib, index, path, options);
        written.push_back(path);
    }
    return written;
}
