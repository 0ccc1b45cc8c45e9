// The PDF document writer and its page canvas: PDF 1.2 with a classic cross-reference table.
//
// Callers use one fixed order: create a TPdfDoc, set the page size and compression,
// StartDocument, AddPage, draw through GetCanvas(), AddPage for each further page,
// SaveToStream, free the document. Coordinates are points (1/72 inch), origin at the bottom left
// of the page, y upward. Every failure is an exception (EPdfInvalidOperation, EPdfInvalidValue,
// EWriteError); the document keeps whatever state it had.
#pragma once

#include "pdf/PdfTypes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TStream;
class TPdfDoc;

// The clock the writer reads for "CreationDate" and "ModDate": local time by default. Returns
// the previous clock, so tests can fix the dates and put the real clock back.
using TPdfClock = std::function<TPdfDateTime()>;
TPdfClock SetPdfClock(TPdfClock clock);
TPdfDateTime PdfNow();

struct TPdfXrefEntry {
    char EntryType = 'n';    // 'n' an object in use, 'f' the free head entry
    int64_t ByteOffset = -1; // -1 until the object is written
    int32_t GenerationNumber = 0;
    std::unique_ptr<TPdfObject> Object;
};

// The cross-reference table: numbers and owns every indirect object of a document. Entry 0 is
// the free head (generation 65535); entry n holds object n.
class TPdfXref : public TPdfObjectMgr {
public:
    TPdfXref();
    TPdfObject& AddObject(std::unique_ptr<TPdfObject> object) override;
    TPdfObject* GetObject(int objectNumber) const override;
    size_t ItemCount() const { return m_entries.size(); }
    TPdfXrefEntry& Items(size_t index) { return m_entries[index]; }

private:
    std::vector<TPdfXrefEntry> m_entries;
};

// A wrapper around one indirect dictionary that belongs to the cross-reference table.
class TPdfDictionaryWrapper {
public:
    TPdfDictionaryWrapper() = default;
    TPdfDictionaryWrapper(const TPdfDictionaryWrapper&) = delete;
    TPdfDictionaryWrapper& operator=(const TPdfDictionaryWrapper&) = delete;
    virtual ~TPdfDictionaryWrapper() = default;

    TPdfDictionary* Data() const { return m_data; }
    virtual void SetData(TPdfDictionary* data) { m_data = data; }

private:
    TPdfDictionary* m_data = nullptr;
};

class TPdfInfo : public TPdfDictionaryWrapper {
public:
    // "CreationDate" / "ModDate" as strings holding PdfDateText of the date.
    void SetCreationDate(const TPdfDateTime& date);
    void SetModDate(const TPdfDateTime& date);
};

class TPdfCatalog : public TPdfDictionaryWrapper {
public:
    // Adds "Pages" only when the dictionary's type is "Pages".
    void SetPages(const TPdfDictionary& pages);
};

// A font of a document (the kinds are in PdfFonts.h). Widths are in thousandths of the size.
class TPdfFont : public TPdfDictionaryWrapper {
public:
    explicit TPdfFont(std::string fontName) : m_fontName(std::move(fontName)) {}
    const std::string& FontName() const { return m_fontName; }
    // The width of the character at the 1-based position; 0 in this base class.
    virtual int GetCharWidth(std::string_view text, size_t position) const;

private:
    std::string m_fontName;
};

// The text state of the canvas.
class TPdfCanvasAttribute {
public:
    float WordSpace() const { return m_wordSpace; }
    float CharSpace() const { return m_charSpace; }
    float FontSize() const { return m_fontSize; }
    TPdfFont* Font() const { return m_font; }
    float Leading() const { return m_leading; }
    uint16_t HorizontalScaling() const { return m_horizontalScaling; }

    // Each throws EPdfInvalidValue outside its range (NaN included).
    void SetWordSpace(float value);                 // at least 0
    void SetCharSpace(float value);                 // -30 .. 300
    void SetFontSize(float value);                  // 0 .. 300
    void SetHorizontalScaling(int value);           // 10 .. 300 (percent)
    void SetLeading(float value);                   // 0 .. 300
    void SetFont(TPdfFont* font) { m_font = font; } // font of the document, or null

private:
    float m_wordSpace = 0;
    float m_charSpace = 0;
    float m_fontSize = 0;
    TPdfFont* m_font = nullptr;
    float m_leading = 0;
    uint16_t m_horizontalScaling = 100;
};

enum class TPdfLineCap { Butt = 0, Round = 1, ProjectingSquare = 2 };

// Appends drawing operators to the current page's content stream; each ends with "\n" and its
// numbers are PdfNumberText. Before the first AddPage the operators are dropped.
// Colours are 0x00BBGGRR (red in the low byte); values with the top bit set count as 0.
class TPdfCanvas {
public:
    explicit TPdfCanvas(TPdfDoc& doc) : m_doc(doc) {}
    TPdfCanvas(const TPdfCanvas&) = delete;
    TPdfCanvas& operator=(const TPdfCanvas&) = delete;

    void SaveState();                 // q
    void RestoreState();              // Q
    void SetLineWidth(float w);       // w
    void SetLineCap(TPdfLineCap cap); // J
    void MoveTo(float x, float y);    // m
    void LineTo(float x, float y);    // l
    // The same with whole numbers of the current user space's units: short integers where a
    // scaled space makes the page's points fractions.
    void MoveToUnits(int64_t x, int64_t y); // m
    void LineToUnits(int64_t x, int64_t y); // l
    // A separate straight subpath in those units: "x1 y1 m\nx2 y2 l\n" (a dot where the ends
    // meet, which shows with round caps).
    void SegmentUnits(int64_t x1, int64_t y1, int64_t x2, int64_t y2); // m l
    // Maps user space x, y to a x + c y + e, b x + d y + f of the space so far.
    void Concat(double a, double b, double c, double d, double e, double f); // cm
    void ClosePath();                                                        // h
    void EndPath();                                                          // n
    void Stroke();                                                           // S
    void Fill();                                                             // f
    void Clip();                                                             // W
    void BeginText();                                                        // BT
    void EndText();                                                          // ET
    void MoveTextPoint(float x, float y);                                    // Td
    void ShowText(std::string_view text);                                    // (text) Tj
    // BT, x y Td, (text) Tj, ET.
    void TextOut(float x, float y, std::string_view text);
    void SetFillColor(uint32_t colour);   // r g b rg
    void SetStrokeColor(uint32_t colour); // r g b RG
    // "/Fn size Tf" unless the font and size are the current ones; adds the font to the page's
    // resources. Throws for a font name no kind is registered under.
    void SetFont(const std::string& name, float size);
    // The width of text in points in the current font, size, spacing and scaling.
    float TextWidth(std::string_view text) const;

    // EPdfInvalidOperation ("GetPage --the Page is nil") before the first page.
    TPdfDictionary& GetPage() const;
    bool HasPage() const { return m_page != nullptr; }
    // The "MediaBox" width and height of the current page (the document's new-page size when
    // the page has none).
    int PageWidth() const;
    int PageHeight() const;
    TPdfCanvasAttribute& Attribute() { return m_attr; }

    // Stores the text state in the current page (internal entries), makes page current and
    // takes its text state, or the default one (Arial 10). Used by TPdfDoc::AddPage.
    void SetPage(TPdfDictionary* page);
    // Forgets the page and its content stream (the document is being freed).
    void Reset();

private:
    void Op(std::string_view op);
    void Numbers(float a, float b, std::string_view op);
    void Integers(int64_t a, int64_t b, std::string_view op);
    void Colour(uint32_t colour, std::string_view op);

    TPdfDoc& m_doc;
    TPdfDictionary* m_page = nullptr;
    std::string* m_contents = nullptr;
    TPdfCanvasAttribute m_attr;
};

enum class TPdfCompressionMethod { None, Flate };

class TPdfPageDeflater;

class TPdfDoc {
public:
    TPdfDoc();
    ~TPdfDoc();
    TPdfDoc(const TPdfDoc&) = delete;
    TPdfDoc& operator=(const TPdfDoc&) = delete;

    // Settings: set them before StartDocument or between pages; AddPage uses the ones in force.
    uint16_t NewPageWidth = 596;
    uint16_t NewPageHeight = 842;
    TPdfCompressionMethod ContentCompression = TPdfCompressionMethod::None;
    // The deflate level of the pages' content streams (DeflateBytes).
    int DeflateLevel = kDeflateLevel;
    // Threads that deflate the content streams (0: one per core). A page is finished when the
    // next one starts: on one thread it is deflated then; with more, that many threads of the
    // document's own deflate the finished pages, several at once, while the next ones are drawn.
    // Either way a finished page keeps only its deflated bytes from then on.
    int Threads = 0;
    bool WithOutlines = false;

    // Discards any document and builds a new empty one: catalog (1), information (2) and the
    // page tree root (3) with outlines off.
    void StartDocument();
    // Appends a page to the page tree and makes it the canvas's page. The page's content
    // stream starts with "/F0 10 Tf\n" (the default text state).
    void AddPage();
    // EPdfInvalidOperation ("GetCanvas --Document is null") without a document.
    TPdfCanvas& GetCanvas();
    // The document's font of that name, created on first use as F0, F1, ...
    TPdfFont& GetFont(const std::string& name);
    TPdfFont& CreateFont(const std::string& name);
    // Writes the whole file from position 0 of stream. The content streams not yet deflated are
    // deflated on all cores first; the bytes do not depend on the number of threads. Fails
    // without a document or without a page, before writing anything.
    void SaveToStream(TStream& stream);
    void FreeDocument();

    bool HasDocument() const { return m_hasDocument; }
    TPdfXref& Xref() { return *m_xref; }
    TPdfDictionary* CurrentPages() const { return m_currentPages; }
    TPdfInfo* Info() const { return m_info; }
    TPdfCatalog* Root() const { return m_root; }
    int PageCount() const { return m_pageCount; }
    // The bytes the content streams of the finished pages (all but the last) hold in memory:
    // a compressed page's data until it is deflated, then only its deflated bytes.
    int64_t FinishedPagesBytes() const { return m_finishedBytes; }

private:
    // The page before the one being added is done: deflates it (now or on the document's
    // threads) and frees its data once deflated.
    void FinishPage(TPdfStream& contents);

    std::unique_ptr<TPdfCanvas> m_canvas;
    std::unique_ptr<TPdfXref> m_xref;
    std::unique_ptr<TPdfDictionary> m_trailer;
    std::vector<std::unique_ptr<TPdfFont>> m_fontList;
    std::vector<std::unique_ptr<TPdfDictionaryWrapper>> m_wrapperList;
    TPdfCatalog* m_root = nullptr;
    TPdfInfo* m_info = nullptr;
    TPdfDictionary* m_outlineRoot = nullptr;
    TPdfDictionary* m_currentPages = nullptr;
    std::vector<TPdfStream*> m_contentStreams;
    // Deflates finished pages while later ones are drawn; stopped before the streams go.
    std::unique_ptr<TPdfPageDeflater> m_deflater;
    size_t m_largestContents = 0;             // the largest content stream of the pages before
    std::atomic<int64_t> m_finishedBytes = 0; // changed by the deflating threads too
    int m_pageCount = 0;
    bool m_hasDocument = false;
};
