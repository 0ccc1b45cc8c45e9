#include "pdf/PdfTypes.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/Streams.h"

#include <libdeflate.h>

#include <charconv>
#include <cmath>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr size_t kWriterBufferSize = 1 << 16;

// Appends a decimal integer.
void AppendInt(std::string& out, int64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

// General decimal notation with at most 15 significant digits, like "%.15g" in the C locale.
void AppendGeneral(std::string& out, double value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    out.append(buf, r.ptr);
}

// Windows-1252 code points of the bytes 0x80..0x9F; the five unassigned ones map to themselves.
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

// ---- writer and text helpers ----

TPdfWriter::TPdfWriter(TStream& target) : m_target(target) {
    m_buffer.reserve(kWriterBufferSize);
}

void TPdfWriter::Write(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kWriterBufferSize) {
        Flush();
        if (bytes.size() >= kWriterBufferSize) {
            m_target.WriteBuffer(bytes.data(), bytes.size());
            m_flushed += static_cast<int64_t>(bytes.size());
            return;
        }
    }
    m_buffer.append(bytes);
}

void TPdfWriter::Write(char byte) {
    if (m_buffer.size() + 1 > kWriterBufferSize)
        Flush();
    m_buffer.push_back(byte);
}

void TPdfWriter::WriteInt(int64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    Write(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

void TPdfWriter::Flush() {
    if (m_buffer.empty())
        return;
    m_target.WriteBuffer(m_buffer.data(), m_buffer.size());
    m_flushed += static_cast<int64_t>(m_buffer.size());
    m_buffer.clear();
}

void WriteString(std::string_view text, TPdfWriter& out) {
    out.Write(text);
}

void AppendPdfNumber(std::string& out, double x) {
    const double scaled = std::trunc(x * 100 + 0.5);
    // Hundredths as an integer, written exactly; far outside what a page holds (or not a
    // number at all), the general form of the rounded value serves.
    if (!(std::fabs(scaled) < 1e15)) {
        AppendGeneral(out, scaled / 100);
        return;
    }
    const int64_t hundredths = static_cast<int64_t>(scaled);
    const uint64_t magnitude =
        hundredths < 0 ? static_cast<uint64_t>(-hundredths) : static_cast<uint64_t>(hundredths);
    if (hundredths < 0)
        out.push_back('-');
    AppendInt(out, static_cast<int64_t>(magnitude / 100));
    const unsigned fraction = static_cast<unsigned>(magnitude % 100);
    if (fraction != 0) {
        out.push_back('.');
        out.push_back(static_cast<char>('0' + fraction / 10));
        if (fraction % 10 != 0)
            out.push_back(static_cast<char>('0' + fraction % 10));
    }
}

int64_t PdfHundredths(double x) {
    return static_cast<int64_t>(std::trunc(x * 100 + 0.5));
}

std::string PdfNumberText(double x) {
    std::string s;
    AppendPdfNumber(s, x);
    return s;
}

std::string PdfDateText(const TPdfDateTime& d) {
    std::string s = "D:";
    auto digits = [&](int value, int width) {
        char buf[8];
        for (int i = width - 1; i >= 0; --i) {
            buf[i] = static_cast<char>('0' + (value % 10 + 10) % 10);
            value /= 10;
        }
        s.append(buf, static_cast<size_t>(width));
    };
    digits(d.Year, 4);
    digits(d.Month, 2);
    digits(d.Day, 2);
    digits(d.Hour, 2);
    digits(d.Minute, 2);
    digits(d.Second, 2);
    return s;
}

void AppendEscapedText(std::string& out, std::string_view text) {
    for (const char c : text) {
        char escaped = 0;
        switch (c) {
        case '(':
            escaped = '(';
            break;
        case ')':
            escaped = ')';
            break;
        case '\\':
            escaped = '\\';
            break;
        case '\r':
            escaped = 'r';
            break;
        case '\n':
            escaped = 'n';
            break;
        case '\t':
            escaped = 't';
            break;
        case '\b':
            escaped = 'b';
            break;
        case '\f':
            escaped = 'f';
            break;
        default:
            break;
        }
        if (escaped) {
            out.push_back('\\');
            out.push_back(escaped);
        } else {
            out.push_back(c);
        }
    }
}

std::string EscapeText(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    AppendEscapedText(s, text);
    return s;
}

std::string EscapeName(std::string_view name) {
    std::string s;
    s.reserve(name.size());
    for (const char ch : name) {
        const auto b = static_cast<uint8_t>(ch);
        bool escape = b < 33 || b > 126;
        switch (b) {
        case '#':
        case '%':
        case '(':
        case ')':
        case '/':
        case '<':
        case '>':
        case '[':
        case ']':
        case '{':
        case '}':
            escape = true;
            break;
        default:
            break;
        }
        if (escape) {
            s.push_back('#');
            s.push_back(kHexDigits[b >> 4]);
            s.push_back(kHexDigits[b & 15]);
        } else {
            s.push_back(ch);
        }
    }
    return s;
}

std::string HexText(std::string_view text) {
    std::string s;
    s.reserve(text.size() * 2);
    for (const char ch : text) {
        const auto b = static_cast<uint8_t>(ch);
        s.push_back(kHexDigits[b >> 4]);
        s.push_back(kHexDigits[b & 15]);
    }
    return s;
}

std::string UnicodeHexText(std::string_view text) {
    std::string s;
    s.reserve(text.size() * 4);
    for (const char ch : text) {
        const auto b = static_cast<uint8_t>(ch);
        const unsigned unit = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b;
        for (int shift = 12; shift >= 0; shift -= 4)
            s.push_back(kHexDigits[(unit >> shift) & 15]);
    }
    return s;
}

bool HasDoubleByteChar(std::string_view) {
    return false;
}

namespace {

constexpr int kMaxDeflateLevel = 12;

void CheckDeflateLevel(int level) {
    if (level < 1 || level > kMaxDeflateLevel)
        throw EPdfInvalidValue("Deflate --level out of range.");
}

} // namespace

std::string DeflateBytes(std::string_view data, int level) {
    CheckDeflateLevel(level);
    // One compressor per thread and level, kept: setting one up costs more than a small page's
    // deflate.
    struct TCompressors {
        libdeflate_compressor* c[kMaxDeflateLevel + 1] = {};
        ~TCompressors() {
            for (libdeflate_compressor* each : c)
                if (each)
                    libdeflate_free_compressor(each);
        }
    };
    thread_local TCompressors compressors;
    libdeflate_compressor*& compressor = compressors.c[level];
    if (!compressor)
        compressor = libdeflate_alloc_compressor(level);
    // The room for the worst case is kept too: cleared afresh for every page, it cost as much
    // as a fifth of the deflating.
    thread_local std::vector<char> room;
    if (!compressor)
        throw std::bad_alloc();
    const size_t bound = libdeflate_zlib_compress_bound(compressor, data.size());
    if (room.size() < bound)
        room.resize(bound);
    const size_t written =
        libdeflate_zlib_compress(compressor, data.data(), data.size(), room.data(), bound);
    if (written == 0)
        throw EVarnelError("Deflate --compression failed.");
    return std::string(room.data(), written);
}

// ---- objects ----

void TPdfObject::WriteToStream(TPdfWriter& out) const {
    if (m_kind == TPdfObjectKind::Direct) {
        WriteValueToStream(out);
        return;
    }
    out.WriteInt(m_objectNumber);
    out.Write(' ');
    out.WriteInt(m_generationNumber);
    out.Write(" R");
}

void TPdfObject::WriteObjectToStream(TPdfWriter& out) const {
    if (m_kind != TPdfObjectKind::Indirect)
        throw EPdfInvalidOperation("internal error wrong object type");
    out.WriteInt(m_objectNumber);
    out.Write(' ');
    out.WriteInt(m_generationNumber);
    out.Write(" obj\r\n");
    WriteValueToStream(out);
    out.Write("\r\nendobj\r\n");
}

void TPdfObject::WriteValueToStream(TPdfWriter&) const {}

void TPdfObject::SetObjectNumber(int n) {
    m_objectNumber = n;
    m_kind = n > 0 ? TPdfObjectKind::Indirect : TPdfObjectKind::Direct;
}

std::unique_ptr<TPdfVirtualObject> TPdfVirtualObject::CreateVirtual(int objectNumber) {
    std::unique_ptr<TPdfVirtualObject> v(new TPdfVirtualObject());
    v->m_objectNumber = objectNumber;
    v->m_kind = TPdfObjectKind::Virtual;
    return v;
}

void TPdfNull::WriteValueToStream(TPdfWriter& out) const {
    out.Write("null");
}

void TPdfNumber::WriteValueToStream(TPdfWriter& out) const {
    out.WriteInt(m_value);
}

void TPdfReal::WriteValueToStream(TPdfWriter& out) const {
    std::string s;
    AppendGeneral(s, m_value);
    out.Write(s);
}

void TPdfText::WriteValueToStream(TPdfWriter& out) const {
    std::string s;
    if (!HasDoubleByteChar(m_value)) {
        s.push_back('(');
        AppendEscapedText(s, m_value);
        s.push_back(')');
    } else {
        // Byte order mark, then the language escape: U+001B, "en", U+001B.
        s = "<FEFF001B" + HexText("en") + "001B" + UnicodeHexText(m_value) + ">";
    }
    out.Write(s);
}

void TPdfName::WriteValueToStream(TPdfWriter& out) const {
    out.Write('/');
    out.Write(EscapeName(m_value));
}

// ---- array ----

namespace {

// The object a container stores for value: a placeholder for indirect and virtual objects.
std::unique_ptr<TPdfObject> Storable(std::unique_ptr<TPdfObject> value) {
    if (value && value->ObjectKind() == TPdfObjectKind::Indirect)
        throw EPdfInvalidOperation("AddItem --an indirect object belongs to its object manager.");
    return value;
}

std::unique_ptr<TPdfObject> PlaceholderFor(const TPdfObject& indirect) {
    if (indirect.ObjectKind() == TPdfObjectKind::Direct)
        throw EPdfInvalidOperation("AddItem --a direct object must be handed over.");
    return TPdfVirtualObject::CreateVirtual(indirect.ObjectNumber());
}

TPdfObject* Resolve(TPdfObject* item, const TPdfObjectMgr* mgr) {
    if (item && item->ObjectKind() == TPdfObjectKind::Virtual)
        return mgr ? mgr->GetObject(item->ObjectNumber()) : nullptr;
    return item;
}

} // namespace

TPdfArray::TPdfArray(const TPdfObjectMgr* mgr, const std::vector<int>& values) : m_mgr(mgr) {
    m_items.reserve(values.size());
    for (const int v : values)
        m_items.push_back(std::make_unique<TPdfNumber>(v));
}

TPdfObject& TPdfArray::AddItem(std::unique_ptr<TPdfObject> item) {
    if (!item)
        throw EPdfInvalidValue("AddItem --internal error. wrong object.");
    m_items.push_back(Storable(std::move(item)));
    return *m_items.back();
}

void TPdfArray::AddItem(const TPdfObject& indirect) {
    m_items.push_back(PlaceholderFor(indirect));
}

TPdfObject* TPdfArray::ItemByIndex(size_t index) const {
    if (index >= m_items.size())
        return nullptr;
    return Resolve(m_items[index].get(), m_mgr);
}

TPdfObject* TPdfArray::FindName(std::string_view text) const {
    for (const auto& item : m_items) {
        if (auto* n = dynamic_cast<TPdfName*>(item.get()); n && n->Value() == text)
            return n;
        if (auto* t = dynamic_cast<TPdfText*>(item.get()); t && t->Value() == text)
            return t;
    }
    return nullptr;
}

void TPdfArray::WriteValueToStream(TPdfWriter& out) const {
    out.Write('[');
    for (const auto& item : m_items) {
        item->WriteToStream(out);
        out.Write(' ');
    }
    out.Write(']');
}

// ---- dictionary ----

TPdfDictionaryElement::TPdfDictionaryElement(std::string key, std::unique_ptr<TPdfObject> value,
                                             bool isInternal)
    : m_key(std::move(key)), m_value(std::move(value)), m_isInternal(isInternal) {
    if (!m_value)
        throw EPdfInvalidValue("internal error. wrong object.");
}

void TPdfDictionaryElement::WriteToStream(TPdfWriter& out) const {
    m_key.WriteValueToStream(out);
    out.Write(' ');
    m_value->WriteToStream(out);
}

TPdfObject& TPdfDictionary::Insert(const std::string& key, std::unique_ptr<TPdfObject> value,
                                   bool internal) {
    auto element =
        std::make_unique<TPdfDictionaryElement>(key, Storable(std::move(value)), internal);
    RemoveItem(key);
    m_items.push_back(std::move(element));
    return m_items.back()->Value();
}

TPdfObject& TPdfDictionary::AddItem(const std::string& key, std::unique_ptr<TPdfObject> value) {
    return Insert(key, std::move(value), false);
}

void TPdfDictionary::AddItem(const std::string& key, const TPdfObject& indirect) {
    Insert(key, PlaceholderFor(indirect), false);
}

TPdfObject& TPdfDictionary::AddInternalItem(const std::string& key,
                                            std::unique_ptr<TPdfObject> value) {
    return Insert(key, std::move(value), true);
}

void TPdfDictionary::RemoveItem(std::string_view key) {
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if ((*it)->Key() == key) {
            m_items.erase(it);
            return;
        }
    }
}

TPdfObject* TPdfDictionary::ValueByName(std::string_view key) const {
    for (const auto& e : m_items)
        if (e->Key() == key)
            return Resolve(&e->Value(), m_mgr);
    return nullptr;
}

TPdfNumber* TPdfDictionary::PdfNumberByName(std::string_view key) const {
    return dynamic_cast<TPdfNumber*>(ValueByName(key));
}
TPdfReal* TPdfDictionary::PdfRealByName(std::string_view key) const {
    return dynamic_cast<TPdfReal*>(ValueByName(key));
}
TPdfText* TPdfDictionary::PdfTextByName(std::string_view key) const {
    return dynamic_cast<TPdfText*>(ValueByName(key));
}
TPdfName* TPdfDictionary::PdfNameByName(std::string_view key) const {
    return dynamic_cast<TPdfName*>(ValueByName(key));
}
TPdfArray* TPdfDictionary::PdfArrayByName(std::string_view key) const {
    return dynamic_cast<TPdfArray*>(ValueByName(key));
}
TPdfDictionary* TPdfDictionary::PdfDictionaryByName(std::string_view key) const {
    return dynamic_cast<TPdfDictionary*>(ValueByName(key));
}

void TPdfDictionary::WriteValueToStream(TPdfWriter& out) const {
    out.Write("<<\r\n");
    for (const auto& e : m_items) {
        if (e->IsInternal())
            continue;
        e->WriteToStream(out);
        out.Write("\r\n");
    }
    out.Write(">>");
}

std::string TypeOf(const TPdfDictionary& dictionary) {
    const TPdfName* type = dictionary.PdfNameByName("Type");
    return type ? type->Value() : std::string();
}

// ---- stream ----

TPdfStream::TPdfStream(const TPdfObjectMgr* mgr)
    : m_attributes(std::make_unique<TPdfDictionary>(mgr)) {
    m_attributes->AddItem("Length", std::make_unique<TPdfNumber>(0));
    m_attributes->AddItem("Filter", std::make_unique<TPdfArray>(mgr));
}

bool TPdfStream::IsCompressed() const {
    const TPdfArray* filter = m_attributes->PdfArrayByName("Filter");
    return filter && filter->FindName("FlateDecode");
}

void TPdfStream::SetDeflateLevel(int level) {
    CheckDeflateLevel(level);
    m_deflateLevel = level;
}

void TPdfStream::PrepareEncoded() {
    if (m_hasEncoded)
        return;
    m_encoded = IsCompressed() ? DeflateBytes(m_data, m_deflateLevel) : m_data;
    m_hasEncoded = true;
}

size_t TPdfStream::HeldBytes() const {
    // Short strings live inside the object.
    const auto room = [](const std::string& s) {
        return s.capacity() > std::string().capacity() ? s.capacity() : 0;
    };
    return room(m_data) + room(m_encoded);
}

void TPdfStream::KeepOnlyEncoded() {
    if (m_onlyEncoded || !IsCompressed())
        return;
    // Deflated afresh: bytes prepared for a save that failed may be older than the data.
    m_encoded = DeflateBytes(m_data, m_deflateLevel);
    m_hasEncoded = true;
    std::string().swap(m_data); // clear() would keep the room
    m_onlyEncoded = true;
}

void TPdfStream::WriteValueToStream(TPdfWriter& out) const {
    std::string local;
    const std::string* bytes = &m_data;
    if (m_hasEncoded) {
        bytes = &m_encoded;
    } else if (IsCompressed()) {
        local = DeflateBytes(m_data, m_deflateLevel);
        bytes = &local;
    }
    // The entry keeps its place (first), so the value is set rather than the entry replaced.
    if (TPdfNumber* length = m_attributes->PdfNumberByName("Length"))
        length->SetValue(static_cast<int32_t>(bytes->size()));
    else
        m_attributes->AddItem("Length",
                              std::make_unique<TPdfNumber>(static_cast<int32_t>(bytes->size())));
    m_attributes->WriteValueToStream(out);
    out.Write("\r\nstream\r\n");
    out.Write(*bytes);
    out.Write("\nendstream");
    if (m_hasEncoded && !m_onlyEncoded) {
        m_encoded = std::string();
        m_hasEncoded = false;
    }
}
