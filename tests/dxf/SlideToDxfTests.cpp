// Slides written as DXF drawings, checked by an independent reader (ezdxf): its audit finds no
// error, and it finds the slide's lines and fills with their colours and end points.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "dxf/SlideToDxf.h"
#include "output/ImageExport.h"
#include "slides/SlideClasses.h"
#include "slides/SlideDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace {

struct TFill {
    int colour;
    std::vector<std::pair<double, double>> vertices;
};

// What a slide holds, as the renderer sees it: lines and fills with their colours.
struct TSlideContent {
    std::vector<std::string> lines; // "colour x0 y0 x1 y1"
    std::vector<TFill> fills;
};

class TRecordSink {
public:
    static constexpr bool kStrictFills = true;
    explicit TRecordSink(TSlideContent& out) : m_out(out) {}
    void Start(const TSlideHeader&) {}
    void Line(TLineKind, int x0, int y0, int x1, int y1) {
        std::ostringstream s;
        s << m_colour << ' ' << x0 << ' ' << y0 << ' ' << x1 << ' ' << y1;
        m_out.lines.push_back(s.str());
    }
    void FillBegin(unsigned) { m_fill = {m_colour, {}}; }
    void FillVertex(int x, int y) { m_fill.vertices.emplace_back(x, y); }
    void FillEnd() {
        if (m_fill.vertices.size() >= 3)
            m_out.fills.push_back(m_fill);
        else if (!m_fill.vertices.empty()) { // a degenerate fill is written as a line
            std::ostringstream s;
            s << m_colour << ' ' << m_fill.vertices.front().first << ' '
              << m_fill.vertices.front().second << ' ' << m_fill.vertices.back().first << ' '
              << m_fill.vertices.back().second;
            m_out.lines.push_back(s.str());
        }
    }
    void Colour(int index) { m_colour = index; }
    void Invalid() {}

private:
    TSlideContent& m_out;
    TFill m_fill;
    int m_colour = 7;
};

TSlideContent ContentOf(const TSlide& slide) {
    TSlideContent content;
    TRecordSink sink(content);
    TSlideData::TView view = slide.Open();
    WalkSlide(view.Stream(), sink);
    return content;
}

// ezdxf's view of a DXF file: the dump script's lines by their first word.
struct TEzdxfView {
    std::string version;
    int errors = -1, fixes = -1;
    std::vector<std::string> layers, lines;
    std::vector<TFill> fills; // SOLIDs and HATCHes
    std::string extMax;
    std::string text;
};

bool HaveEzdxf() {
    return RunCommand("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") == 0;
}

// ezdxf's view of each file, read in one run of the dump script.
std::map<std::string, TEzdxfView> ReadWithEzdxf(const std::vector<std::string>& paths) {
    std::string command = "/usr/bin/python3 " VARNEL_SOURCE_DIR "/tests/dxf/ezdxf_dump.py";
    for (const std::string& path : paths)
        command += " " + Q(path);
    std::string output;
    const int status = RunCommand(command, &output);
    EXPECT_EQ(status, 0) << output;
    std::map<std::string, TEzdxfView> views;
    TEzdxfView* current = nullptr;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("FILE ", 0) == 0) {
            current = &views[line.substr(5)];
            continue;
        }
        if (current == nullptr)
            continue;
        TEzdxfView& view = *current;
        view.text += line + "\n";
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        std::string rest;
        std::getline(words, rest);
        if (!rest.empty() && rest[0] == ' ')
            rest.erase(0, 1);
        if (kind == "VERSION")
            view.version = rest;
        else if (kind == "AUDIT")
            std::istringstream(rest) >> view.errors >> view.fixes;
        else if (kind == "LAYER")
            view.layers.push_back(rest);
        else if (kind == "EXTMAX")
            view.extMax = rest;
        else if (kind == "LINE") {
            std::istringstream f(rest);
            std::string colour, layer;
            double x0, y0, x1, y1;
            f >> colour >> layer >> x0 >> y0 >> x1 >> y1;
            std::ostringstream s;
            s << colour << ' ' << x0 << ' ' << y0 << ' ' << x1 << ' ' << y1;
            view.lines.push_back(s.str());
        } else if (kind == "SOLID" || kind == "HATCH") {
            std::istringstream f(rest);
            TFill fill;
            std::string layer, solid = "solid";
            f >> fill.colour >> layer;
            if (kind == "HATCH")
                f >> solid;
            EXPECT_EQ(solid, "solid");
            double x, y;
            while (f >> x >> y)
                fill.vertices.emplace_back(x, y);
            if (kind == "SOLID") { // corners zigzag: 1 2 4 3
                std::swap(fill.vertices[2], fill.vertices[3]);
                if (fill.vertices[2] == fill.vertices[3])
                    fill.vertices.pop_back();
            }
            view.fills.push_back(fill);
        }
    }
    return views;
}

double Area(const std::vector<std::pair<double, double>>& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const auto& [x0, y0] = p[i];
        const auto& [x1, y1] = p[(i + 1) % p.size()];
        a += x0 * y1 - x1 * y0;
    }
    return std::fabs(a) / 2;
}

// Every slide of the samples, and a test slide with what the samples lack: every colour, the
// relative records, concave and many-cornered fills, a degenerate fill.
std::vector<std::unique_ptr<TSlideLib>> TestSlides() {
    std::vector<std::unique_ptr<TSlideLib>> libs;
    libs.push_back(TSlideLib::CreateFromDirectory(VARNEL_SOURCE_DIR "/samples", "*.sld"));
    libs.push_back(TSlideLib::CreateFromFile(VARNEL_SOURCE_DIR "/samples/symbols.slb"));
    TSlideWriter w(400, 300);
    for (int c = 0; c < 256; ++c) {
        w.Colour(c);
        w.Vector(c, 0, c, 10 + c % 7);
    }
    w.Colour(3);
    w.Vector(100, 100, 150, 120);
    w.OffsetVector(5, -5, 20, 30);
    w.CommonEndpoint(-10, 7);
    w.Colour(5);
    w.Fill({{200, 200}, {300, 200}, {300, 280}, {250, 220}, {200, 280}}); // concave
    w.Colour(6);
    w.Fill({{10, 150}, {60, 150}, {80, 180}, {60, 210}, {10, 210}, {0, 180}}); // hexagon
    w.Colour(2);
    w.Fill({{5, 5}, {25, 5}, {25, 25}, {5, 25}}); // a square: one SOLID
    w.Fill({{30, 30}, {40, 40}});                 // degenerate: a line
    w.End();
    TMemoryStream bytes(w.Bytes());
    auto lib = TSlideLib::CreateEmpty();
    lib->AddCopy(TSlide::CreateFromStream("mixed/part.sld", bytes).get());
    libs.push_back(std::move(lib));
    return libs;
}

} // namespace

TEST(DxfLayerName, DropsTheExtensionAndCharactersLayersCannotHold) {
    EXPECT_EQ(DxfLayerName("PLAN.SLD"), "PLAN");
    EXPECT_EQ(DxfLayerName("a<b>c/d\\e\"f:g;h?i*j|k=l`m"), "a_b_c_d_e_f_g_h_i_j_k_l_m");
    EXPECT_EQ(DxfLayerName(""), "SLIDE");
    EXPECT_EQ(DxfLayerName(".sld"), ".sld"); // a leading dot is the name, not an extension
    EXPECT_EQ(DxfLayerName(std::string("a\tb")), "a_b");
}

TEST(SlideToDxf, EzdxfReadsEverySlideWithItsLinesFillsAndColours) {
    if (!HaveEzdxf())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    TTempDir dir;
    const std::vector<std::unique_ptr<TSlideLib>> libs = TestSlides();
    struct TCase {
        const TSlide* slide;
        TDxfVersion version;
        std::string path;
    };
    std::vector<TCase> cases;
    std::vector<std::string> paths;
    for (const auto& lib : libs)
        for (int i = 0; i < lib->Count(); ++i)
            for (TDxfVersion version : {TDxfVersion::R12, TDxfVersion::R2000}) {
                const TSlide& slide = *lib->Slide(i);
                const std::string path = dir.File(std::to_string(cases.size()) + ".dxf");
                TSlideData::TView view = slide.Open();
                WriteFileBytes(path,
                               SlideToDxf(view.Stream(), DxfLayerName(slide.Name()), version));
                cases.push_back({&slide, version, path});
                paths.push_back(path);
            }
    const std::map<std::string, TEzdxfView> views = ReadWithEzdxf(paths);
    int checked = 0;
    for (const TCase& c : cases) {
        const TSlide& slide = *c.slide;
        const bool r12 = c.version == TDxfVersion::R12;
        SCOPED_TRACE(slide.Name() + (r12 ? " R12" : " R2000"));
        const TSlideContent want = ContentOf(slide);
        ASSERT_TRUE(views.count(c.path));
        const TEzdxfView& got = views.at(c.path);
        EXPECT_EQ(got.version, r12 ? "AC1009" : "AC1015");
        EXPECT_EQ(got.errors, 0) << got.text;
        EXPECT_EQ(got.fixes, 0) << got.text;
        EXPECT_NE(std::find(got.layers.begin(), got.layers.end(), DxfLayerName(slide.Name())),
                  got.layers.end());
        std::ostringstream ext;
        ext << slide.HighX() << ' ' << slide.HighY();
        EXPECT_EQ(got.extMax, ext.str());
        EXPECT_EQ(got.lines, want.lines);
        ++checked;
        if (!r12) {
            ASSERT_EQ(got.fills.size(), want.fills.size());
            for (size_t f = 0; f < want.fills.size(); ++f) {
                EXPECT_EQ(got.fills[f].colour, want.fills[f].colour);
                EXPECT_EQ(got.fills[f].vertices, want.fills[f].vertices);
            }
            continue;
        }
        // R12: each fill becomes SOLIDs of its colour, whose corners are the fill's corners and
        // whose areas add up to the fill's.
        size_t next = 0;
        for (const TFill& fill : want.fills) {
            double area = 0;
            while (area < Area(fill.vertices) - 1e-6 && next < got.fills.size()) {
                const TFill& solid = got.fills[next++];
                EXPECT_EQ(solid.colour, fill.colour);
                for (const auto& v : solid.vertices)
                    EXPECT_NE(std::find(fill.vertices.begin(), fill.vertices.end(), v),
                              fill.vertices.end());
                area += Area(solid.vertices);
            }
            EXPECT_NEAR(area, Area(fill.vertices), 1e-6);
        }
        EXPECT_EQ(next, got.fills.size());
    }
    EXPECT_GE(checked, 10);
}

TEST(SlideToDxf, ExportWritesOneDrawingPerSlideOfALibrary) {
    TTempDir dir;
    const std::string out = dir.File("out");
    const std::string listed = Sldtool("export " + Q(VARNEL_SOURCE_DIR "/samples/symbols.slb") +
                                       " -d " + Q(out) + " --format dxf --dxf-version r2000");
    auto lib = TSlideLib::CreateFromFile(VARNEL_SOURCE_DIR "/samples/symbols.slb");
    for (int i = 0; i < lib->Count(); ++i) {
        const std::string path = out + "/" + ExportFileName(*lib->Slide(i), TImageFormat::Dxf);
        EXPECT_NE(listed.find(path), std::string::npos) << listed;
        const std::string text = ReadFileText(path);
        EXPECT_NE(text.find("AC1015"), std::string::npos);
        EXPECT_NE(text.find("\nEOF\n"), std::string::npos);
    }
    EXPECT_NE(Sldtool("export x.sld -d " + Q(out) + " --format dxf --dxf-version r14", 2)
                  .find("bad DXF version"),
              std::string::npos);
}
