// sldtool info and sldtool render.
#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/PngWriter.h"
#include "graphics/RasterCanvas.h"
#include "output/ImageExport.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

struct TSlideFacts {
    std::string source, name;
    TSlideHeader header;
    std::optional<int64_t> length;
    TSlideRecordCounts counts;
    std::optional<std::string> error;
};

// Reads what info reports about one slide: the header, the measured length and record counts,
// and the first error that drawing it meets.
TSlideFacts Examine(const std::string& source, TSlide& slide) {
    TSlideFacts f;
    f.source = source;
    f.name = Cp1252ToUtf8(slide.Name());
    TSlideData::TView view = slide.Open();
    TStream& stream = view.Stream();
    ReadSlideHeader(stream, f.header);
    std::optional<std::string> measureError;
    try {
        f.length = MeasureSlide(stream, &f.counts);
    } catch (const EVarnelError& e) {
        measureError = e.what();
    }
    std::optional<std::string> drawError;
    try {
        TNullCanvas canvas;
        if (DrawSlide(stream, canvas, {0, 0, 639, 479}, TRenderState()).Invalid)
            drawError = kInvalidSlideMessage;
    } catch (const EVarnelError& e) {
        drawError = e.what();
    }
    f.error = drawError ? drawError : measureError;
    return f;
}

void PrintJson(const std::vector<TSlideFacts>& all) {
    std::ostringstream o;
    o << "[";
    for (size_t i = 0; i < all.size(); ++i) {
        const TSlideFacts& f = all[i];
        const TSlideRecordCounts& c = f.counts;
        o << (i ? ",\n " : "\n ") << "{\"source\": " << JsonString(f.source)
          << ", \"name\": " << JsonString(f.name) << ", \"level\": " << f.header.Level
          << ", \"native\": " << (f.header.Native ? "true" : "false")
          << ", \"highx\": " << f.header.HighX << ", \"highy\": " << f.header.HighY
          << ", \"header_len\": "
          << (f.header.HeaderLength < 0 ? "null" : std::to_string(f.header.HeaderLength))
          << ", \"length\": " << (f.length ? std::to_string(*f.length) : "null")
          << ", \"records\": {\"vector\": " << c.Vector << ", \"offset_vector\": " << c.OffsetVector
          << ", \"end\": " << c.End << ", \"fill\": " << c.Fill
          << ", \"common_endpoint\": " << c.CommonEndpoint << ", \"colour\": " << c.Colour
          << "}, \"error\": " << (f.error ? JsonString(*f.error) : "null") << "}";
    }
    o << (all.empty() ? "]\n" : "\n]\n");
    std::cout << o.str();
}

void PrintText(const std::vector<TSlideFacts>& all) {
    for (const TSlideFacts& f : all) {
        const TSlideRecordCounts& c = f.counts;
        std::cout << f.source << (f.source.ends_with(f.name) ? "" : " (" + f.name + ")") << ":\n"
                  << "  level " << f.header.Level << ", "
                  << (f.header.Native ? "native byte order" : "swapped byte order") << ", extents "
                  << f.header.HighX << " x " << f.header.HighY << ", header "
                  << (f.header.HeaderLength < 0 ? std::string("unset (23 bytes read)")
                                                : std::to_string(f.header.HeaderLength) + " bytes")
                  << "\n  length "
                  << (f.length ? std::to_string(*f.length) + " bytes" : std::string("unknown"))
                  << "; records: " << c.Vector << " vector, " << c.OffsetVector
                  << " offset vector, " << c.CommonEndpoint << " common endpoint, " << c.Fill
                  << " fill, " << c.Colour << " colour, " << c.End << " end\n";
        if (f.error)
            std::cout << "  error: " << *f.error << "\n";
    }
}

} // namespace

int CmdInfo(TArgs args) {
    const bool json = TakeFlag(args, "--json");
    RejectUnknownOptions(args);
    if (args.empty())
        throw TUsageError{"info needs at least one slide source"};
    std::vector<TSlideFacts> all;
    for (TSlideSource& s : OpenSources(args))
        for (int i : s.indices)
            all.push_back(Examine(s.label, *s.lib->Slide(i)));
    if (json)
        PrintJson(all);
    else
        PrintText(all);
    return 0;
}

int CmdRender(TArgs args) {
    const std::string out = TakeOption(args, "-o");
    const std::string size = TakeOption(args, "--size", "800x600");
    const std::string background = TakeOption(args, "--background", "black");
    RejectUnknownOptions(args);
    if (args.size() != 1 || out.empty())
        throw TUsageError{"render needs one slide source and -o OUT.png"};
    const TColor bg = ParseBackground(background);
    std::vector<TSlideSource> sources = OpenSources(args);
    TSlideSource& s = sources.front();
    if (s.indices.size() != 1)
        throw EVarnelError("\"" + s.label + "\" holds " + std::to_string(s.indices.size()) +
                           " slides; name one as LIB.slb:NAME");
    TSlide& slide = *s.lib->Slide(s.indices.front());
    int width = 0, height = 0;
    if (size == "original") {
        width = slide.HighX();
        height = slide.HighY();
        if (width < kMinCustomSize || height < kMinCustomSize || width > kMaxCustomSize ||
            height > kMaxCustomSize)
            throw EVarnelError("the slide's extents " + std::to_string(width) + " x " +
                               std::to_string(height) + " are no image size; give --size WxH");
    } else {
        ParseSize(size, width, height);
    }
    TRasterCanvas canvas(width, height);
    if (slide.DrawOn(canvas, {0, 0, width - 1, height - 1}, TRenderState(bg, false)).Invalid)
        UiHooks::ShowMessage(kInvalidSlideMessage);
    WriteRgbPng(canvas, out);
    return 0;
}
