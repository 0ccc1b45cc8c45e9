#include "pdf/PdfFonts.h"

#include "base/Errors.h"
#include "pdf/PdfFontWidths.h"

#include <algorithm>

namespace {

// The Courier fonts: every width is 600.
const uint16_t* FixedWidths() {
    static const std::array<uint16_t, 224> widths = [] {
        std::array<uint16_t, 224> w{};
        w.fill(600);
        return w;
    }();
    return widths.data();
}

// Row of kPdfFontWidths for each proportional font.
enum TWidthRow {
    kHelvetica,
    kHelveticaBold,
    kHelveticaOblique,
    kHelveticaBoldOblique,
    kTimesRoman,
    kTimesBold,
    kTimesItalic,
    kTimesBoldItalic
};

} // namespace

TPdfType1Font::TPdfType1Font(TPdfObjectMgr& mgr, const std::string& fontName, const char* baseFont,
                             const uint16_t* widths224)
    : TPdfFont(fontName) {
    auto& dict = mgr.Add(std::make_unique<TPdfDictionary>(&mgr));
    dict.AddItem("Type", std::make_unique<TPdfName>("Font"));
    dict.AddItem("Subtype", std::make_unique<TPdfName>("Type1"));
    dict.AddItem("Encoding", std::make_unique<TPdfName>("WinAnsiEncoding"));
    dict.AddItem("FirstChar", std::make_unique<TPdfNumber>(32));
    dict.AddItem("LastChar", std::make_unique<TPdfNumber>(255));
    dict.AddItem("BaseFont", std::make_unique<TPdfName>(baseFont));
    dict.AddInternalItem(
        "Widths", std::make_unique<TPdfArray>(&mgr, std::vector<int>(widths224, widths224 + 224)));
    TPdfType1Font::SetData(&dict);
}

void TPdfType1Font::SetData(TPdfDictionary* data) {
    TPdfFont::SetData(data);
    const TPdfNumber* missing = data->PdfNumberByName("MissingWidth");
    m_widthTable.fill(static_cast<uint16_t>(missing ? missing->Value() : 0));
    const TPdfNumber* first = data->PdfNumberByName("FirstChar");
    const TPdfNumber* last = data->PdfNumberByName("LastChar");
    m_firstChar = static_cast<uint8_t>(first ? first->Value() : 0);
    m_lastChar = static_cast<uint8_t>(last ? last->Value() : 0);
    if (const TPdfArray* widths = data->PdfArrayByName("Widths")) {
        const size_t room = 256 - m_firstChar;
        for (size_t i = 0; i < std::min(widths->ItemCount(), room); ++i)
            if (const auto* n = dynamic_cast<const TPdfNumber*>(widths->ItemByIndex(i)))
                m_widthTable[m_firstChar + i] = static_cast<uint16_t>(n->Value());
    }
}

int TPdfType1Font::GetCharWidth(std::string_view text, size_t position) const {
    if (position < 1 || position > text.size())
        return 0;
    return m_widthTable[static_cast<uint8_t>(text[position - 1])];
}

#define VARNEL_PDF_FONT_CTOR(Name, Base, Widths)                                                   \
    Name::Name(TPdfObjectMgr& mgr, const std::string& fontName)                                    \
        : TPdfType1Font(mgr, fontName, Base, Widths) {}
VARNEL_PDF_FONT_CTOR(TPdfFixedWidth, "Courier", FixedWidths())
VARNEL_PDF_FONT_CTOR(TPdfFixedWidthBold, "Courier-Bold", FixedWidths())
VARNEL_PDF_FONT_CTOR(TPdfFixedWidthItalic, "Courier-Oblique", FixedWidths())
VARNEL_PDF_FONT_CTOR(TPdfFixedWidthBoldItalic, "Courier-BoldOblique", FixedWidths())
VARNEL_PDF_FONT_CTOR(TPdfArial, "Helvetica", kPdfFontWidths[kHelvetica])
VARNEL_PDF_FONT_CTOR(TPdfArialBold, "Helvetica-Bold", kPdfFontWidths[kHelveticaBold])
VARNEL_PDF_FONT_CTOR(TPdfArialItalic, "Helvetica-Oblique", kPdfFontWidths[kHelveticaOblique])
VARNEL_PDF_FONT_CTOR(TPdfArialBoldItalic, "Helvetica-BoldOblique",
                     kPdfFontWidths[kHelveticaBoldOblique])
VARNEL_PDF_FONT_CTOR(TPdfTimesRoman, "Times-Roman", kPdfFontWidths[kTimesRoman])
VARNEL_PDF_FONT_CTOR(TPdfTimesBold, "Times-Bold", kPdfFontWidths[kTimesBold])
VARNEL_PDF_FONT_CTOR(TPdfTimesItalic, "Times-Italic", kPdfFontWidths[kTimesItalic])
VARNEL_PDF_FONT_CTOR(TPdfTimesBoldItalic, "Times-BoldItalic", kPdfFontWidths[kTimesBoldItalic])
#undef VARNEL_PDF_FONT_CTOR

namespace {

using TFontFactory = std::unique_ptr<TPdfFont> (*)(TPdfObjectMgr&, const std::string&);

template <class T> std::unique_ptr<TPdfFont> Make(TPdfObjectMgr& mgr, const std::string& name) {
    return std::make_unique<T>(mgr, name);
}

struct TFontKind {
    const char* name;
    TFontFactory make;
};

constexpr TFontKind kFontKinds[] = {
    {"FixedWidth", Make<TPdfFixedWidth>},
    {"FixedWidth-Bold", Make<TPdfFixedWidthBold>},
    {"FixedWidth-Italic", Make<TPdfFixedWidthItalic>},
    {"FixedWidth-BoldItalic", Make<TPdfFixedWidthBoldItalic>},
    {"Arial", Make<TPdfArial>},
    {"Arial-Bold", Make<TPdfArialBold>},
    {"Arial-Italic", Make<TPdfArialItalic>},
    {"Arial-BoldItalic", Make<TPdfArialBoldItalic>},
    {"Times-Roman", Make<TPdfTimesRoman>},
    {"Times-Bold", Make<TPdfTimesBold>},
    {"Times-Italic", Make<TPdfTimesItalic>},
    {"Times-BoldItalic", Make<TPdfTimesBoldItalic>},
};

} // namespace

const std::vector<std::string>& PdfFontNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const TFontKind& k : kFontKinds)
            v.emplace_back(k.name);
        return v;
    }();
    return names;
}

std::unique_ptr<TPdfFont> CreatePdfFontByName(TPdfObjectMgr& mgr, const std::string& name) {
    for (const TFontKind& k : kFontKinds)
        if (name == k.name)
            return k.make(mgr, name);
    throw EPdfInvalidValue("CreateFont --font \"" + name + "\" not found.");
}
