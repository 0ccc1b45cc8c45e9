#include "dxf/SlideToDxf.h"

#include "base/UiHooks.h"
#include "dxf/Polygons.h"
#include "slides/SlideDecoder.h"
#include "slides/Slides.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace {

// dxflib's writer, sent into memory instead of a file: the drawing becomes the bytes of an
// export, a clipboard entry or a file replaced atomically, which a named file cannot do.
class TDxfBytesWriter : public DL_WriterA {
public:
    explicit TDxfBytesWriter(DL_Codes::version dxfVersion) : DL_WriterA("", dxfVersion) {}

    void dxfReal(int gc, double value) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%.12g", value);
        Pair(gc, text);
    }
    void dxfInt(int gc, int value) const override { Pair(gc, std::to_string(value).c_str()); }
    void dxfHex(int gc, int value) const override {
        char text[16];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
        Pair(gc, text);
    }
    void dxfString(int gc, const char* value) const override { Pair(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Pair(gc, value.c_str()); }

    std::vector<uint8_t> Take() { return std::move(m_bytes); }

private:
    // A group code right-aligned in three columns on its own line, the value on the next.
    void Pair(int gc, const char* value) const {
        char code[16];
        const int n = std::snprintf(code, sizeof code, "%3d\n", gc);
        m_bytes.insert(m_bytes.end(), code, code + n);
        m_bytes.insert(m_bytes.end(), value, value + std::strlen(value));
        m_bytes.push_back('\n');
    }

    mutable std::vector<uint8_t> m_bytes;
};

// Writes the slide's records as entities while the decoder walks them.
class TDxfSink {
public:
    static constexpr bool kStrictFills = true;

    TDxfSink(DL_Dxf& dxf, TDxfBytesWriter& dw, const std::string& layer, bool r12,
             std::string* message)
        : m_dxf(dxf), m_dw(dw), m_layer(layer), m_r12(r12), m_message(message) {}

    void Start(const TSlideHeader&) {}
    void Line(TLineKind, int x0, int y0, int x1, int y1) {
        m_dxf.writeLine(m_dw, DL_LineData(x0, y0, 0, x1, y1, 0), Attributes());
    }
    void FillBegin(unsigned) { m_fill.clear(); }
    void FillVertex(int x, int y) {
        if (m_fill.size() < 65536)
            m_fill.push_back({static_cast<double>(x), static_cast<double>(y)});
    }
    void FillEnd() {
        if (m_fill.size() < 3) { // a dot or a line: drawn as the renderer shows it
            if (!m_fill.empty())
                m_dxf.writeLine(m_dw,
                                DL_LineData(m_fill.front().x, m_fill.front().y, 0, m_fill.back().x,
                                            m_fill.back().y, 0),
                                Attributes());
        } else if (m_r12) {
            if (m_fill.size() == 4 && IsConvexQuad(m_fill))
                Solid(m_fill[0], m_fill[1], m_fill[3], m_fill[2]); // SOLID corners zigzag
            else
                for (const auto& t : Triangulate(m_fill))
                    Solid(t[0], t[1], t[2], t[2]);
        } else {
            const DL_HatchData hatch(1, true, 1.0, 0.0, "SOLID");
            m_dxf.writeHatch1(m_dw, hatch, Attributes());
            m_dxf.writeHatchLoop1(m_dw, DL_HatchLoopData(static_cast<int>(m_fill.size())));
            for (size_t i = 0; i < m_fill.size(); ++i) {
                const TDxfPoint& a = m_fill[i];
                const TDxfPoint& b = m_fill[(i + 1) % m_fill.size()];
                m_dxf.writeHatchEdge(m_dw, DL_HatchEdgeData(a.x, a.y, b.x, b.y));
            }
            m_dxf.writeHatchLoop2(m_dw, DL_HatchLoopData(static_cast<int>(m_fill.size())));
            m_dxf.writeHatch2(m_dw, hatch, Attributes());
        }
        m_fill.clear();
    }
    void Colour(int index) { m_colour = index; }
    void Invalid() {
        if (m_message)
            *m_message = kInvalidSlideMessage;
        else
            UiHooks::ShowMessage(kInvalidSlideMessage);
    }

private:
    DL_Attributes Attributes() const { return DL_Attributes(m_layer, m_colour, -1, -1, "BYLAYER"); }
    void Solid(const TDxfPoint& a, const TDxfPoint& b, const TDxfPoint& c, const TDxfPoint& d) {
        m_dxf.writeSolid(m_dw, DL_SolidData(a.x, a.y, 0, b.x, b.y, 0, c.x, c.y, 0, d.x, d.y, 0),
                         Attributes());
    }

    DL_Dxf& m_dxf;
    TDxfBytesWriter& m_dw;
    const std::string& m_layer;
    bool m_r12;
    std::string* m_message;
    int m_colour = 7; // a slide starts in colour 7, as the renderer draws it
    std::vector<TDxfPoint> m_fill;
};

} // namespace

std::string DxfLayerName(const std::string& slideName) {
    std::string name = slideName;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("<>/\\\":;?*|=`", c))
            c = '_';
    return name.empty() ? "SLIDE" : name;
}

std::vector<uint8_t> SlideToDxf(TStream& stream, const std::string& layerName, TDxfVersion version,
                                std::string* message) {
    TSlideHeader header;
    {
        TStreamPositionGuard guard(stream);
        ReadSlideHeader(stream, header);
    }
    const bool r12 = version == TDxfVersion::R12;
    const DL_Codes::version dxfVersion = r12 ? DL_Codes::AC1009 : DL_Codes::AC1015;
    DL_Dxf dxf;
    // dxflib takes the version of what it writes only through out(), which opens a file; the
    // writer it returns is dropped at once, the drawing goes to the bytes writer.
    std::unique_ptr<DL_WriterA>(dxf.out("/dev/null", dxfVersion));
    TDxfBytesWriter dw(dxfVersion);

    // The drawing's units and extents are the slide's own.
    dxf.writeHeader(dw);
    const auto point = [&](const char* name, double x, double y) {
        dw.dxfString(9, name);
        dw.dxfReal(10, x);
        dw.dxfReal(20, y);
        dw.dxfReal(30, 0.0);
    };
    point("$INSBASE", 0, 0);
    point("$EXTMIN", 0, 0);
    point("$EXTMAX", header.HighX, header.HighY);
    dw.dxfString(9, "$LIMMIN");
    dw.dxfReal(10, 0.0);
    dw.dxfReal(20, 0.0);
    dw.dxfString(9, "$LIMMAX");
    dw.dxfReal(10, header.HighX);
    dw.dxfReal(20, header.HighY);
    if (!r12) {
        dw.dxfString(9, "$INSUNITS");
        dw.dxfInt(70, 0); // unitless: slide units are the screen's
    }
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    const bool ownLayer = layerName != "0";
    dw.tableLayers(ownLayer ? 2 : 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
    if (ownLayer)
        dxf.writeLayer(dw, DL_LayerData(layerName, 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
    dw.tableEnd();
    dw.tableStyle(1);
    DL_StyleData style("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", "");
    dxf.writeStyle(dw, style);
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    if (!r12) {
        // Model and paper space only (dxflib adds a second paper space that no layout owns).
        dw.dxfString(0, "TABLE");
        dw.dxfString(2, "BLOCK_RECORD");
        dw.dxfHex(5, 1);
        dw.dxfString(100, "AcDbSymbolTable");
        dw.dxfInt(70, 2);
        for (const auto& [handle, name] :
             {std::pair{0x1F, "*Model_Space"}, {0x1B, "*Paper_Space"}}) {
            dw.dxfString(0, "BLOCK_RECORD");
            dw.dxfHex(5, handle);
            dw.dxfHex(330, 1);
            dw.dxfString(100, "AcDbSymbolTableRecord");
            dw.dxfString(100, "AcDbBlockTableRecord");
            dw.dxfString(2, name);
        }
        dw.tableEnd();
    }
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dw.sectionEnd();

    dw.sectionEntities();
    TDxfSink sink(dxf, dw, layerName, r12, message);
    WalkSlide(stream, sink);
    dw.sectionEnd();
    if (!r12) {
        // The least an R2000 drawing needs: the root dictionary and its group dictionary, each
        // naming its owner (dxflib's own objects leave the owners out, which readers repair).
        dw.sectionObjects();
        dw.dxfString(0, "DICTIONARY");
        dw.dxfHex(5, 0xC);
        dw.dxfHex(330, 0);
        dw.dxfString(100, "AcDbDictionary");
        dw.dxfInt(281, 1);
        dw.dxfString(3, "ACAD_GROUP");
        dw.dxfHex(350, 0xD);
        dw.dxfString(0, "DICTIONARY");
        dw.dxfHex(5, 0xD);
        dw.dxfHex(330, 0xC);
        dw.dxfString(100, "AcDbDictionary");
        dw.dxfInt(281, 1);
        dw.sectionEnd();
    }
    dw.dxfEOF();
    return dw.Take();
}
