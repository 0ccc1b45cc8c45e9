#include "pdf/PdfDoc.h"

#include "base/Errors.h"
#include "base/Parallel.h"
#include "base/Streams.h"
#include "pdf/PdfFonts.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

// ---- clock ----

namespace {

TPdfDateTime LocalNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

TPdfClock& Clock() {
    static TPdfClock clock = LocalNow;
    return clock;
}

} // namespace

TPdfClock SetPdfClock(TPdfClock clock) {
    TPdfClock previous = std::move(Clock());
    Clock() = clock ? std::move(clock) : TPdfClock(LocalNow);
    return previous;
}

TPdfDateTime PdfNow() {
    return Clock()();
}

// ---- cross-reference table ----

TPdfXref::TPdfXref() {
    TPdfXrefEntry head;
    head.EntryType = 'f';
    head.ByteOffset = 0;
    head.GenerationNumber = 65535;
    m_entries.push_back(std::move(head));
}

TPdfObject& TPdfXref::AddObject(std::unique_ptr<TPdfObject> object) {
    if (!object || object->ObjectKind() != TPdfObjectKind::Direct)
        throw EPdfInvalidOperation("AddObject --wrong object type.");
    object->SetObjectNumber(static_cast<int>(m_entries.size()));
    TPdfXrefEntry entry;
    entry.Object = std::move(object);
    m_entries.push_back(std::move(entry));
    return *m_entries.back().Object;
}

TPdfObject* TPdfXref::GetObject(int objectNumber) const {
    if (objectNumber < 1 || static_cast<size_t>(objectNumber) >= m_entries.size())
        return nullptr;
    return m_entries[static_cast<size_t>(objectNumber)].Object.get();
}

// ---- wrappers ----

void TPdfInfo::SetCreationDate(const TPdfDateTime& date) {
    Data()->AddItem("CreationDate", std::make_unique<TPdfText>(PdfDateText(date)));
}

void TPdfInfo::SetModDate(const TPdfDateTime& date) {
    Data()->AddItem("ModDate", std::make_unique<TPdfText>(PdfDateText(date)));
}

void TPdfCatalog::SetPages(const TPdfDictionary& pages) {
    if (TypeOf(pages) == "Pages")
        Data()->AddItem("Pages", pages);
}

int TPdfFont::GetCharWidth(std::string_view, size_t) const {
    return 0;
}

// ---- text state ----

void TPdfCanvasAttribute::SetWordSpace(float value) {
    if (!(value >= 0))
        throw EPdfInvalidValue("SetWordSpace --invalid word space");
    m_wordSpace = value;
}

void TPdfCanvasAttribute::SetCharSpace(float value) {
    if (!(value >= -30 && value <= 300))
        throw EPdfInvalidValue("SetCharSpace --invalid char space");
    m_charSpace = value;
}

void TPdfCanvasAttribute::SetFontSize(float value) {
    if (!(value >= 0 && value <= 300))
        throw EPdfInvalidValue("SetFontSize --invalid font size");
    m_fontSize = value;
}

void TPdfCanvasAttribute::SetHorizontalScaling(int value) {
    if (value < 10 || value > 300)
        throw EPdfInvalidValue("SetHorizontalScaling --invalid horizontal scaling");
    m_horizontalScaling = static_cast<uint16_t>(value);
}

void TPdfCanvasAttribute::SetLeading(float value) {
    if (!(value >= 0 && value <= 300))
        throw EPdfInvalidValue("SetLeading --invalid leading");
    m_leading = value;
}

// ---- canvas ----

void TPdfCanvas::Op(std::string_view op) {
    if (m_contents)
        m_contents->append(op);
}

void TPdfCanvas::Numbers(float a, float b, std::string_view op) {
    if (!m_contents)
        return;
    AppendPdfNumber(*m_contents, a);
    m_contents->push_back(' ');
    AppendPdfNumber(*m_contents, b);
    m_contents->append(op);
}

namespace {

// "a b" and the operator (of at most 4 bytes) at out; returns the end. Needs 46 bytes.
char* PutIntegers(char* out, int64_t a, int64_t b, std::string_view op) {
    out = std::to_chars(out, out + 20, a).ptr;
    *out++ = ' ';
    out = std::to_chars(out, out + 20, b).ptr;
    return std::copy_n(op.data(), std::min<size_t>(op.size(), 4), out);
}

} // namespace

void TPdfCanvas::Integers(int64_t a, int64_t b, std::string_view op) {
    if (!m_contents)
        return;
    // Put together first and appended once: a pattern sheet's page takes a few hundred
    // thousand of these, and every small append costs as much as the digits.
    char buf[48];
    m_contents->append(buf, static_cast<size_t>(PutIntegers(buf, a, b, op) - buf));
}

void TPdfCanvas::SegmentUnits(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    if (!m_contents)
        return;
    char buf[96];
    char* end = PutIntegers(buf, x1, y1, " m\n");
    end = PutIntegers(end, x2, y2, " l\n");
    m_contents->append(buf, static_cast<size_t>(end - buf));
}

void TPdfCanvas::Colour(uint32_t colour, std::string_view op) {
    if (!m_contents)
        return;
    if (colour & 0x80000000u) // a negative colour value
        colour = 0;
    AppendPdfNumber(*m_contents, (colour & 0xFF) / 255.0);
    m_contents->push_back(' ');
    AppendPdfNumber(*m_contents, ((colour >> 8) & 0xFF) / 255.0);
    m_contents->push_back(' ');
    AppendPdfNumber(*m_contents, ((colour >> 16) & 0xFF) / 255.0);
    m_contents->append(op);
}

void TPdfCanvas::SaveState() {
    Op("q\n");
}
void TPdfCanvas::RestoreState() {
    Op("Q\n");
}
void TPdfCanvas::ClosePath() {
    Op("h\n");
}
void TPdfCanvas::EndPath() {
    Op("n\n");
}
void TPdfCanvas::Stroke() {
    Op("S\n");
}
void TPdfCanvas::Fill() {
    Op("f\n");
}
void TPdfCanvas::Clip() {
    Op("W\n");
}
void TPdfCanvas::BeginText() {
    Op("BT\n");
}
void TPdfCanvas::EndText() {
    Op("ET\n");
}

void TPdfCanvas::SetLineWidth(float w) {
    if (!m_contents)
        return;
    AppendPdfNumber(*m_contents, w);
    m_contents->append(" w\n");
}

void TPdfCanvas::SetLineCap(TPdfLineCap cap) {
    if (!m_contents)
        return;
    m_contents->push_back(static_cast<char>('0' + static_cast<int>(cap)));
    m_contents->append(" J\n");
}

void TPdfCanvas::MoveTo(float x, float y) {
    Numbers(x, y, " m\n");
}
void TPdfCanvas::LineTo(float x, float y) {
    Numbers(x, y, " l\n");
}
void TPdfCanvas::MoveToUnits(int64_t x, int64_t y) {
    Integers(x, y, " m\n");
}
void TPdfCanvas::LineToUnits(int64_t x, int64_t y) {
    Integers(x, y, " l\n");
}

void TPdfCanvas::Concat(double a, double b, double c, double d, double e, double f) {
    if (!m_contents)
        return;
    for (const double v : {a, b, c, d, e, f}) {
        AppendPdfNumber(*m_contents, v);
        m_contents->push_back(' ');
    }
    m_contents->append("cm\n");
}

void TPdfCanvas::MoveTextPoint(float x, float y) {
    Numbers(x, y, " Td\n");
}

void TPdfCanvas::ShowText(std::string_view text) {
    if (!m_contents)
        return;
    if (!HasDoubleByteChar(text)) {
        m_contents->push_back('(');
        AppendEscapedText(*m_contents, text);
        m_contents->push_back(')');
    } else {
        m_contents->append("<" + HexText(text) + ">");
    }
    m_contents->append(" Tj\n");
}

void TPdfCanvas::TextOut(float x, float y, std::string_view text) {
    BeginText();
    MoveTextPoint(x, y);
    ShowText(text);
    EndText();
}

void TPdfCanvas::SetFillColor(uint32_t colour) {
    Colour(colour, " rg\n");
}
void TPdfCanvas::SetStrokeColor(uint32_t colour) {
    Colour(colour, " RG\n");
}

void TPdfCanvas::SetFont(const std::string& name, float size) {
    if (!(size >= 0 && size <= 300))
        throw EPdfInvalidValue("SetFont --invalid font size");
    TPdfFont& font = m_doc.GetFont(name);
    if (&font == m_attr.Font() && size == m_attr.FontSize())
        return;
    if (m_page) {
        const std::string resource = font.Data()->PdfNameByName("Name")->Value();
        TPdfDictionary* resources = m_page->PdfDictionaryByName("Resources");
        TPdfDictionary* fonts = resources ? resources->PdfDictionaryByName("Font") : nullptr;
        if (fonts && !fonts->ValueByName(resource))
            fonts->AddItem(resource, *font.Data());
        m_contents->push_back('/');
        m_contents->append(EscapeName(resource));
        m_contents->push_back(' ');
        AppendPdfNumber(*m_contents, size);
        m_contents->append(" Tf\n");
    }
    m_attr.SetFont(&font);
    m_attr.SetFontSize(size);
}

float TPdfCanvas::TextWidth(std::string_view text) const {
    const TPdfFont* font = m_attr.Font();
    float result = 0;
    for (size_t i = 1; i <= text.size(); ++i) {
        const int w = font ? font->GetCharWidth(text, i) : 0;
        float c = static_cast<float>(w) * m_attr.FontSize() / 1000;
        if (m_attr.HorizontalScaling() != 100)
            c = static_cast<float>(m_attr.HorizontalScaling()) * c / 100;
        if (c > 0)
            result += m_attr.CharSpace() + c;
        if (text[i - 1] == ' ' && i < text.size() && m_attr.WordSpace() > 0)
            result += m_attr.WordSpace();
    }
    return result - m_attr.CharSpace();
}

TPdfDictionary& TPdfCanvas::GetPage() const {
    if (!m_page)
        throw EPdfInvalidOperation("GetPage --the Page is nil");
    return *m_page;
}

int TPdfCanvas::PageWidth() const {
    const TPdfArray* box = GetPage().PdfArrayByName("MediaBox");
    const auto* n = box ? dynamic_cast<const TPdfNumber*>(box->ItemByIndex(2)) : nullptr;
    return n ? n->Value() : m_doc.NewPageWidth;
}

int TPdfCanvas::PageHeight() const {
    const TPdfArray* box = GetPage().PdfArrayByName("MediaBox");
    const auto* n = box ? dynamic_cast<const TPdfNumber*>(box->ItemByIndex(3)) : nullptr;
    return n ? n->Value() : m_doc.NewPageHeight;
}

void TPdfCanvas::SetPage(TPdfDictionary* page) {
    if (m_page) {
        // The text state of the page being left stays with it, in memory only.
        m_page->AddInternalItem(
            "_Font", std::make_unique<TPdfName>(m_attr.Font() ? m_attr.Font()->FontName() : ""));
        m_page->AddInternalItem("_Font_Size", std::make_unique<TPdfReal>(m_attr.FontSize()));
        m_page->AddInternalItem("_Word_Space", std::make_unique<TPdfReal>(m_attr.WordSpace()));
        m_page->AddInternalItem("_Char_Space", std::make_unique<TPdfReal>(m_attr.CharSpace()));
        m_page->AddInternalItem("_HScalling",
                                std::make_unique<TPdfNumber>(m_attr.HorizontalScaling()));
        m_page->AddInternalItem("_Leading", std::make_unique<TPdfReal>(m_attr.Leading()));
    }
    m_page = page;
    m_contents = nullptr;
    if (!page)
        return;
    if (auto* stream = dynamic_cast<TPdfStream*>(page->ValueByName("Contents")))
        m_contents = &stream->StreamData();
    auto real = [&](const char* key) {
        const TPdfReal* r = page->PdfRealByName(key);
        return r ? static_cast<float>(r->Value()) : 0.0f;
    };
    const TPdfName* fontName = page->PdfNameByName("_Font");
    if (fontName && !fontName->Value().empty()) {
        m_attr.SetFont(&m_doc.GetFont(fontName->Value()));
        m_attr.SetFontSize(real("_Font_Size"));
        m_attr.SetWordSpace(real("_Word_Space"));
        m_attr.SetCharSpace(real("_Char_Space"));
        const TPdfNumber* scaling = page->PdfNumberByName("_HScalling");
        m_attr.SetHorizontalScaling(scaling ? scaling->Value() : 100);
        m_attr.SetLeading(real("_Leading"));
    } else {
        m_attr.SetFont(nullptr);
        SetFont("Arial", 10);
        m_attr.SetCharSpace(0);
        m_attr.SetWordSpace(0);
        m_attr.SetHorizontalScaling(100);
        m_attr.SetLeading(0);
    }
}

void TPdfCanvas::Reset() {
    m_page = nullptr;
    m_contents = nullptr;
    m_attr = TPdfCanvasAttribute();
}

// ---- deflating pages while others are drawn ----

namespace {

// Keeps only the deflated bytes of a finished page's content stream and counts the change in
// held: a long document holds each page's data only until it is deflated.
void KeepOnlyEncoded(TPdfStream& stream, std::atomic<int64_t>& held) {
    const auto before = static_cast<int64_t>(stream.HeldBytes());
    stream.KeepOnlyEncoded();
    // Added before taking away: whoever reads held meanwhile never sees less than is held.
    held += static_cast<int64_t>(stream.HeldBytes());
    held -= before;
}

} // namespace

// Deflates the content streams of finished pages on a few threads of its own, in the order they
// finish, while the caller draws the next pages, and frees each page's data once deflated. Each
// stream's bytes depend on its own data only, so the file is the same whichever thread deflates
// which page. At most a few pages per thread wait: a caller drawing faster than they deflate
// waits for a page to be done.
class TPdfPageDeflater {
public:
    TPdfPageDeflater(size_t workers, std::atomic<int64_t>& held)
        : m_limit(2 * workers), m_held(held) {
        for (size_t i = 0; i < workers; ++i)
            m_workers.emplace_back([this] {
                while (TPdfStream* stream = Take(true))
                    Encode(*stream);
            });
    }
    TPdfPageDeflater(const TPdfPageDeflater&) = delete;
    TPdfPageDeflater& operator=(const TPdfPageDeflater&) = delete;
    // Drops what is still queued: the document is being freed.
    ~TPdfPageDeflater() {
        {
            std::lock_guard lock(m_mutex);
            m_pending -= m_queue.size();
            m_queue.clear();
        }
        Stop();
    }

    // The stream is not changed again until Finish returns. Waits while the pages submitted and
    // not yet deflated reach the limit.
    void Submit(TPdfStream& stream) {
        {
            std::unique_lock lock(m_mutex);
            m_done.wait(lock, [&] { return m_pending < m_limit; });
            m_queue.push_back(&stream);
            ++m_pending;
        }
        m_ready.notify_one();
    }

    // Deflates what is still queued on the calling thread too, waits for the workers and passes
    // on the first failure.
    void Finish() {
        while (TPdfStream* stream = Take(false))
            Encode(*stream);
        Stop();
        if (m_failure)
            std::rethrow_exception(std::exchange(m_failure, nullptr));
    }

private:
    // The next queued stream; null once the queue is empty (when waiting: empty and stopping).
    TPdfStream* Take(bool wait) {
        std::unique_lock lock(m_mutex);
        if (wait)
            m_ready.wait(lock, [&] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return nullptr;
        TPdfStream* stream = m_queue.front();
        m_queue.pop_front();
        return stream;
    }

    void Encode(TPdfStream& stream) {
        std::exception_ptr failure;
        try {
            KeepOnlyEncoded(stream, m_held);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            std::lock_guard lock(m_mutex);
            if (failure && !m_failure)
                m_failure = failure;
            --m_pending;
        }
        m_done.notify_one();
    }

    void Stop() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_ready.notify_all();
        m_workers.clear(); // the jthreads join as they go
    }

    const size_t m_limit;
    std::atomic<int64_t>& m_held;
    std::mutex m_mutex;
    std::condition_variable m_ready; // a page was queued, or the workers stop
    std::condition_variable m_done;  // a page was deflated
    std::deque<TPdfStream*> m_queue;
    size_t m_pending = 0; // queued or being deflated
    bool m_stopping = false;
    std::exception_ptr m_failure;
    std::vector<std::jthread> m_workers;
};

// ---- document ----

namespace {

// The most threads that deflate pages while others are drawn.
constexpr size_t kMaxPageDeflaters = 16;

} // namespace

TPdfDoc::TPdfDoc() : m_canvas(std::make_unique<TPdfCanvas>(*this)) {}

TPdfDoc::~TPdfDoc() {
    FreeDocument();
}

void TPdfDoc::FreeDocument() {
    if (!m_hasDocument)
        return;
    m_deflater.reset();
    m_canvas->Reset();
    while (!m_fontList.empty())
        m_fontList.pop_back();
    while (!m_wrapperList.empty())
        m_wrapperList.pop_back();
    m_xref.reset();
    m_trailer.reset();
    m_root = nullptr;
    m_info = nullptr;
    m_outlineRoot = nullptr;
    m_currentPages = nullptr;
    m_contentStreams.clear();
    m_largestContents = 0;
    m_finishedBytes = 0;
    m_pageCount = 0;
    m_hasDocument = false;
}

void TPdfDoc::StartDocument() {
    FreeDocument();
    m_xref = std::make_unique<TPdfXref>();
    TPdfXref& xref = *m_xref;
    m_trailer = std::make_unique<TPdfDictionary>(&xref);
    m_trailer->AddItem("Size", std::make_unique<TPdfNumber>(0));

    auto& catalog = xref.Add(std::make_unique<TPdfDictionary>(&xref));
    catalog.AddItem("Type", std::make_unique<TPdfName>("Catalog"));
    m_trailer->AddItem("Root", catalog);
    auto root = std::make_unique<TPdfCatalog>();
    root->SetData(&catalog);
    m_root = root.get();
    m_wrapperList.push_back(std::move(root));

    if (WithOutlines) {
        auto& outlines = xref.Add(std::make_unique<TPdfDictionary>(&xref));
        outlines.AddItem("Type", std::make_unique<TPdfName>("Outlines"));
        catalog.AddItem("Outlines", outlines);
        m_outlineRoot = &outlines;
    }

    auto& infoDict = xref.Add(std::make_unique<TPdfDictionary>(&xref));
    infoDict.AddItem("Producer", std::make_unique<TPdfText>("Varnel"));
    m_trailer->AddItem("Info", infoDict);
    auto info = std::make_unique<TPdfInfo>();
    info->SetData(&infoDict);
    m_info = info.get();
    m_wrapperList.push_back(std::move(info));
    m_info->SetCreationDate(PdfNow());

    auto& pages = xref.Add(std::make_unique<TPdfDictionary>(&xref));
    pages.AddItem("Type", std::make_unique<TPdfName>("Pages"));
    pages.AddItem("Kids", std::make_unique<TPdfArray>(&xref));
    pages.AddItem("Count", std::make_unique<TPdfNumber>(0));
    m_root->SetPages(pages);
    m_root->SetPages(pages);
    m_currentPages = &pages;
    m_hasDocument = true;
}

void TPdfDoc::AddPage() {
    if (!m_currentPages)
        throw EPdfInvalidOperation("AddPage --current pages null.");
    TPdfXref& xref = *m_xref;
    // The content stream first: a level out of range fails before the document changes.
    auto newContents = std::make_unique<TPdfStream>(&xref);
    if (ContentCompression == TPdfCompressionMethod::Flate) {
        newContents->SetDeflateLevel(DeflateLevel);
        newContents->Attributes().PdfArrayByName("Filter")->AddItem(
            std::make_unique<TPdfName>("FlateDecode"));
    }
    if (!m_contentStreams.empty())
        FinishPage(*m_contentStreams.back());
    auto& page = xref.Add(std::make_unique<TPdfDictionary>(&xref));
    TPdfArray* kids = m_currentPages->PdfArrayByName("Kids");
    kids->AddItem(page);
    m_currentPages->PdfNumberByName("Count")->SetValue(static_cast<int32_t>(kids->ItemCount()));

    page.AddItem("Type", std::make_unique<TPdfName>("Page"));
    page.AddItem("Parent", *m_currentPages);
    page.AddItem("MediaBox", std::make_unique<TPdfArray>(
                                 &xref, std::vector<int>{0, 0, NewPageWidth, NewPageHeight}));
    auto resources = std::make_unique<TPdfDictionary>(&xref);
    resources->AddItem("Font", std::make_unique<TPdfDictionary>(&xref));
    resources->AddItem("XObject", std::make_unique<TPdfDictionary>(&xref));
    auto procSet = std::make_unique<TPdfArray>(&xref);
    for (const char* name : {"PDF", "Text", "ImageC"})
        procSet->AddItem(std::make_unique<TPdfName>(name));
    resources->AddItem("ProcSet", std::move(procSet));
    page.AddItem("Resources", std::move(resources));
    auto& contents = xref.Add(std::move(newContents));
    page.AddItem("Contents", contents);
    // Pages of one document are much alike: room for a little more than the largest page so
    // far saves growing the contents step by step, copying it each time.
    if (!m_contentStreams.empty())
        contents.StreamData().reserve(m_largestContents + m_largestContents / 8);
    m_contentStreams.push_back(&contents);
    ++m_pageCount;
    m_canvas->SetPage(&page);
}

void TPdfDoc::FinishPage(TPdfStream& contents) {
    m_largestContents = std::max(m_largestContents, contents.StreamData().size());
    if (!contents.IsCompressed()) {
        m_finishedBytes += static_cast<int64_t>(contents.HeldBytes());
        return;
    }
    // Deflated while the next page is drawn, its data freed then: on one thread right away
    // (a failure leaves the document as it was), else on the document's own threads.
    const size_t threads = ParallelThreadCount(Threads, kMaxPageDeflaters);
    if (threads <= 1 && !m_deflater) {
        contents.KeepOnlyEncoded();
        m_finishedBytes += static_cast<int64_t>(contents.HeldBytes());
        return;
    }
    if (!m_deflater)
        m_deflater = std::make_unique<TPdfPageDeflater>(threads, m_finishedBytes);
    m_finishedBytes += static_cast<int64_t>(contents.HeldBytes()); // before a worker changes it
    m_deflater->Submit(contents);
}

TPdfCanvas& TPdfDoc::GetCanvas() {
    if (!m_hasDocument)
        throw EPdfInvalidOperation("GetCanvas --Document is null");
    return *m_canvas;
}

TPdfFont& TPdfDoc::GetFont(const std::string& name) {
    if (!m_hasDocument)
        throw EPdfInvalidOperation("GetFont --document is null.");
    for (const auto& f : m_fontList)
        if (f->FontName() == name)
            return *f;
    return CreateFont(name);
}

TPdfFont& TPdfDoc::CreateFont(const std::string& name) {
    if (!m_hasDocument)
        throw EPdfInvalidOperation("GetFont --document is null.");
    std::unique_ptr<TPdfFont> font = CreatePdfFontByName(*m_xref, name);
    font->Data()->AddItem("Name",
                          std::make_unique<TPdfName>("F" + std::to_string(m_fontList.size())));
    m_fontList.push_back(std::move(font));
    return *m_fontList.back();
}

namespace {

// Deflates every compressed stream ahead of writing, one stream per task, on all cores. Each
// stream's bytes depend only on its own data, so the file does not depend on the thread count.
void PrepareStreams(const std::vector<TPdfStream*>& streams, int threadCount) {
    std::vector<TPdfStream*> work;
    for (TPdfStream* s : streams)
        if (s->IsCompressed())
            work.push_back(s);
    ParallelFor(work.size(), threadCount, [&](size_t i) { work[i]->PrepareEncoded(); });
}

void AppendPadded(std::string& out, int64_t value, int width) {
    char buf[20];
    for (int i = width - 1; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(buf, static_cast<size_t>(width));
}

} // namespace

void TPdfDoc::SaveToStream(TStream& stream) {
    if (!m_hasDocument)
        throw EPdfInvalidOperation("SaveToStream --there is no document to save.");
    m_canvas->GetPage(); // a document without pages fails here, before anything is written

    m_info->SetModDate(PdfNow());
    m_root->Data()->RemoveItem("OpenAction");
    if (m_outlineRoot)
        m_outlineRoot->AddItem("Count", std::make_unique<TPdfNumber>(0));
    if (m_deflater) {
        const std::unique_ptr<TPdfPageDeflater> deflater = std::move(m_deflater);
        deflater->Finish();
    }
    // Whatever is not deflated yet: the last page, whose data stays (more may be drawn on it),
    // and every page when deflating was off.
    PrepareStreams(m_contentStreams, Threads);

    stream.SetPosition(0);
    TPdfWriter out(stream);
    out.Write("%PDF-1.2 \r\n");
    TPdfXref& xref = *m_xref;
    for (size_t i = 1; i < xref.ItemCount(); ++i) {
        TPdfXrefEntry& entry = xref.Items(i);
        entry.ByteOffset = out.Position();
        entry.Object->WriteObjectToStream(out);
    }

    const int64_t xrefAddress = out.Position();
    std::string table = "xref\r\n0 " + std::to_string(xref.ItemCount()) + "\r\n";
    table.reserve(table.size() + 20 * xref.ItemCount());
    for (size_t i = 0; i < xref.ItemCount(); ++i) {
        const TPdfXrefEntry& entry = xref.Items(i);
        AppendPadded(table, std::max<int64_t>(entry.ByteOffset, 0), 10);
        table.push_back(' ');
        AppendPadded(table, entry.GenerationNumber, 5);
        table.push_back(' ');
        table.push_back(entry.EntryType);
        table.append("\r\n");
    }
    out.Write(table);

    m_trailer->PdfNumberByName("Size")->SetValue(static_cast<int32_t>(xref.ItemCount()));
    out.Write("trailer\r\n");
    m_trailer->WriteValueToStream(out);
    out.Write("\r\nstartxref\r\n");
    out.WriteInt(xrefAddress);
    out.Write("\r\n%%EOF\r\n");
    out.Flush();
}
