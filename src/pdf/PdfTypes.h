// The PDF object model: the object classes of the writer and how each one is written as bytes.
// The writer only creates files; it never reads PDF.
//
// Ownership: an indirect object (one with an object number) belongs to the object manager that
// numbered it (the cross-reference table) and is freed by it, never by a container. Containers
// own their direct items; adding an indirect object to a container stores a new placeholder
// (TPdfVirtualObject) with the same number, which writes as "n 0 R".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TStream;

// A byte sink that counts what passes through it: the cross-reference offsets come from this
// count, never from arithmetic. Bytes are buffered and passed to the target stream with
// WriteBuffer (EWriteError on a short write); Flush() must run before the target is used.
class TPdfWriter {
public:
    explicit TPdfWriter(TStream& target);
    TPdfWriter(const TPdfWriter&) = delete;
    TPdfWriter& operator=(const TPdfWriter&) = delete;

    void Write(std::string_view bytes);
    void Write(char byte);
    // A decimal integer, "-" before negative values, no padding.
    void WriteInt(int64_t value);
    // Bytes written through this sink so far (flushed or not).
    int64_t Position() const { return m_flushed + static_cast<int64_t>(m_buffer.size()); }
    void Flush();

private:
    TStream& m_target;
    std::string m_buffer;
    int64_t m_flushed = 0;
};

// Writes the bytes of text, nothing else.
void WriteString(std::string_view text, TPdfWriter& out);

// The number form of coordinates, widths and colour components: rounded half up to two
// decimals (truncation of x * 100 + 0.5), then the shortest decimal text, "." as decimal point
// whatever the locale: 0.3 -> "0.3", 12 -> "12", 1.125 -> "1.13", -1.234 -> "-1.22".
std::string PdfNumberText(double x);
// The same, appended to out (no allocation beyond the string's growth; the canvas uses this).
void AppendPdfNumber(std::string& out, double x);
// The whole hundredths AppendPdfNumber writes x as, for x of a page's size.
int64_t PdfHundredths(double x);

// A local date and time, as the writer's clock gives it.
struct TPdfDateTime {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};
// "D:yyyymmddhhnnss" without a time zone, e.g. "D:20240131235959".
std::string PdfDateText(const TPdfDateTime& date);

// "(", ")", "\" and CR, LF, tab, backspace, form feed become two-byte escapes; other bytes stay.
std::string EscapeText(std::string_view text);
void AppendEscapedText(std::string& out, std::string_view text);
// Bytes below 33, above 126 and the delimiters # % ( ) / < > [ ] { } become "#XX".
std::string EscapeName(std::string_view name);
// Each byte as two upper-case hexadecimal digits.
std::string HexText(std::string_view text);
// Windows-1252 text as UTF-16 code units, four upper-case hexadecimal digits each, big-endian.
std::string UnicodeHexText(std::string_view text);
// True when a byte belongs to a double-byte character; never, as Windows-1252 is single-byte.
bool HasDoubleByteChar(std::string_view text);

// zlib format (header and Adler-32), on the calling thread, at a level of libdeflate (1 to 12;
// EPdfInvalidValue otherwise). Its level 6 packs content streams at least as tightly as zlib's
// best level, in a fifth of the time.
inline constexpr int kDeflateLevel = 6;
std::string DeflateBytes(std::string_view data, int level = kDeflateLevel);

enum class TPdfObjectKind { Direct, Indirect, Virtual };

class TPdfObject {
public:
    TPdfObject() = default;
    TPdfObject(const TPdfObject&) = delete;
    TPdfObject& operator=(const TPdfObject&) = delete;
    virtual ~TPdfObject() = default;

    TPdfObjectKind ObjectKind() const { return m_kind; }
    int ObjectNumber() const { return m_objectNumber; }
    int GenerationNumber() const { return m_generationNumber; }

    // A reference ("5 0 R") for indirect and virtual objects, otherwise the value.
    void WriteToStream(TPdfWriter& out) const;
    // "n 0 obj\r\n" value "\r\nendobj\r\n"; EPdfInvalidOperation unless the object is indirect.
    void WriteObjectToStream(TPdfWriter& out) const;
    // The object's own value; nothing in the base class.
    virtual void WriteValueToStream(TPdfWriter& out) const;
    // Indirect for n > 0, direct otherwise. Only the object manager calls this.
    void SetObjectNumber(int n);

protected:
    TPdfObjectKind m_kind = TPdfObjectKind::Direct;
    int32_t m_objectNumber = -1;
    int32_t m_generationNumber = 0;
};

// The owner of indirect objects: numbers them 1, 2, ... in the order they are added.
class TPdfObjectMgr {
public:
    TPdfObjectMgr() = default;
    TPdfObjectMgr(const TPdfObjectMgr&) = delete;
    TPdfObjectMgr& operator=(const TPdfObjectMgr&) = delete;
    virtual ~TPdfObjectMgr() = default;

    // Takes the object, numbers it and returns it. EPdfInvalidOperation ("AddObject --wrong
    // object type.") for an object that is already indirect or virtual.
    virtual TPdfObject& AddObject(std::unique_ptr<TPdfObject> object) = 0;
    // The object with that number, or null.
    virtual TPdfObject* GetObject(int objectNumber) const = 0;

    template <class T> T& Add(std::unique_ptr<T> object) {
        T* p = object.get();
        AddObject(std::move(object));
        return *p;
    }
};

// Stands for an indirect object inside a container; always written as its reference.
class TPdfVirtualObject : public TPdfObject {
public:
    static std::unique_ptr<TPdfVirtualObject> CreateVirtual(int objectNumber);

private:
    TPdfVirtualObject() = default;
};

class TPdfNull : public TPdfObject {
public:
    void WriteValueToStream(TPdfWriter& out) const override;
};

class TPdfNumber : public TPdfObject {
public:
    explicit TPdfNumber(int32_t value = 0) : m_value(value) {}
    int32_t Value() const { return m_value; }
    void SetValue(int32_t value) { m_value = value; }
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    int32_t m_value;
};

class TPdfReal : public TPdfObject {
public:
    explicit TPdfReal(double value = 0) : m_value(value) {}
    double Value() const { return m_value; }
    void SetValue(double value) { m_value = value; }
    // General decimal notation, at most 15 significant digits.
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    double m_value;
};

// A byte string in Windows-1252; written as a literal string "(...)".
class TPdfText : public TPdfObject {
public:
    explicit TPdfText(std::string value = {}) : m_value(std::move(value)) {}
    const std::string& Value() const { return m_value; }
    void SetValue(std::string value) { m_value = std::move(value); }
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    std::string m_value;
};

// A name without its leading slash; written as "/" and the escaped name.
class TPdfName : public TPdfObject {
public:
    explicit TPdfName(std::string value = {}) : m_value(std::move(value)) {}
    const std::string& Value() const { return m_value; }
    void SetValue(std::string value) { m_value = std::move(value); }
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    std::string m_value;
};

class TPdfArray : public TPdfObject {
public:
    // mgr resolves the placeholders of indirect items (null allowed: lookups then give null).
    explicit TPdfArray(const TPdfObjectMgr* mgr) : m_mgr(mgr) {}
    // One TPdfNumber per value, in order.
    TPdfArray(const TPdfObjectMgr* mgr, const std::vector<int>& values);

    // Appends a direct object (the array owns it) or a placeholder that it owns.
    TPdfObject& AddItem(std::unique_ptr<TPdfObject> item);
    // Appends a placeholder for an indirect object; EPdfInvalidOperation for a direct one.
    void AddItem(const TPdfObject& indirect);
    // The item, a placeholder resolved to its indirect object; null when out of range.
    TPdfObject* ItemByIndex(size_t index) const;
    size_t ItemCount() const { return m_items.size(); }
    // The first name or text item whose value equals text exactly, or null.
    TPdfObject* FindName(std::string_view text) const;
    // "[" each item and a blank "]": "[0 0 596 842 ]", "[]".
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    const TPdfObjectMgr* m_mgr;
    std::vector<std::unique_ptr<TPdfObject>> m_items;
};

class TPdfDictionaryElement {
public:
    // EPdfInvalidValue ("internal error. wrong object.") when value is null.
    TPdfDictionaryElement(std::string key, std::unique_ptr<TPdfObject> value, bool isInternal);

    const std::string& Key() const { return m_key.Value(); }
    TPdfObject& Value() const { return *m_value; }
    // Internal entries live in memory only: lookups find them, writing skips them.
    bool IsInternal() const { return m_isInternal; }
    // "/Key value".
    void WriteToStream(TPdfWriter& out) const;

private:
    TPdfName m_key;
    std::unique_ptr<TPdfObject> m_value;
    bool m_isInternal;
};

class TPdfDictionary : public TPdfObject {
public:
    explicit TPdfDictionary(const TPdfObjectMgr* mgr) : m_mgr(mgr) {}

    // Removes an entry of that key, then appends the new one (a placeholder for an indirect
    // value). Returns the stored value (the placeholder for an indirect one).
    TPdfObject& AddItem(const std::string& key, std::unique_ptr<TPdfObject> value);
    void AddItem(const std::string& key, const TPdfObject& indirect);
    TPdfObject& AddInternalItem(const std::string& key, std::unique_ptr<TPdfObject> value);
    // Removes and frees the first entry with that key; nothing when there is none.
    void RemoveItem(std::string_view key);
    // The first entry's value, a placeholder resolved through the manager; null when absent.
    TPdfObject* ValueByName(std::string_view key) const;
    size_t ItemCount() const { return m_items.size(); }
    const TPdfDictionaryElement& Items(size_t index) const { return *m_items[index]; }

    // ValueByName taken as that class; null when absent or of another class.
    TPdfNumber* PdfNumberByName(std::string_view key) const;
    TPdfReal* PdfRealByName(std::string_view key) const;
    TPdfText* PdfTextByName(std::string_view key) const;
    TPdfName* PdfNameByName(std::string_view key) const;
    TPdfArray* PdfArrayByName(std::string_view key) const;
    TPdfDictionary* PdfDictionaryByName(std::string_view key) const;

    // "<<\r\n" then "/Key value\r\n" per written entry, then ">>".
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    TPdfObject& Insert(const std::string& key, std::unique_ptr<TPdfObject> value, bool internal);

    const TPdfObjectMgr* m_mgr;
    std::vector<std::unique_ptr<TPdfDictionaryElement>> m_items;
};

// A stream object: attributes "Length" (0) and "Filter" ([]), and its data in memory. When the
// "Filter" array names "FlateDecode", the data is written deflated (zlib format, DeflateBytes).
class TPdfStream : public TPdfObject {
public:
    explicit TPdfStream(const TPdfObjectMgr* mgr);

    TPdfDictionary& Attributes() const { return *m_attributes; }
    std::string& StreamData() { return m_data; }
    const std::string& StreamData() const { return m_data; }
    bool IsCompressed() const;
    // The deflate level of a compressed stream (DeflateBytes); kDeflateLevel unless set.
    int DeflateLevel() const { return m_deflateLevel; }
    void SetDeflateLevel(int level);

    // Computes the bytes to write now (deflating them when compressed), so the writer can do
    // this for many streams at once on several threads; the next write uses and drops them.
    // Does nothing when they are computed already.
    void PrepareEncoded();
    // For a compressed stream whose data is complete: deflates it for good and frees the data,
    // so the stream holds only the deflated bytes, which every later write uses (StreamData is
    // empty from then on). Does nothing for a stream written as it is. Changes nothing when
    // deflating fails.
    void KeepOnlyEncoded();
    // The bytes the stream holds in memory besides itself: the room of its data and of the
    // deflated bytes kept.
    size_t HeldBytes() const;
    // Sets "Length", then writes the attributes, "\r\nstream\r\n", the bytes, "\nendstream".
    void WriteValueToStream(TPdfWriter& out) const override;

private:
    std::unique_ptr<TPdfDictionary> m_attributes;
    std::string m_data;
    mutable std::string m_encoded;
    mutable bool m_hasEncoded = false;
    bool m_onlyEncoded = false;
    int m_deflateLevel = kDeflateLevel;
};

// The "Type" name of a dictionary, or "" when it has none.
std::string TypeOf(const TPdfDictionary& dictionary);
