#include "pdf/SlidesToPdf.h"

#include "base/Errors.h"
#include "base/UiHooks.h"
#include "pdf/PdfDoc.h"
#include "render/AcadPal.h"
#include "slides/SlideClasses.h"
#include "slides/SlideReader.h"
#include "slides/Slides.h"

#include <algorithm>
#include <cmath>

TPdfColourMode PdfColourMode = TPdfColourMode::Color;

namespace {

constexpr double kTextHeight = 10;

// Names compared without regard to (ASCII) letter case.
bool NameLess(const TPdfSheetEntry& a, const TPdfSheetEntry& b) {
    return std::lexicographical_compare(
        a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(), [](char x, char y) {
            auto lower = [](char c) {
                const auto u = static_cast<unsigned char>(c);
                return u >= 'A' && u <= 'Z' ? u + 32u : static_cast<unsigned>(u);
            };
            return lower(x) < lower(y);
        });
}

// Draws one slide with the palette built for a white background, restored afterwards.
void DrawOnWhite(TSlide& slide, TPdfDoc& doc, double left, double top, double width,
                 double height) {
    TPaletteScope white(0xFFFFFF);
    slide.DrawToPdf(doc, left, top, width, height);
}

TPdfDoc& StartSlideDocument(TPdfDoc& doc, int width, int height) {
    doc.ContentCompression = TPdfCompressionMethod::Flate;
    doc.NewPageWidth = static_cast<uint16_t>(width);
    doc.NewPageHeight = static_cast<uint16_t>(height);
    doc.WithOutlines = false;
    doc.StartDocument();
    doc.AddPage();
    doc.GetCanvas().SetFont("Arial", 8);
    return doc;
}

// The sheets, noting in current the name of the slide being drawn.
void DrawSheets(TPdfDoc& doc, const std::vector<TPdfSheetEntry>& entries,
                const TPdfSheetSettings& settings, std::string& current) {
    if (settings.Columns < 1 || settings.Columns > 100 || settings.Rows < 1 || settings.Rows > 20)
        throw EPdfInvalidValue("DrawSlideSheets --columns must be 1..100 and rows 1..20.");
    TPdfColourModeScope colourMode(settings.ColourMode);
    TPdfCanvas& canvas = doc.GetCanvas();
    constexpr double MX = 36, MY = 48, T = kTextHeight;
    const double W = canvas.PageWidth() - 2 * MX;
    const double HA = canvas.PageHeight() - 2 * MY - 1.2 * T;
    const double PH = canvas.PageHeight();
    const int cols = settings.Columns;
    const int rows = settings.Rows;
    const double CW = W * 0.9 / cols;
    const double PX = CW / 0.9;
    const double PY = std::trunc(HA / rows);
    const double CH = std::trunc((HA - 3 * T * rows) / rows);

    size_t i = 0;
    for (int page = 1; i < entries.size(); ++page) {
        if (page > 1)
            doc.AddPage();
        // The font is set on the first page only: later pages number and caption in the
        // default text state.
        const std::string label = "pg.  " + std::to_string(page) + ".";
        canvas.TextOut(static_cast<float>(W - 5 * T - canvas.TextWidth(label)),
                       static_cast<float>(PH - MY), label);
        for (int r = 1; r <= rows && i < entries.size(); ++r) {
            for (int c = 1; c <= cols && i < entries.size(); ++c, ++i) {
                UiHooks::ProcessPendingMessages();
                const double x = (c - 1) * PX + MX;
                const double y = PH - MY - 1.2 * T - (r - 1) * PY;
                current = entries[i].Name;
                DrawOnWhite(*entries[i].Slide, doc, x, y, CW, CH);
                current.clear();
                canvas.SetStrokeColor(0);
                canvas.SetFillColor(0);
                const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
                const auto fr = static_cast<float>(x + CW), fb = static_cast<float>(y - CH);
                canvas.MoveTo(fx, fy);
                canvas.LineTo(fr, fy);
                canvas.LineTo(fr, fb);
                canvas.LineTo(fx, fb);
                canvas.LineTo(fx, fy);
                canvas.Stroke();
                canvas.TextOut(static_cast<float>(x + 3 * T), static_cast<float>(y - CH - 1.5 * T),
                               entries[i].Name);
            }
        }
    }
}

} // namespace

TPdfSlideTransform PdfSlideTransform(double left, double top, double width, double height,
                                     int highX, int highY) {
    if (highX == 0 && highY == 0)
        throw ESlideError(
            "The slide cannot be drawn: both of its extents are 0 (HighX 0, HighY 0)");
    const double ws = highX, hs = highY;
    TPdfSlideTransform t;
    if (height * ws > width * hs) { // relatively wider than the box
        t.Scale = width / ws;
        t.OffsetX = 0;
        t.OffsetY = (height * ws - width * hs) * 0.5 / ws;
    } else {
        t.Scale = height / hs;
        t.OffsetX = (width * hs - height * ws) * 0.5 / hs;
        t.OffsetY = 0;
    }
    t.OffsetX += left;
    t.OffsetY += top - height;
    return t;
}

int64_t DrawSlideToPdf(TStream& stream, TPdfDoc& doc, double left, double top, double width,
                       double height, TPdfColourMode mode) {
    TStreamPositionGuard guard(stream);
    TSlideHeader header;
    const int headerBytes = ReadSlideHeader(stream, header);
    const TPdfSlideTransform t =
        PdfSlideTransform(left, top, width, height, header.HighX, header.HighY);
    stream.Seek(headerBytes, TSeekOrigin::Current);
    TSlideReader in(stream, header.Native);

    TPdfCanvas& canvas = doc.GetCanvas();
    canvas.SetLineWidth(0.3f);
    canvas.SetStrokeColor(Palette[7]);
    canvas.SetFillColor(Palette[7]);

    int sx = 0, sy = 0; // the saved point, in slide units
    bool filling = false;
    size_t announced = 0;
    std::vector<std::pair<float, float>> fill;
    uint8_t rec[8];
    for (;;) {
        const uint16_t head = in.Word();
        const auto kind = static_cast<uint8_t>(head >> 8);
        const int length = RecordLength(kind);
        if (length == 0 || (filling && kind != kSolidFillRecord))
            throw EReadError();
        in.Read(rec, static_cast<size_t>(length - 2));
        const int low = static_cast<int8_t>(head & 0xFF);
        if (kind < 0x80) {
            const int fromX = static_cast<int16_t>(head);
            const int fromY = in.Signed(rec);
            canvas.MoveTo(t.X(fromX), t.Y(fromY));
            canvas.LineTo(t.X(in.Signed(rec + 2)), t.Y(in.Signed(rec + 4)));
            canvas.Stroke();
            sx = fromX;
            sy = fromY;
        } else if (kind == kOffsetVectorRecord) {
            const int dy0 = static_cast<int8_t>(rec[0]);
            canvas.MoveTo(t.X(sx + low), t.Y(sy + dy0));
            canvas.LineTo(t.X(sx + static_cast<int8_t>(rec[1])),
                          t.Y(sy + static_cast<int8_t>(rec[2])));
            canvas.Stroke();
            sx += low;
            sy += dy0;
        } else if (kind == kCommonEndpointRecord) {
            canvas.MoveTo(t.X(sx), t.Y(sy));
            sx += low;
            sy += static_cast<int8_t>(rec[0]);
            canvas.LineTo(t.X(sx), t.Y(sy));
            canvas.Stroke();
        } else if (kind == kSolidFillRecord) {
            const int x = in.Signed(rec);
            const int y = in.Signed(rec + 2);
            if (!filling) {
                filling = true;
                announced = static_cast<uint16_t>(x);
                fill.clear();
            } else if (fill.size() < announced && y >= 0) {
                fill.emplace_back(t.X(x), t.Y(y));
            } else {
                canvas.EndPath();
                // A fill closed before its first vertex has no outline to fill.
                if (!fill.empty()) {
                    canvas.MoveTo(fill[0].first, fill[0].second);
                    for (size_t k = 1; k < fill.size(); ++k)
                        canvas.LineTo(fill[k].first, fill[k].second);
                    canvas.ClosePath();
                    canvas.Fill();
                }
                fill.clear();
                filling = false;
            }
        } else if (kind == kColourRecord) {
            uint32_t colour = Palette[head & 0xFF];
            if (mode == TPdfColourMode::BlackWhite)
                colour = colour == 0xFFFFFF ? 0xFFFFFFu : 0u;
            canvas.SetStrokeColor(colour);
            canvas.SetFillColor(colour);
        } else { // end of slide
            break;
        }
    }
    return headerBytes + in.Consumed();
}

void TSlide::DrawToPdf(TPdfDoc& doc, double left, double top, double width, double height) {
    TStreamPositionGuard guard(*m_stream);
    m_stream->SetPosition(m_start);
    m_size = DrawSlideToPdf(*m_stream, doc, left, top, width, height, PdfColourMode);
}

void TSlideLib::DrawToPdf(int index, TPdfDoc& doc, double left, double top, double width,
                          double height) const {
    if (TSlide* s = Slide(index))
        s->DrawToPdf(doc, left, top, width, height);
}

void SortPdfSheetEntries(std::vector<TPdfSheetEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), NameLess);
}

std::vector<TPdfSheetEntry> PdfSheetEntries(const TSlideLib& lib, const std::vector<int>& indices,
                                            bool sorted) {
    std::vector<TPdfSheetEntry> entries;
    auto add = [&](int i) {
        if (TSlide* s = lib.Slide(i))
            entries.push_back({s->Name(), s});
    };
    if (indices.empty())
        for (int i = 0; i < lib.Count(); ++i)
            add(i);
    else
        for (const int i : indices)
            add(i);
    if (sorted)
        SortPdfSheetEntries(entries);
    return entries;
}

void DrawCurrentSlidePage(TPdfDoc& doc, TSlide& slide, const std::string& name,
                          TPdfColourMode mode) {
    TPdfColourModeScope colourMode(mode);
    TPdfCanvas& canvas = doc.GetCanvas();
    const double H = canvas.PageHeight() - 72 - 1.2 * kTextHeight;
    const double W = canvas.PageWidth() - 96;
    canvas.TextOut(48, static_cast<float>(36 + H), name);
    UiHooks::ProcessPendingMessages();
    DrawOnWhite(slide, doc, 48, 48 + H + 12, W, H);
}

void DrawSlideSheets(TPdfDoc& doc, const std::vector<TPdfSheetEntry>& entries,
                     const TPdfSheetSettings& settings) {
    std::string current;
    DrawSheets(doc, entries, settings, current);
}

TPdfSlidesResult WriteCurrentSlidePdf(TStream& out, TSlide& slide, const std::string& name,
                                      TPdfColourMode mode) {
    UiHooks::TBusyCursor busy;
    TPdfDoc doc;
    StartSlideDocument(doc, 842, 596);
    TPdfSlidesResult result;
    try {
        DrawCurrentSlidePage(doc, slide, name, mode);
    } catch (...) {
        result.Failure = std::current_exception();
        result.FailedSlide = name;
    }
    doc.SaveToStream(out);
    result.Pages = doc.PageCount();
    return result;
}

TPdfSlidesResult WriteSlideSheetPdf(TStream& out, const std::vector<TPdfSheetEntry>& entries,
                                    const TPdfSheetSettings& settings) {
    if (entries.empty())
        throw EVarnelError(kNoSlidesToWriteMessage);
    if (settings.Columns < 1 || settings.Columns > 100 || settings.Rows < 1 || settings.Rows > 20)
        throw EPdfInvalidValue("DrawSlideSheets --columns must be 1..100 and rows 1..20.");
    UiHooks::TBusyCursor busy;
    TPdfDoc doc;
    StartSlideDocument(doc, 596, 842);
    TPdfSlidesResult result;
    std::string current;
    try {
        DrawSheets(doc, entries, settings, current);
    } catch (...) {
        result.Failure = std::current_exception();
        result.FailedSlide = current;
    }
    doc.SaveToStream(out);
    result.Pages = doc.PageCount();
    return result;
}
