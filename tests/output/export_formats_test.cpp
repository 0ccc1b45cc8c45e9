// Image files written by export, checked field by field and through independent readers.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "output/ImageExport.h"
#include "slides/SlideClasses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <uemf.h>
#include <uemf_safe.h>

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t BigU32(const std::vector<uint8_t>& b, size_t at) {
    return (static_cast<uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// A library holding one slide: a red line across, a white frame, on extents highX x highY.
std::unique_ptr<TSlideLib> OneSlide(const std::string& name, int highX, int highY) {
    TSlideWriter w(highX, highY);
    w.Colour(1);
    w.Vector(0, highY / 2, highX - 1, highY / 2);
    w.Colour(7);
    w.Vector(0, 0, highX - 1, 0);
    w.End();
    TMemoryStream bytes(w.Bytes());
    auto lib = TSlideLib::CreateEmpty();
    lib->AddCopy(TSlide::CreateFromStream(name, bytes).get());
    return lib;
}

TExportOptions Options(TImageFormat format, TExportSize size = TExportSize::Original) {
    TExportOptions o;
    o.Format = format;
    o.Size = size;
    o.Background = 0xFFFFFF;
    return o;
}

struct TExport : ::testing::Test {
    TTempDir dir;
};

} // namespace

TEST_F(TExport, BmpIs4BitOnTheStandardColours) {
    auto lib = OneSlide("PLAN.SLD", 1023, 767);
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, Options(TImageFormat::Bmp));
    ASSERT_GT(b.size(), 118u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(U32(b, 2), b.size()); // file size
    EXPECT_EQ(U32(b, 10), 118u);    // pixels after 14 + 40 + 64 bytes
    EXPECT_EQ(U32(b, 18), 1023u);   // width
    EXPECT_EQ(U32(b, 22), 767u);    // height
    EXPECT_EQ(U16(b, 28), 4u);      // bit count
    EXPECT_EQ(U32(b, 30), 0u);      // uncompressed
    const uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (size_t i = 0; i < 16; ++i) // blue, green, red, 0
        EXPECT_EQ(U32(b, 54 + 4 * i), standard[i]) << "entry " << i;
    // Rows are stored bottom up, 512 bytes each; the top-left pixel is the white background
    // (index 15), the red line (index 9) runs through the middle row.
    const size_t rowBytes = 512;
    EXPECT_EQ(b[118 + 766 * rowBytes] >> 4, 15);
    EXPECT_EQ(b[118 + (766 - 384) * rowBytes + 50] >> 4, 9); // slide y 383 is row 384

    // An independent reader agrees on the size.
    WriteFileBytes(dir.File("plan.bmp"), b);
    std::string out;
    ASSERT_EQ(RunCommand("bmptopnm " + dir.File("plan.bmp") + " | head -c 15", &out), 0);
    EXPECT_NE(out.find("1023 767"), std::string::npos) << out;
}

TEST_F(TExport, PngIsA4BitPalettePicture) {
    auto lib = OneSlide("PLAN", 320, 240);
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, Options(TImageFormat::Png));
    ASSERT_GT(b.size(), 33u);
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(BigU32(b, 16), 320u);
    EXPECT_EQ(BigU32(b, 20), 240u);
    EXPECT_EQ(b[24], 4); // bit depth
    EXPECT_EQ(b[25], 3); // colour type: palette
    EXPECT_EQ(BigU32(b, 33), 48u) << "PLTE of 16 entries";
    WriteFileBytes(dir.File("plan.png"), b);
    std::string out;
    ASSERT_EQ(RunCommand("pngtopam " + dir.File("plan.png") + " | head -c 12", &out), 0);
    EXPECT_NE(out.find("320 240"), std::string::npos) << out;
}

// PNG rows are deflated by run-length matching, and a picture of long runs is deflated by the
// default search too, the smaller file kept: a busy thumbnail and a sparse one both hold
// exactly the pixels of the same picture written as a BMP file.
TEST_F(TExport, PngOfBusyAndSparsePicturesHoldTheirPixels) {
    TSlideWriter busy(4095, 2729);
    uint32_t seed = 7;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
    };
    for (int i = 0; i < 3000; ++i) {
        if (i % 50 == 0)
            busy.Colour(1 + i / 50 % 15);
        busy.Vector(next(4096), next(2730), next(4096), next(2730));
    }
    busy.End();
    TMemoryStream busyBytes(busy.Bytes());
    auto lib = OneSlide("SPARSE", 4095, 2729);
    lib->AddCopy(TSlide::CreateFromStream("BUSY", busyBytes).get());
    TExportOptions options = Options(TImageFormat::Png, TExportSize::Custom);
    options.CustomWidth = 128;
    options.CustomHeight = 80;
    for (int i = 0; i < 2; ++i) {
        options.Format = TImageFormat::Png;
        WriteFileBytes(dir.File("a.png"), RenderSlideImage(*lib, i, options));
        options.Format = TImageFormat::Bmp;
        WriteFileBytes(dir.File("a.bmp"), RenderSlideImage(*lib, i, options));
        std::string out;
        // The readers tell what they read on their error output: only the pixels go to the file.
        for (const char* kind : {"png", "bmp"})
            ASSERT_EQ(RunCommand("(" + std::string(kind) + "topnm " + dir.File("a.") + kind + " >" +
                                     dir.File(kind) + ".pnm)",
                                 &out),
                      0);
        const std::vector<uint8_t> pixels = ReadFileBytes(dir.File("png") + ".pnm");
        EXPECT_GT(pixels.size(), 128u * 80 * 3);
        EXPECT_EQ(pixels, ReadFileBytes(dir.File("bmp") + ".pnm")) << i;
    }
}

TEST_F(TExport, JpegIsBaselineAndReadable) {
    auto lib = OneSlide("DOOR", 200, 100);
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, Options(TImageFormat::Jpg));
    const std::string text(b.begin(), b.end());
    EXPECT_EQ(text.rfind("\xFF\xD8", 0), 0u);
    EXPECT_NE(text.find("\xFF\xC0"), std::string::npos);
    EXPECT_EQ(text.find("\xFF\xC2"), std::string::npos) << "progressive";
    WriteFileBytes(dir.File("door.jpg"), b);
    std::string out;
    ASSERT_EQ(RunCommand("jpegtopnm " + dir.File("door.jpg") + " 2>/dev/null | head -c 11", &out),
              0);
    EXPECT_NE(out.find("200 100"), std::string::npos) << out;
}

TEST_F(TExport, EmfFrameIsTenTimesTheSizeAndEveryRecordIsSound) {
    auto lib = OneSlide("PLAN", 1023, 767);
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, Options(TImageFormat::Emf));
    ASSERT_GE(b.size(), sizeof(U_EMRHEADER));
    U_EMRHEADER header;
    std::memcpy(&header, b.data(), sizeof header);
    EXPECT_EQ(header.emr.iType, static_cast<uint32_t>(U_EMR_HEADER));
    EXPECT_EQ(header.rclBounds.right, 10229);
    EXPECT_EQ(header.rclBounds.bottom, 7669);
    // The frame in hundredths of a millimetre, at 96 pixels per inch.
    EXPECT_NEAR(header.rclFrame.right * 96.0 / 2540.0, 10230.0, 0.5);
    EXPECT_NEAR(header.rclFrame.bottom * 96.0 / 2540.0, 7670.0, 0.5);
    EXPECT_EQ(header.nBytes, b.size());
    // Walk every record with libUEMF's own checks; the last one is EOF.
    std::vector<char> copy(b.begin(), b.end());
    size_t at = 0;
    uint32_t records = 0, type = 0;
    while (at < copy.size()) {
        ASSERT_LE(at + 8, copy.size());
        uint32_t size = 0;
        // The last argument 1 reads the record in this machine's byte order.
        ASSERT_NE(U_emf_record_sizeok(copy.data() + at, copy.data() + copy.size(), &size, &type, 1),
                  0)
            << "record at " << at;
        ASSERT_NE(U_emf_record_safe(copy.data() + at), 0) << "record at " << at;
        at += size;
        ++records;
    }
    EXPECT_EQ(type, static_cast<uint32_t>(U_EMR_EOF));
    EXPECT_EQ(records, header.nRecords);
}

TEST_F(TExport, WmfIsPlaceableAndReadByLibwmf) {
    auto lib = OneSlide("PLAN", 1023, 767);
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, Options(TImageFormat::Wmf));
    ASSERT_GT(b.size(), 40u);
    EXPECT_EQ(U32(b, 0), 0x9AC6CDD7u); // placeable key
    EXPECT_EQ(U16(b, 10), 10230u);     // bounding box right
    EXPECT_EQ(U16(b, 12), 7670u);      // bounding box bottom
    EXPECT_EQ(U16(b, 14), 96u);        // units per inch
    EXPECT_EQ(U32(b, 22 + 6) * 2, b.size() - 22) << "size in words, after the placeable header";
    WriteFileBytes(dir.File("plan.wmf"), b);
    std::string out;
    ASSERT_EQ(RunCommand("wmf2svg -o " + dir.File("plan.svg") + " " + dir.File("plan.wmf"), &out),
              0)
        << out;
    const std::vector<uint8_t> svg = ReadFileBytes(dir.File("plan.svg"));
    EXPECT_NE(std::string(svg.begin(), svg.end()).find("<line"), std::string::npos);

    // 5000 x 3000 gives a 50000-unit-wide picture: stored in units of 2 pixels, 48 per inch.
    TExportOptions big = Options(TImageFormat::Wmf, TExportSize::Custom);
    big.CustomWidth = 5000;
    big.CustomHeight = 3000;
    const std::vector<uint8_t> w = RenderSlideImage(*lib, 0, big);
    EXPECT_EQ(U16(w, 10), 25000u);
    EXPECT_EQ(U16(w, 12), 15000u);
    EXPECT_EQ(U16(w, 14), 48u);
}

TEST_F(TExport, SvgHoldsOneElementPerLineInPaletteColours) {
    auto lib = OneSlide("PLAN", 100, 50);
    TExportOptions o = Options(TImageFormat::Svg);
    o.Background = 0;
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, o);
    const std::string svg(b.begin(), b.end());
    EXPECT_NE(svg.find("width=\"100\" height=\"50\""), std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"100\" height=\"50\" fill=\"#000000\"/>"),
              std::string::npos);
    // A red line (index 1) and a white one (index 7 on black), nothing else.
    const size_t red = svg.find("<line"), white = svg.find("<line", red + 1);
    EXPECT_NE(svg.find("stroke=\"#ff0000\"", red), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ffffff\"", white), std::string::npos);
    EXPECT_EQ(svg.find("<line", white + 1), std::string::npos);
}

TEST_F(TExport, SizesAndBackgrounds) {
    // A wide slide at 32 x 32: centred vertically on the background.
    auto lib = OneSlide("WIDE", 1000, 250);
    TExportOptions o = Options(TImageFormat::Bmp, TExportSize::Size32);
    o.Background = 0; // black
    const std::vector<uint8_t> b = RenderSlideImage(*lib, 0, o);
    EXPECT_EQ(U32(b, 18), 32u);
    EXPECT_EQ(U32(b, 22), 32u);
    // Stored bottom up, 16 bytes a row: the red line sits on row 16 of 32 (the middle).
    EXPECT_EQ(b[118 + (31 - 16) * 16 + 4] >> 4, 9);
    EXPECT_EQ(b[118 + 31 * 16] >> 4, 0);

    o.Size = TExportSize::Custom;
    o.CustomWidth = 5000;
    o.CustomHeight = 1;
    EXPECT_EQ(U32(RenderSlideImage(*lib, 0, o), 18), 5000u);
    o.CustomWidth = 5001;
    EXPECT_THROW(RenderSlideImage(*lib, 0, o), EVarnelError);

    auto flat = OneSlide("FLAT", 0, 0);
    EXPECT_THROW(RenderSlideImage(*flat, 0, Options(TImageFormat::Png)), EVarnelError);
}

TEST_F(TExport, WhichSlidesAndFileNames) {
    EXPECT_TRUE(SlidesToExport(TExportSelection::Current, 3, -1, {}).empty());
    EXPECT_EQ(SlidesToExport(TExportSelection::Selected, 3, 0, {true, false, true}),
              (std::vector<int>{0, 2}));

    auto lib = OneSlide("PLAN.SLD", 10, 10);
    EXPECT_EQ(ExportFileName(*lib->Slide(0), TImageFormat::Bmp), "PLAN.bmp");
    lib->Rename(0, "A/B\xE9"); // cp1252 e-acute; the slash would leave the folder
    EXPECT_EQ(ExportFileName(*lib->Slide(0), TImageFormat::Png), "A_B\xC3\xA9.png");
}

TEST_F(TExport, EveryFormatIsWrittenAndFailuresLeaveNoFile) {
    auto lib = OneSlide("DOOR", 100, 100);
    for (TImageFormat f : {TImageFormat::Bmp, TImageFormat::Png, TImageFormat::Jpg,
                           TImageFormat::Wmf, TImageFormat::Emf, TImageFormat::Svg}) {
        const std::vector<std::string> written =
            ExportSlidesToFolder(*lib, {0}, dir.Path(), Options(f));
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(FileExists(dir.File("DOOR" + ImageExtension(f))));
    }

    // A slide cut short fails half-way: the file already there stays as it was.
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 50, 50);
    std::vector<uint8_t> cut = w.Bytes();
    cut.resize(cut.size() - 3);
    TMemoryStream bytes(cut);
    auto broken = TSlideLib::CreateEmpty();
    broken->AddCopy(TSlide::CreateFromStream("DOOR", bytes).get());
    WriteFileBytes(dir.File("DOOR.png"), {1, 2, 3});
    EXPECT_THROW(ExportSlidesToFolder(*broken, {0}, dir.Path(), Options(TImageFormat::Png)),
                 EVarnelError);
    EXPECT_EQ(ReadFileBytes(dir.File("DOOR.png")), (std::vector<uint8_t>{1, 2, 3}));
    // A folder that does not exist: an error naming the file.
    EXPECT_THROW(ExportSlideToFile(*lib, 0, dir.File("no/such.bmp"), Options(TImageFormat::Bmp)),
                 EFileError);
}

TEST_F(TExport, OnlyTheCallingThreadTellsOfARecordThatCannotBeDrawn) {
    // Slides B and D stop at a record that cannot be drawn. Rendered on four threads, the
    // workers only note it; the user hears of each once, on the thread that asked.
    TSlideWriter bad(100, 100);
    bad.Vector(0, 0, 50, 50);
    bad.Raw({0x00, 0x90});
    bad.End();
    TSlideWriter good(100, 100);
    good.Colour(1);
    good.Vector(0, 50, 99, 50);
    good.End();
    auto lib = TSlideLib::CreateEmpty();
    for (const char* name : {"A", "B", "C", "D"}) {
        const bool broken = name[0] == 'B' || name[0] == 'D';
        TMemoryStream bytes(broken ? bad.Bytes() : good.Bytes());
        lib->AddCopy(TSlide::CreateFromStream(name, bytes).get());
    }
    std::mutex mutex;
    std::vector<std::pair<std::string, std::thread::id>> shown;
    UiHooks::THookScope hooks([&](const std::string& text) {
        std::lock_guard lock(mutex);
        shown.emplace_back(text, std::this_thread::get_id());
    });
    TExportOptions options = Options(TImageFormat::Png);
    options.Threads = 4;
    EXPECT_EQ(ExportSlidesToFolder(*lib, {0, 1, 2, 3}, dir.Path(), options).size(), 4u);
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& [text, thread] : shown) {
        EXPECT_EQ(text, kInvalidSlideMessage);
        EXPECT_EQ(thread, std::this_thread::get_id());
    }
    // What is drawn up to the record is written all the same.
    EXPECT_TRUE(FileExists(dir.File("B.png")));

    // Rendering alone tells the caller, not the user; the single export tells the user.
    bool invalid = false;
    EXPECT_FALSE(RenderSlideImage(*lib, 3, options, &invalid).empty());
    EXPECT_TRUE(invalid);
    EXPECT_EQ(shown.size(), 2u);
    ExportSlideToFile(*lib, 3, dir.File("d.png"), options);
    EXPECT_EQ(shown.size(), 3u);
}
