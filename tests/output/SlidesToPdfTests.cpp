// Slides on PDF pages: the walker's operators, the current-slide page, sheet layout, failures.
#include "PdfTestSupport.h"
#include "TestFiles.h"

#include "SlideWriter.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "output/SlidesToPdf.h"
#include "slides/SlideClasses.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> LineSlide(int highX = 640, int highY = 480) {
    TSlideWriter w(highX, highY);
    w.Vector(0, 0, 640, 480);
    w.Colour(1);
    w.Vector(10, 20, 30, 40);
    w.End();
    return w.Bytes();
}

std::unique_ptr<TSlideLib>
LibOf(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& s) {
    auto lib = TSlideLib::CreateEmpty();
    for (const auto& [name, bytes] : s) {
        TMemoryStream m(bytes);
        auto slide = TSlide::CreateFromStream(name, m);
        lib->AddCopy(slide.get());
    }
    return lib;
}

std::string Str(const TMemoryStream& m) {
    return std::string(m.Bytes().begin(), m.Bytes().end());
}

// A started document with one page and its canvas reset to nothing but the walker's output.
std::string Walk(const std::vector<uint8_t>& bytes, TPdfColourMode mode = TPdfColourMode::Color) {
    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    TMemoryStream m(bytes);
    EXPECT_EQ(DrawSlideToPdf(m, doc, 0, 100, 100, 100, PaperRenderState(mode)),
              static_cast<int64_t>(bytes.size()));
    const auto streams = InflatedStreams(SaveDoc(doc));
    return streams.at(0).substr(std::string("/F0 10 Tf\n").size());
}

} // namespace

TEST(SlidesToPdf, RecordsBecomePathsAndColours) {
    TSlideWriter w(100, 100);
    w.Vector(10, 20, 30, 40);            // saved point (10, 20)
    w.OffsetVector(1, 2, -3, 4);         // from (11, 22) to (7, 24); saved (11, 22)
    w.CommonEndpoint(5, -2);             // (11, 22) to (16, 20)
    w.Colour(1);                         // red
    w.Fill({{0, 0}, {50, 0}, {50, 50}}); // three vertices and the closing record
    w.End();
    EXPECT_EQ(Walk(w.Bytes()), "0.3 w\n0 0 0 RG\n0 0 0 rg\n"
                               "10 20 m\n30 40 l\nS\n11 22 m\n7 24 l\nS\n11 22 m\n16 20 l\nS\n"
                               "1 0 0 RG\n1 0 0 rg\n"
                               "n\n0 0 m\n50 0 l\n50 50 l\nh\nf\n");
    // Black and white: red is not exactly white, so it draws black.
    EXPECT_NE(Walk(w.Bytes(), TPdfColourMode::BlackWhite).find("0 0 0 RG\n0 0 0 rg\nn\n"),
              std::string::npos);
}

TEST(SlidesToPdf, InvalidRecordFailsAndRestoresThePosition) {
    TSlideWriter invalid(100, 100), open(100, 100);
    invalid.Vector(1, 1, 2, 2);
    invalid.Raw({0x00, 0x90}); // record kind 0x90
    open.FillRecord(3, 0);     // a vector while a fill is open
    open.Vector(1, 1, 2, 2);
    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    for (TSlideWriter* w : {&invalid, &open}) {
        w->End();
        TMemoryStream m(w->Bytes());
        ExpectThrowMessage<EReadError>(
            [&] { DrawSlideToPdf(m, doc, 0, 100, 100, 100, TRenderState()); }, "Stream read error");
        EXPECT_EQ(m.Position(), 0);
    }
}

TEST(SlidesToPdf, CurrentSlidePage) {
    TFixedPdfClock clock;
    auto lib = LibOf({{"PLAN", LineSlide()}});
    TMemoryStream out;
    const TPdfSlidesResult r =
        WriteCurrentSlidePdf(out, *lib->Slide(0), "PLAN", TPdfColourMode::Color);
    EXPECT_FALSE(r.Failure);
    const std::string file = Str(out);
    EXPECT_NE(file.find("/MediaBox [0 0 842 596 ]"), std::string::npos);
    const auto streams = InflatedStreams(file);
    ASSERT_EQ(streams.size(), 1u);
    // The box is 746 x 512 at (48, 572); the 640 x 480 slide is scaled by 512 / 480 and
    // centred across: offset x = 48 + (746 * 480 - 512 * 640) / 2 / 480 = 79.67.
    EXPECT_EQ(streams[0], "/F0 10 Tf\n/F0 8 Tf\nBT\n48 548 Td\n(PLAN) Tj\nET\n"
                          "0.3 w\n0 0 0 RG\n0 0 0 rg\n79.67 60 m\n762.33 572 l\nS\n"
                          "1 0 0 RG\n1 0 0 rg\n90.33 81.33 m\n111.67 102.67 l\nS\n");
    ExpectXrefPointsAtObjects(file);
    ExpectValidPdf(file, 1);
}

TEST(SlidesToPdf, OneByOneSheetLayout) {
    auto lib = LibOf({{"DOOR", LineSlide()}});
    TMemoryStream out;
    WriteSlideSheetPdf(out, PdfSheetEntries(*lib, {}, true), {});
    const auto streams = InflatedStreams(Str(out));
    ASSERT_EQ(streams.size(), 1u);
    const std::string& s = streams[0];
    EXPECT_EQ(s.rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n451.76 794 Td\n(pg.  1.) Tj\nET\n0.3 w\n", 0), 0u);
    EXPECT_NE(s.find("0 0 0 RG\n0 0 0 rg\n36 782 m\n507.6 782 l\n507.6 78 l\n36 78 l\n"
                     "36 782 l\nS\nBT\n66 63 Td\n(DOOR) Tj\nET\n"),
              std::string::npos);
    ExpectValidPdf(Str(out), 1);
}

TEST(SlidesToPdf, SheetsPaginateSortAndSelect) {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
    for (const char* name : {"g", "B", "e", "a", "F", "c", "D"})
        slides.push_back({name, LineSlide()});
    auto lib = LibOf(slides);
    const auto sorted = PdfSheetEntries(*lib, {}, true);
    std::string order;
    for (const auto& e : sorted)
        order += e.Name;
    EXPECT_EQ(order, "aBcDeFg");
    const auto selected = PdfSheetEntries(*lib, {4, 1, 6}, true);
    ASSERT_EQ(selected.size(), 3u);
    EXPECT_EQ(selected[0].Name + selected[1].Name + selected[2].Name, "BDF");

    TMemoryStream out;
    TPdfSheetSettings settings;
    settings.Columns = 2;
    settings.Rows = 2;
    const TPdfSlidesResult r = WriteSlideSheetPdf(out, sorted, settings);
    EXPECT_EQ(r.Pages, 2);
    const auto streams = InflatedStreams(Str(out));
    ASSERT_EQ(streams.size(), 2u);
    // The second page keeps the default text state: its number is set and measured at 10.
    EXPECT_EQ(streams[1].rfind("/F0 10 Tf\nBT\n446.2 794 Td\n(pg.  2.) Tj\nET\n", 0), 0u);
    EXPECT_NE(streams[1].find("(e) Tj"), std::string::npos);
    EXPECT_EQ(streams[1].find("(D) Tj"), std::string::npos);
    ExpectValidPdf(Str(out), 2);

    TMemoryStream none;
    ExpectThrowMessage<EVarnelError>([&] { WriteSlideSheetPdf(none, {}, settings); },
                                     "No slides to write.");
    EXPECT_EQ(none.Size(), 0);
}

TEST(SlidesToPdf, SheetsCompressedOnSeveralThreadsAreTheSameFile) {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
    for (int n = 0; n < 30; ++n)
        slides.push_back({"S" + std::to_string(n), LineSlide(640 + n, 480)});
    auto lib = LibOf(slides);
    const TFixedPdfClock clock;
    TPdfSheetSettings settings;
    settings.Columns = 2;
    settings.Rows = 2;
    std::string first;
    for (int threads : {1, 2, 5}) {
        settings.Threads = threads;
        TMemoryStream out;
        EXPECT_EQ(WriteSlideSheetPdf(out, PdfSheetEntries(*lib, {}, false), settings).Pages, 8);
        if (threads == 1)
            first = Str(out);
        EXPECT_EQ(Str(out), first) << threads << " threads";
    }
}

TEST(SlidesToPdf, BrokenSlideMidSheetKeepsTheDocumentDrawnSoFar) {
    TSlideWriter bad(100, 100);
    bad.Vector(1, 1, 2, 2);
    bad.Raw({0x00, 0x85});
    bad.End();
    auto lib = LibOf({{"A", LineSlide()},
                      {"B", LineSlide()},
                      {"C", bad.Bytes()},
                      {"D", LineSlide()},
                      {"Z", LineSlide(0, 0)}});
    TPdfSheetSettings settings;
    settings.Rows = 2;
    TMemoryStream out;
    const TPdfSlidesResult r = WriteSlideSheetPdf(out, PdfSheetEntries(*lib, {}, false), settings);
    ASSERT_TRUE(r.Failure);
    EXPECT_EQ(r.FailedSlide, "C");
    EXPECT_THROW(std::rethrow_exception(r.Failure), EReadError);
    EXPECT_EQ(r.Pages, 2);
    ExpectValidPdf(Str(out), 2);

    TMemoryStream zero;
    const TPdfSlidesResult z = WriteSlideSheetPdf(zero, PdfSheetEntries(*lib, {4}, false), {});
    EXPECT_EQ(z.FailedSlide, "Z");
    EXPECT_THROW(std::rethrow_exception(z.Failure), ESlideError);
    ExpectValidPdf(Str(zero), 1);
}

TEST(SlidesToPdf, SldtoolPdf) {
    TTempDir dir;
    WriteFileBytes(dir.File("a.sld"), LineSlide());
    WriteFileBytes(dir.File("zero.sld"), LineSlide(0, 0));
    Sldtool("pdf " + Q(dir.File("a.sld")) + " -o " + Q(dir.File("out.pdf")) + " --sheet 2x3 --bw");
    const std::vector<uint8_t> bytes = ReadFileBytes(dir.File("out.pdf"));
    ExpectValidPdf(std::string(bytes.begin(), bytes.end()), 1);
    const std::string out =
        Sldtool("pdf " + Q(dir.File("zero.sld")) + " -o " + Q(dir.File("z.pdf")), 1);
    EXPECT_NE(out.find("both of its extents are 0"), std::string::npos) << out;
    EXPECT_TRUE(FileExists(dir.File("z.pdf"))); // the page as far as it was drawn
    Sldtool("pdf " + Q(dir.File("a.sld")) + " -o x.pdf --sheet 0x3", 2);
}
