// The PDF writer: serialization of objects, whole documents byte for byte, the canvas, fonts.
#include "PdfTestSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "pdf/PdfDoc.h"
#include "pdf/PdfFonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

std::string Written(const TPdfObject& object) {
    TMemoryStream m;
    TPdfWriter out(m);
    object.WriteToStream(out);
    out.Flush();
    return std::string(m.Bytes().begin(), m.Bytes().end());
}

} // namespace

TEST(PdfTypes, NumberTextRoundsHalfUpToHundredths) {
    // Truncation gives an integer 0, never "-0".
    const std::pair<double, const char*> cases[] = {
        {0.3, "0.3"},  {12, "12"},        {1.125, "1.13"},      {0.994, "0.99"},  {-0.004, "0"},
        {-0.006, "0"}, {-1.234, "-1.22"}, {128 / 255.0, "0.5"}, {507.6f, "507.6"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(PdfNumberText(value), text) << value;
    // The hundredths behind those texts, for points written as whole numbers.
    EXPECT_EQ(PdfHundredths(1.125), 113);
    EXPECT_EQ(PdfHundredths(507.6f), 50760);
    EXPECT_EQ(PdfHundredths(-1.234), -122);
}

TEST(PdfTypes, TextAndNameEscapes) {
    EXPECT_EQ(Written(TPdfText("a(b)c\\")), "(a\\(b\\)c\\\\)");
    EXPECT_EQ(EscapeText("x\ty\nz\r\b\f\x01\xE9"), "x\\ty\\nz\\r\\b\\f\x01\xE9");
    EXPECT_EQ(Written(TPdfName("Font Size")), "/Font#20Size");
    EXPECT_EQ(EscapeName("caf\xE9#%()/<>[]{}~"), "caf#E9#23#25#28#29#2F#3C#3E#5B#5D#7B#7D~");
    EXPECT_EQ(HexText("en\xFF"), "656EFF");
    EXPECT_EQ(UnicodeHexText("A\x80\xE9"), "004120AC00E9");
    EXPECT_EQ(PdfDateText({2024, 1, 31, 23, 59, 59}), "D:20240131235959");
}

TEST(PdfTypes, ValuesContainersAndReferences) {
    EXPECT_EQ(Written(TPdfNull()), "null");
    EXPECT_EQ(Written(TPdfArray(nullptr, {0, 0, 596, 842})), "[0 0 596 842 ]");

    TPdfXref xref;
    auto& pages = xref.Add(std::make_unique<TPdfDictionary>(&xref));
    pages.AddItem("Type", std::make_unique<TPdfName>("Pages"));
    {
        TPdfArray a(&xref);
        a.AddItem(pages);
        EXPECT_EQ(Written(a), "[1 0 R ]");
        EXPECT_EQ(a.ItemByIndex(0), &pages); // placeholders resolve through the table
    }
    EXPECT_EQ(TypeOf(pages), "Pages"); // still alive after the array is gone

    // Internal items are not written; a key added again replaces the first.
    TPdfDictionary d(&xref);
    d.AddInternalItem("_Font_Size", std::make_unique<TPdfReal>(8));
    d.AddItem("Pages", pages);
    d.AddItem("Type", std::make_unique<TPdfName>("Catalog"));
    d.AddItem("Pages", pages);
    EXPECT_EQ(Written(d), "<<\r\n/Type /Catalog\r\n/Pages 1 0 R\r\n>>");
    EXPECT_NE(d.PdfRealByName("_Font_Size"), nullptr);
    ExpectThrowMessage<EPdfInvalidOperation>(
        [&] { xref.AddObject(TPdfVirtualObject::CreateVirtual(1)); },
        "AddObject --wrong object type.");
}

TEST(PdfDoc, OnePageDocumentByteForByte) {
    TFixedPdfClock clock;
    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    const std::string file = SaveDoc(doc);

    const std::string objects[] = {
        "1 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 3 0 R\r\n>>\r\nendobj\r\n",
        "2 0 obj\r\n<<\r\n/Producer (Varnel)\r\n/CreationDate (D:20240131235959)\r\n"
        "/ModDate (D:20240131235959)\r\n>>\r\nendobj\r\n",
        "3 0 obj\r\n<<\r\n/Type /Pages\r\n/Kids [4 0 R ]\r\n/Count 1\r\n>>\r\nendobj\r\n",
        "4 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 3 0 R\r\n/MediaBox [0 0 596 842 ]\r\n"
        "/Resources <<\r\n/Font <<\r\n/F0 6 0 R\r\n>>\r\n/XObject <<\r\n>>\r\n"
        "/ProcSet [/PDF /Text /ImageC ]\r\n>>\r\n/Contents 5 0 R\r\n>>\r\nendobj\r\n",
        "5 0 obj\r\n<<\r\n/Length 10\r\n/Filter []\r\n>>\r\nstream\r\n/F0 10 Tf\n"
        "\nendstream\r\nendobj\r\n",
        "6 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Encoding /WinAnsiEncoding\r\n"
        "/FirstChar 32\r\n/LastChar 255\r\n/BaseFont /Helvetica\r\n/Name /F0\r\n>>\r\n"
        "endobj\r\n",
    };
    std::string expected = "%PDF-1.2 \r\n";
    std::string xref = "xref\r\n0 7\r\n0000000000 65535 f\r\n";
    for (const std::string& o : objects) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n\r\n", expected.size());
        xref += line;
        expected += o;
    }
    const size_t xrefAt = expected.size();
    expected += xref + "trailer\r\n<<\r\n/Size 7\r\n/Root 1 0 R\r\n/Info 2 0 R\r\n>>\r\n" +
                "startxref\r\n" + std::to_string(xrefAt) + "\r\n%%EOF\r\n";
    EXPECT_EQ(file, expected);
    ExpectValidPdf(file, 1);
}

TEST(PdfDoc, CompressedStreamsInflateToTheOperatorsAndOffsetsHitObjects) {
    TFixedPdfClock clock;
    TPdfDoc doc;
    doc.ContentCompression = TPdfCompressionMethod::Flate;
    doc.StartDocument();
    doc.AddPage();
    TPdfCanvas& c = doc.GetCanvas();
    c.SetFont("Arial", 8);
    c.SetFont("Arial", 8);
    c.SetFillColor(0xFF0000);
    c.SetStrokeColor(0x80FF00);
    c.TextOut(10, 20, "x(y)");
    doc.NewPageWidth = 842;
    doc.NewPageHeight = 596;
    doc.AddPage();
    EXPECT_EQ(c.Attribute().FontSize(), 10);
    EXPECT_EQ(c.PageWidth(), 842);
    c.SetFont("Times-Bold", 12);
    c.MoveTo(1.006f, 2);
    c.LineTo(3, 4);
    c.Stroke();
    // A space of hundredths from (2.5, 3): whole numbers, the same points on the page.
    c.Concat(0.01, 0, 0, 0.01, 2.5, 3);
    c.MoveToUnits(-250, 0);
    c.LineToUnits(12345678901, 7);
    // A segment and a dot as separate subpaths, the extreme values whole.
    c.SegmentUnits(-1, 0, INT64_MIN, INT64_MAX);
    c.SegmentUnits(5, 6, 5, 6);
    c.Stroke();
    const std::string file = SaveDoc(doc);

    const auto streams = InflatedStreams(file);
    ASSERT_EQ(streams.size(), 2u);
    EXPECT_EQ(streams[0], "/F0 10 Tf\n/F0 8 Tf\n0 0 1 rg\n0 1 0.5 RG\nBT\n10 20 Td\n"
                          "(x\\(y\\)) Tj\nET\n");
    EXPECT_EQ(streams[1], "/F0 10 Tf\n/F1 12 Tf\n1.01 2 m\n3 4 l\nS\n"
                          "0.01 0 0 0.01 2.5 3 cm\n-250 0 m\n12345678901 7 l\n"
                          "-1 0 m\n-9223372036854775808 9223372036854775807 l\n5 6 m\n5 6 l\nS\n");
    EXPECT_NE(file.find("/Filter [/FlateDecode ]"), std::string::npos);
    EXPECT_NE(file.find("/MediaBox [0 0 842 596 ]"), std::string::npos);
    EXPECT_NE(file.find("/BaseFont /Times-Bold"), std::string::npos);
    EXPECT_EQ(file.find("/Widths"), std::string::npos);
    ExpectXrefPointsAtObjects(file);
    ExpectValidPdf(file, 2);
}

// Pages are deflated on other threads while the next ones are drawn: the file is the same for
// any thread count, saving twice or drawing more pages after a save included, and a document
// started afresh or dropped with pages still queued stops its threads cleanly.
TEST(PdfDoc, PagesDeflatedWhileDrawingGiveTheSameFileForAnyThreadCount) {
    TFixedPdfClock clock;
    auto draw = [](TPdfDoc& doc, int pages) {
        TPdfCanvas& c = doc.GetCanvas();
        for (int p = 0; p < pages; ++p) {
            doc.AddPage();
            for (int i = 0; i < 2000; ++i) {
                c.MoveToUnits(i * 7 % 5000 + p, i);
                c.LineToUnits(i * 13 % 5000, i + p);
            }
            c.Stroke();
        }
    };
    std::string one, more;
    for (int threads : {1, 2, 4}) {
        TPdfDoc doc;
        doc.ContentCompression = TPdfCompressionMethod::Flate;
        doc.Threads = threads;
        doc.StartDocument();
        draw(doc, 6);
        const std::string first = SaveDoc(doc);
        EXPECT_EQ(SaveDoc(doc), first) << threads << " threads, saved again";
        draw(doc, 3);
        const std::string second = SaveDoc(doc);
        if (threads == 1) {
            one = first;
            more = second;
            ExpectValidPdf(first, 6);
            ExpectValidPdf(second, 9);
        }
        EXPECT_EQ(first, one) << threads << " threads";
        EXPECT_EQ(second, more) << threads << " threads, pages added after a save";

        draw(doc, 4); // queued, never saved: started afresh, then dropped with pages queued
        doc.StartDocument();
        draw(doc, 4);
    }
}

// Many pages deflated by more threads than there are cores, each thread with pages waiting for it
// and the drawing held back while too many are: the same file as on one thread.
TEST(PdfDoc, ManyPagesOnSeveralDeflatingThreadsGiveTheSameFile) {
    TFixedPdfClock clock;
    std::string one;
    for (int threads : {1, 3, 8}) {
        TPdfDoc doc;
        doc.ContentCompression = TPdfCompressionMethod::Flate;
        doc.DeflateLevel = 2;
        doc.Threads = threads;
        doc.StartDocument();
        TPdfCanvas& c = doc.GetCanvas();
        for (int p = 0; p < 60; ++p) {
            doc.AddPage();
            // Pages of very different lengths finish deflating out of their order.
            for (int i = 0; i < (p % 7) * 400 + 10; ++i)
                c.SegmentUnits(i * 7 % 5000 + p, i, i * 13 % 5000, i + p);
            c.Stroke();
        }
        const std::string file = SaveDoc(doc);
        if (threads == 1)
            one = file;
        EXPECT_NE(file.find("/Count 60"), std::string::npos);
        EXPECT_EQ(file, one) << threads << " threads";
    }
}

// A long document holds each finished page's content only until it is deflated: from then on
// only the deflated bytes, whose sum is the "Length" of those pages' streams in the file. At no
// time do the finished pages hold more than the few pages waiting for a deflating thread.
TEST(PdfDoc, FinishedPagesHoldOnlyTheirDeflatedBytes) {
    TFixedPdfClock clock;
    constexpr int kPages = 150;
    std::string one;
    for (int threads : {1, 3}) {
        TPdfDoc doc;
        doc.ContentCompression = TPdfCompressionMethod::Flate;
        doc.Threads = threads;
        doc.StartDocument();
        TPdfCanvas& c = doc.GetCanvas();
        int64_t drawn = 0, mostHeld = 0;
        for (int p = 0; p < kPages; ++p) {
            doc.AddPage();
            mostHeld = std::max(mostHeld, doc.FinishedPagesBytes());
            for (int i = 0; i < 4000; ++i)
                c.SegmentUnits(i % 50 + p, i % 50, 1000 - i % 50, 7);
            c.Stroke();
            drawn +=
                static_cast<int64_t>(dynamic_cast<TPdfStream&>(*c.GetPage().ValueByName("Contents"))
                                         .StreamData()
                                         .size());
        }
        EXPECT_GT(drawn, 8'000'000);
        EXPECT_LT(mostHeld, drawn / 10) << threads << " threads";

        const std::string file = SaveDoc(doc);
        EXPECT_EQ(SaveDoc(doc), file) << threads << " threads, saved again";
        if (threads == 1)
            one = file;
        EXPECT_EQ(file, one) << threads << " threads";
        std::vector<int64_t> lengths; // the content streams, the last page's last
        for (size_t at = file.find("/Length "); at != std::string::npos;
             at = file.find("/Length ", at + 1))
            lengths.push_back(std::stoll(file.substr(at + 8, 20)));
        ASSERT_EQ(lengths.size(), static_cast<size_t>(kPages));
        EXPECT_EQ(doc.FinishedPagesBytes(),
                  std::accumulate(lengths.begin(), lengths.end() - 1, int64_t{0}))
            << threads << " threads";
    }
}

// The document's level deflates its pages: quicker levels make other bytes of the same content,
// every level inflates back to it, and a level libdeflate has not fails before the page is added.
TEST(PdfDoc, ContentStreamsDeflateAtTheDocumentsLevel) {
    TFixedPdfClock clock;
    auto save = [](int level) {
        TPdfDoc doc;
        doc.ContentCompression = TPdfCompressionMethod::Flate;
        doc.DeflateLevel = level;
        doc.StartDocument();
        doc.AddPage();
        for (int i = 0; i < 3000; ++i)
            doc.GetCanvas().MoveToUnits(i * 37 % 9000, i * 11 % 7000);
        return SaveDoc(doc);
    };
    const std::string standard = save(kDeflateLevel);
    const std::vector<std::string> content = InflatedStreams(standard);
    for (const int level : {1, 2, 12}) {
        const std::string file = save(level);
        EXPECT_NE(file, standard) << level;
        EXPECT_EQ(InflatedStreams(file), content) << level;
        EXPECT_NE(file.find(DeflateBytes(content.at(0), level)), std::string::npos) << level;
    }
    for (const int level : {0, 13}) {
        ExpectThrowMessage<EPdfInvalidValue>([&] { DeflateBytes("m", level); },
                                             "Deflate --level out of range.");
        TPdfDoc doc;
        doc.ContentCompression = TPdfCompressionMethod::Flate;
        doc.StartDocument();
        doc.DeflateLevel = level;
        EXPECT_THROW(doc.AddPage(), EPdfInvalidValue);
        EXPECT_EQ(doc.PageCount(), 0);
        EXPECT_EQ(doc.Xref().ItemCount(), 4u); // nothing added: free head, catalog, info, pages
        doc.DeflateLevel = 1;
        doc.AddPage();
        EXPECT_EQ(doc.PageCount(), 1);
    }
}

TEST(PdfDoc, FailuresNameTheOperationAndWriteNothing) {
    TPdfDoc doc;
    using E = EPdfInvalidOperation;
    ExpectThrowMessage<E>([&] { doc.GetCanvas(); }, "GetCanvas --Document is null");
    ExpectThrowMessage<E>([&] { doc.AddPage(); }, "AddPage --current pages null.");
    TMemoryStream m;
    ExpectThrowMessage<E>([&] { doc.SaveToStream(m); },
                          "SaveToStream --there is no document to save.");
    doc.StartDocument();
    ExpectThrowMessage<E>([&] { doc.SaveToStream(m); }, "GetPage --the Page is nil");
    EXPECT_EQ(m.Size(), 0);
    TPdfCanvasAttribute a;
    EXPECT_THROW(a.SetCharSpace(301), EPdfInvalidValue);
    EXPECT_THROW(a.SetFontSize(std::nanf("")), EPdfInvalidValue);
    EXPECT_THROW(doc.GetFont("Symbol"), EPdfInvalidValue);
}

TEST(PdfFonts, WidthsAndTextWidth) {
    TPdfDoc doc;
    doc.StartDocument();
    auto width = [&](const char* font, uint8_t code) {
        return doc.GetFont(font).GetCharWidth(std::string(1, static_cast<char>(code)), 1);
    };
    EXPECT_EQ(width("Arial", 'A'), 667);
    EXPECT_EQ(width("Times-Roman", 'A'), 722);
    EXPECT_EQ(width("FixedWidth", 'A'), 600);
    EXPECT_EQ(width("Arial", 160), 0);
    EXPECT_EQ(width("Arial-Bold", 128), 556);
    for (const std::string& name : PdfFontNames())
        EXPECT_NO_THROW(doc.GetFont(name));
    doc.AddPage();
    doc.GetCanvas().SetFont("Arial", 8);
    EXPECT_FLOAT_EQ(doc.GetCanvas().TextWidth("pg.  1."), 22.24f);
}
