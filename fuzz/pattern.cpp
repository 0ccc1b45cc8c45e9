// Pattern files: loading, the line list's round trip, drawing each pattern into a small tile
// at its automatic scale and at a large one, the PDF cells of the sheets, and storing an edit.
// The drawings of one input share a work budget, like the page's thumbnail build, so that each
// input stays quick whatever its numbers.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "pdf/PdfDoc.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// Work for all the drawings of one input (a millisecond or so under the sanitizers), and the
// patterns drawn per input: the rest of a large file adds little.
constexpr uint64_t kInputWork = 40'000;
constexpr size_t kMaxPatterns = 8;
// Sheet files are written for files of a few patterns (their compression costs the most).
constexpr size_t kMaxSheetPatterns = 3;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPatternModule m;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        m.LoadPatternBytes(bytes, "fuzz.pat");
    } catch (const EFileError&) {
        return 0;
    }
    // The lines written back with CR LF read as the same lines.
    std::string text;
    for (const std::string& line : m.PatternLines)
        text += line + "\r\n";
    FUZZ_CHECK(SplitPatternLines(text) == m.PatternLines);
    for (const TPatternEntry& e : m.Entries)
        FUZZ_CHECK(IsHeaderLine(m.PatternLines[static_cast<size_t>(e.HeaderLine)]));

    const size_t count = std::min(m.Entries.size(), kMaxPatterns);
    TPatternBudget budget(kInputWork, 3 * count + 1);
    TRasterCanvas tile(48, 32);
    for (size_t i = 0; i < count; ++i) {
        const std::vector<std::string> body = m.PatternBody(m.Entries[i].HeaderLine);
        m.TileWidth = 48;
        m.TileHeight = 32;
        m.PatternScale = 0;
        m.DrawPattern(body, tile, TPatternTarget::Thumbnail, &budget);
        FUZZ_CHECK(m.PatternScale > 0);
        m.PatternScale = 2000;
        m.DrawPattern(body, tile, TPatternTarget::Preview, &budget);
        FUZZ_CHECK(m.ScaleText.rfind("Scale: ", 0) == 0);
    }

    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    m.TileWidth = 157.2;
    m.TileHeight = 116;
    for (size_t i = 0; i < count; ++i)
        m.DrawPatternToPdf(static_cast<int>(i), doc.GetCanvas(), &budget);
    TMemoryStream pdf;
    doc.SaveToStream(pdf);

    // The sheet file of a small pattern file, compressed as the page writes it.
    if (m.Entries.size() <= kMaxSheetPatterns) {
        TPatternBudget sheetBudget(kInputWork / 2, m.Entries.size());
        TMemoryStream sheets;
        FUZZ_CHECK(m.WritePatternSheets(sheets, &sheetBudget) == !m.Entries.empty());
    }

    // An edit of the first pattern: the second one's text put in its place. The file keeps its
    // number of header lines, so every entry is refreshed onto one.
    if (count >= 2) {
        m.EditorModified = true;
        m.CurrentPatternLine = m.Entries[0].HeaderLine;
        FUZZ_CHECK(m.StoreEditedPattern(m.PatternBody(m.Entries[1].HeaderLine), 0));
        for (const TPatternEntry& e : m.Entries)
            FUZZ_CHECK(e.HeaderLine >= 0 &&
                       static_cast<size_t>(e.HeaderLine) < m.PatternLines.size() &&
                       IsHeaderLine(m.PatternLines[static_cast<size_t>(e.HeaderLine)]));
    }
    return 0;
}
