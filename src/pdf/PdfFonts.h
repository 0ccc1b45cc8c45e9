// The standard PDF fonts the writer knows: the Courier, Helvetica and Times families in four
// styles each, under the names "FixedWidth", "Arial" and "Times" (see PdfFontNames). No font
// program is embedded; each font carries the widths of WinAnsiEncoding codes 32..255.
#pragma once

#include "pdf/PdfDoc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPdfType1Font : public TPdfFont {
public:
    // Builds and registers the font dictionary ("Type", "Subtype", "Encoding", "FirstChar" 32,
    // "LastChar" 255, "BaseFont", and "Widths" as an internal entry), then SetData.
    // widths224: the widths of codes 32..255.
    TPdfType1Font(TPdfObjectMgr& mgr, const std::string& fontName, const char* baseFont,
                  const uint16_t* widths224);

    // Attaches the dictionary and fills WidthTable from its "MissingWidth", "FirstChar" and
    // "Widths" entries.
    void SetData(TPdfDictionary* data) override;
    // WidthTable at the byte code of the character at the 1-based position (0 out of range).
    int GetCharWidth(std::string_view text, size_t position) const override;

    uint8_t FirstChar() const { return m_firstChar; }
    uint8_t LastChar() const { return m_lastChar; }
    const std::array<uint16_t, 256>& WidthTable() const { return m_widthTable; }

private:
    uint8_t m_firstChar = 0;
    uint8_t m_lastChar = 0;
    std::array<uint16_t, 256> m_widthTable{};
};

#define VARNEL_PDF_FONT_CLASS(Name)                                                                \
    class Name : public TPdfType1Font {                                                            \
    public:                                                                                        \
        Name(TPdfObjectMgr& mgr, const std::string& fontName);                                     \
    };
VARNEL_PDF_FONT_CLASS(TPdfFixedWidth)
VARNEL_PDF_FONT_CLASS(TPdfFixedWidthBold)
VARNEL_PDF_FONT_CLASS(TPdfFixedWidthItalic)
VARNEL_PDF_FONT_CLASS(TPdfFixedWidthBoldItalic)
VARNEL_PDF_FONT_CLASS(TPdfArial)
VARNEL_PDF_FONT_CLASS(TPdfArialBold)
VARNEL_PDF_FONT_CLASS(TPdfArialItalic)
VARNEL_PDF_FONT_CLASS(TPdfArialBoldItalic)
VARNEL_PDF_FONT_CLASS(TPdfTimesRoman)
VARNEL_PDF_FONT_CLASS(TPdfTimesBold)
VARNEL_PDF_FONT_CLASS(TPdfTimesItalic)
VARNEL_PDF_FONT_CLASS(TPdfTimesBoldItalic)
#undef VARNEL_PDF_FONT_CLASS

// The twelve registered names: "FixedWidth", "FixedWidth-Bold", "FixedWidth-Italic",
// "FixedWidth-BoldItalic", "Arial", "Arial-Bold", "Arial-Italic", "Arial-BoldItalic",
// "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic".
const std::vector<std::string>& PdfFontNames();

// Constructs the font kind registered under name (its dictionary registered with mgr).
// EPdfInvalidValue naming the font when no kind is registered under it; nothing is created.
std::unique_ptr<TPdfFont> CreatePdfFontByName(TPdfObjectMgr& mgr, const std::string& name);
