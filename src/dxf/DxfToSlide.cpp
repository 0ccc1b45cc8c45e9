#include "dxf/DxfToSlide.h"

#include "base/ByteOrder.h"
#include "base/Errors.h"
#include "dxf/Polygons.h"
#include "dxf/StrokeFont.h"
#include "graphics/AcadPal.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <numbers>
#include <unordered_map>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kAbsurd = 1e15;           // coordinates beyond this are not a drawing's
constexpr int kMaxDepth = 32;              // blocks nested deeper than this are refused
constexpr uint64_t kWorkFloor = 4'000'000; // work every file may take, whatever its size
constexpr uint64_t kWorkPerByte = 256;     // and more for larger files

struct TVert {
    double x = 0, y = 0, bulge = 0, w0 = 0, w1 = 0;
};

// A hatch pattern's line family as the drawing carries it: angle in degrees, base point, offset
// to the next line, dash lengths (positive draws, negative leaves a gap, 0 a dot).
struct TPatternLine {
    double angle = 0, bx = 0, by = 0, dx = 0, dy = 0;
    std::vector<double> dashes;
};

constexpr int kByLayer = -1, kByBlock = -2;

enum class TKind : uint8_t {
    Line,      // v: x1 y1 x2 y2
    Poly,      // verts, closed; i1 128 when the linetype runs on across the vertices
    Arc,       // v: cx cy r a1 a2 (radians, from a1 to a2, either way round)
    Circle,    // v: cx cy r
    Ellipse,   // v: cx cy mx my ratio p1 p2 (parameters, from p1 to p2, either way round)
    Spline,    // verts (x, y, bulge = weight), knots, i0 degree; or fit, with the end tangents
               // in v (sx sy ex ey) where i1 says so (1 start, 2 end)
    Solid,     // verts: four corners in polygon order, filled
    Face,      // verts: four corners, outline only; i0 the invisible edges (1, 2, 4, 8)
    Hatch,     // paths, solid (closed), pattern
    Point,     // v: x y
    Text,      // v: x y height angle(rad) xscale, i0 h-align, i1 v-align, text
    MText,     // v: x y height angle(rad) width spacing, i0 attachment, text
    Insert,    // v: x y sx sy angle(deg) colsp rowsp, i0 cols, i1 rows, text = block name
    Dimension, // text = block name
    Unsupported,
};

struct TEntity {
    TKind kind = TKind::Line;
    bool closed = false;
    bool mirror = false; // drawn in an object coordinate system whose z points down
    int colour = 256;
    int trueColour = -1;
    int layer = 0;
    int linetype = kByLayer; // an index into the drawing's linetypes, or kByLayer, kByBlock
    double ltscale = -1;     // the entity's linetype scale; -1 when it names none
    int i0 = 0, i1 = 0;
    double v[8] = {};
    std::vector<TVert> verts;
    std::vector<double> knots;
    std::vector<TVert> fit;
    std::vector<std::vector<TEntity>> paths; // a hatch's boundary: chains of edges
    std::vector<TPatternLine> pattern;
    std::string text;
};

struct TLayer {
    int colour = 7;
    int linetype = 0;
    bool visible = true;
};

struct TBlock {
    double bx = 0, by = 0;
    std::vector<TEntity> entities;
};

struct TDrawing {
    std::vector<std::string> layerNames{"0"};
    std::unordered_map<std::string, int> layerIndex{{"0", 0}};
    std::vector<TLayer> layers{TLayer{}};
    std::map<std::string, TBlock> blocks;
    std::vector<TEntity> model;
    // Dash patterns by index (0: continuous): positive lengths draw, negative leave a gap, 0 is
    // a dot. The drawing's scales: $LTSCALE for all, $CELTSCALE for entities that name none.
    std::vector<std::vector<double>> linetypes{{}};
    std::unordered_map<std::string, int> linetypeIndex{{"CONTINUOUS", 0}};
    double ltscale = 1, celtscale = 1;

    // The index of a linetype name (any letter case); a name the table does not define yet is
    // continuous until it does.
    int Linetype(std::string_view name) {
        std::string key(name);
        for (char& c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (key.empty() || key == "BYLAYER")
            return kByLayer;
        if (key == "BYBLOCK")
            return kByBlock;
        const auto it = linetypeIndex.find(key);
        if (it != linetypeIndex.end())
            return it->second;
        linetypes.emplace_back();
        return linetypeIndex[key] = static_cast<int>(linetypes.size() - 1);
    }

    int Layer(const std::string& name) {
        const auto it = layerIndex.find(name);
        if (it != layerIndex.end())
            return it->second;
        layerNames.push_back(name);
        layers.push_back(TLayer{});
        return layerIndex[name] = static_cast<int>(layers.size() - 1);
    }
};

void Put(TEntity& out, TKind kind, std::initializer_list<double> values) {
    out.kind = kind;
    std::copy(values.begin(), values.end(), out.v);
}

bool Finite(double v) {
    return std::isfinite(v) && std::fabs(v) < kAbsurd;
}

// The counter-clockwise sweep from angle a to angle b (radians), in (0, 2 pi]: a full turn
// when they meet. Computed, not counted up to, so that no angle makes it take long.
double Sweep(double a, double b) {
    double s = std::fmod(b - a, 2 * kPi);
    if (!std::isfinite(s))
        return 2 * kPi;
    if (s <= 1e-12)
        s += 2 * kPi;
    return s;
}

// An ellipse's parameter for the angle a seen from its centre (ratio: minor to major axis).
double ParamOfAngle(double ratio, double a) {
    return ratio != 0 ? std::atan2(std::sin(a) / ratio, std::cos(a)) : a;
}

// ---- reading ----

// One group: its code and its value, the value's blanks at both ends taken off.
struct TPair {
    int code = 0;
    std::string_view value;
};

double Number(std::string_view s) {
    char buffer[64];
    const size_t n = std::min(s.size(), sizeof buffer - 1);
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return std::strtod(buffer, nullptr);
}

int Integer(std::string_view s) {
    const double v = Number(s);
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, -2e9, 2e9)) : 0;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The group pairs of the text: a code line, then a value line.
std::vector<TPair> SplitPairs(std::string_view bytes, const std::string& fileName) {
    std::vector<TPair> pairs;
    pairs.reserve(bytes.size() / 12 + 1);
    size_t at = 0, line = 0;
    const auto next = [&](std::string_view& out) {
        if (at >= bytes.size())
            return false;
        const size_t end = bytes.find('\n', at);
        const size_t stop = end == std::string_view::npos ? bytes.size() : end;
        out = Trim(bytes.substr(at, stop - at));
        at = stop + 1;
        ++line;
        return true;
    };
    std::string_view code, value;
    while (next(code)) {
        if (code.empty() && at >= bytes.size())
            break;
        int c = 0;
        bool ok = !code.empty() && code.size() <= 5;
        for (char ch : code)
            ok = ok && ch >= '0' && ch <= '9' && (c = c * 10 + (ch - '0'), true);
        if (!ok || !next(value))
            throw EVarnelError("\"" + fileName + "\" is not a DXF drawing: line " +
                               std::to_string(line) + " is no group code");
        pairs.push_back({c, value});
    }
    return pairs;
}

// The entities of one section or block, read pair by pair.
class TReader {
public:
    TReader(TDrawing& d, const std::vector<TPair>& pairs) : m_d(d), m_p(pairs) {}

    void Read() {
        while (m_i < m_p.size()) {
            if (Is(0, "SECTION") && m_i + 1 < m_p.size() && m_p[m_i + 1].code == 2) {
                const std::string_view name = m_p[m_i + 1].value;
                m_i += 2;
                if (name == "HEADER")
                    Header();
                else if (name == "TABLES")
                    Tables();
                else if (name == "BLOCKS")
                    Blocks();
                else if (name == "ENTITIES")
                    Entities(m_d.model, true);
                else
                    SkipSection();
                m_sawSection = true;
            } else {
                ++m_i;
            }
        }
    }
    bool SawSection() const { return m_sawSection; }

private:
    bool Is(int code, std::string_view value) const {
        return m_i < m_p.size() && m_p[m_i].code == code && m_p[m_i].value == value;
    }
    void SkipSection() {
        while (m_i < m_p.size() && !Is(0, "ENDSEC"))
            ++m_i;
    }
    // The pairs of the object that starts at m_i (its "0" pair), up to the next "0".
    std::pair<size_t, size_t> Object() {
        const size_t begin = m_i++;
        while (m_i < m_p.size() && m_p[m_i].code != 0)
            ++m_i;
        return {begin, m_i};
    }

    // The linetype scales; the rest of the header does not change what is drawn.
    void Header() {
        while (m_i < m_p.size() && !Is(0, "ENDSEC")) {
            const TPair& p = m_p[m_i++];
            if (p.code != 9 || m_i >= m_p.size() || m_p[m_i].code != 40)
                continue;
            const double value = Number(m_p[m_i].value);
            if (!(value > 1e-9 && value < 1e9))
                continue;
            if (p.value == "$LTSCALE")
                m_d.ltscale = value;
            else if (p.value == "$CELTSCALE")
                m_d.celtscale = value;
        }
    }

    void Tables() {
        while (m_i < m_p.size() && !Is(0, "ENDSEC")) {
            if (Is(0, "LTYPE")) {
                Linetype();
                continue;
            }
            if (!Is(0, "LAYER")) {
                Object();
                continue;
            }
            const auto [b, e] = Object();
            std::string name;
            int colour = 7, flags = 0, linetype = 0;
            for (size_t k = b + 1; k < e; ++k) {
                const TPair& p = m_p[k];
                if (p.code == 2)
                    name = p.value;
                else if (p.code == 62)
                    colour = Integer(p.value);
                else if (p.code == 70)
                    flags = Integer(p.value);
                else if (p.code == 6)
                    linetype = std::max(0, m_d.Linetype(p.value));
            }
            TLayer& layer = m_d.layers[static_cast<size_t>(m_d.Layer(name))];
            layer.colour = std::clamp(std::abs(colour), 1, 255);
            layer.linetype = linetype;
            layer.visible = colour >= 0 && (flags & 1) == 0;
        }
    }

    // A linetype: its name and its elements' lengths (49); the texts and shapes that complex
    // linetypes put in their gaps are left out, their gaps kept.
    void Linetype() {
        const auto [b, e] = Object();
        std::string name;
        std::vector<double> dashes;
        for (size_t k = b + 1; k < e; ++k) {
            const TPair& p = m_p[k];
            if (p.code == 2)
                name = p.value;
            else if (p.code == 49 && dashes.size() < 64)
                dashes.push_back(Number(p.value));
        }
        const int index = m_d.Linetype(name);
        double total = 0;
        for (double d : dashes)
            total += std::isfinite(d) ? std::fabs(d) : 0;
        if (index > 0 && total > 0 && total < kAbsurd)
            m_d.linetypes[static_cast<size_t>(index)] = std::move(dashes);
    }

    void Blocks() {
        while (m_i < m_p.size() && !Is(0, "ENDSEC")) {
            if (!Is(0, "BLOCK")) {
                Object();
                continue;
            }
            const auto [b, e] = Object();
            std::string name;
            double bx = 0, by = 0;
            for (size_t k = b + 1; k < e; ++k) {
                const TPair& p = m_p[k];
                if (p.code == 2)
                    name = p.value;
                else if (p.code == 10)
                    bx = Number(p.value);
                else if (p.code == 20)
                    by = Number(p.value);
            }
            TBlock& block = m_d.blocks[name];
            block.bx = bx;
            block.by = by;
            block.entities.clear();
            Entities(block.entities, false);
            if (Is(0, "ENDBLK"))
                Object();
        }
    }

    void Entities(std::vector<TEntity>& out, bool modelSection) {
        while (m_i < m_p.size() && !Is(0, "ENDSEC") && !Is(0, "ENDBLK")) {
            if (m_p[m_i].code != 0) {
                ++m_i;
                continue;
            }
            const std::string_view kind = m_p[m_i].value;
            const auto [b, e] = Object();
            TEntity entity;
            if (!Common(b, e, entity) && modelSection)
                continue; // paper space
            if (kind == "POLYLINE") {
                Polyline(b, e, entity);
            } else if (!Entity(kind, b, e, entity)) {
                if (kind == "SEQEND" || kind == "VERTEX" || kind == "ATTDEF" || kind == "VIEWPORT")
                    continue;
                entity.kind = TKind::Unsupported;
                entity.text = kind;
            }
            out.push_back(std::move(entity));
        }
    }

    // Layer, colour, true colour and extrusion of any entity; false for one in paper space.
    bool Common(size_t b, size_t e, TEntity& out) {
        bool model = true;
        for (size_t k = b + 1; k < e; ++k) {
            const TPair& p = m_p[k];
            if (p.code == 8)
                out.layer = m_d.Layer(std::string(p.value));
            else if (p.code == 62)
                out.colour = Integer(p.value);
            else if (p.code == 420)
                out.trueColour = Integer(p.value) & 0xFFFFFF;
            else if (p.code == 67)
                model = Integer(p.value) == 0;
            else if (p.code == 230)
                out.mirror = Number(p.value) < 0;
            else if (p.code == 6)
                out.linetype = m_d.Linetype(p.value);
            else if (p.code == 48)
                out.ltscale = Number(p.value);
        }
        return model;
    }

    bool Entity(std::string_view kind, size_t b, size_t e, TEntity& out) {
        double v[80] = {}; // by group code 10..89, the last value of each
        for (size_t k = b + 1; k < e; ++k)
            if (m_p[k].code >= 10 && m_p[k].code < 90)
                v[m_p[k].code - 10] = Number(m_p[k].value);
        const auto g = [&](int code) { return v[code - 10]; };
        const auto has = [&](int code) {
            for (size_t k = b + 1; k < e; ++k)
                if (m_p[k].code == code)
                    return true;
            return false;
        };
        const auto str = [&](int code) {
            for (size_t k = b + 1; k < e; ++k)
                if (m_p[k].code == code)
                    return std::string(m_p[k].value);
            return std::string();
        };
        const auto set = [&](TKind k, std::initializer_list<double> values) {
            Put(out, k, values);
        };
        const bool ocs = out.mirror;
        out.mirror = false;
        if (kind == "LINE") {
            set(TKind::Line, {g(10), g(20), g(11), g(21)});
        } else if (kind == "POINT") {
            set(TKind::Point, {g(10), g(20)});
        } else if (kind == "CIRCLE") {
            set(TKind::Circle, {g(10), g(20), g(40)});
            out.mirror = ocs;
        } else if (kind == "ARC") {
            const double a1 = g(50) * kPi / 180;
            set(TKind::Arc, {g(10), g(20), g(40), a1, a1 + Sweep(a1, g(51) * kPi / 180)});
            out.mirror = ocs;
        } else if (kind == "ELLIPSE") {
            const double p1 = g(41), p2 = has(42) ? g(42) : 2 * kPi;
            set(TKind::Ellipse, {g(10), g(20), g(11), g(21), g(40), p1, p1 + Sweep(p1, p2)});
        } else if (kind == "SOLID" || kind == "TRACE" || kind == "3DFACE") {
            const bool solid = kind != "3DFACE";
            out.kind = solid ? TKind::Solid : TKind::Face;
            out.mirror = solid && ocs;
            // SOLID and TRACE corners zigzag (1 2 4 3 round the outline); a 3D face goes round.
            const int order[4] = {0, 1, solid ? 3 : 2, solid ? 2 : 3};
            for (int i : order)
                out.verts.push_back({g(10 + i), g(20 + i), 0, 0, 0});
            if (!solid)
                out.i0 = static_cast<int>(g(70)) & 15;
        } else if (kind == "LWPOLYLINE") {
            out.kind = TKind::Poly;
            out.mirror = ocs;
            const double constWidth = g(43);
            for (size_t k = b + 1; k < e; ++k) {
                const TPair& p = m_p[k];
                if (p.code == 70) {
                    out.closed = (Integer(p.value) & 1) != 0;
                    out.i1 = Integer(p.value) & 128;
                } else if (p.code == 10)
                    out.verts.push_back({Number(p.value), 0, 0, constWidth, constWidth});
                else if (out.verts.empty())
                    continue;
                else if (p.code == 20)
                    out.verts.back().y = Number(p.value);
                else if (p.code == 42)
                    out.verts.back().bulge = Number(p.value);
                else if (p.code == 40)
                    out.verts.back().w0 = Number(p.value);
                else if (p.code == 41)
                    out.verts.back().w1 = Number(p.value);
            }
        } else if (kind == "SPLINE") {
            out.kind = TKind::Spline;
            out.i0 = static_cast<int>(g(71));
            SplineData(b + 1, e, 41, out);
        } else if (kind == "TEXT" || kind == "ATTRIB") {
            set(TKind::Text, {g(10), g(20), has(40) ? g(40) : 1, g(50) * kPi / 180,
                              has(41) ? g(41) : 1, g(11), g(21)});
            out.mirror = ocs;
            out.i0 = static_cast<int>(g(72));
            out.i1 = static_cast<int>(kind == "TEXT" ? g(73) : g(74));
            out.closed = out.i0 != 0 || out.i1 != 0;
            out.text = str(1);
            if (kind == "ATTRIB" && (static_cast<int>(g(70)) & 1) != 0)
                out.text.clear(); // an invisible attribute
        } else if (kind == "MTEXT") {
            // The rotation in degrees, unless a direction is given; the reference width (41)
            // that lines wrap to, 0 for none; the line spacing factor (44).
            set(TKind::MText,
                {g(10), g(20), has(40) ? g(40) : 1, g(50) * kPi / 180, g(41), has(44) ? g(44) : 1});
            if (has(11) && (g(11) != 0 || g(21) != 0))
                out.v[3] = std::atan2(g(21), g(11));
            out.i0 = has(71) ? static_cast<int>(g(71)) : 1;
            for (size_t k = b + 1; k < e; ++k) // text in chunks of 250: 3s first, then the 1
                if (m_p[k].code == 3)
                    out.text += m_p[k].value;
            out.text += str(1);
        } else if (kind == "INSERT") {
            set(TKind::Insert,
                {g(10), g(20), has(41) ? g(41) : 1, has(42) ? g(42) : 1, g(50), g(44), g(45)});
            out.mirror = ocs;
            out.i0 = std::max(1, static_cast<int>(std::clamp(g(70), 0.0, 1e9)));
            out.i1 = std::max(1, static_cast<int>(std::clamp(g(71), 0.0, 1e9)));
            out.text = str(2);
        } else if (kind == "DIMENSION") {
            out.kind = TKind::Dimension;
            out.text = str(2);
        } else if (kind == "LEADER") {
            out.kind = TKind::Poly;
            for (size_t k = b + 1; k < e; ++k) {
                const TPair& p = m_p[k];
                if (p.code == 10)
                    out.verts.push_back({Number(p.value), 0, 0, 0, 0});
                else if (p.code == 20 && !out.verts.empty())
                    out.verts.back().y = Number(p.value);
            }
        } else if (kind == "HATCH") {
            Hatch(b, e, out);
            out.mirror = ocs;
        } else {
            return false;
        }
        return true;
    }

    // POLYLINE, then its VERTEX entities up to SEQEND; meshes are counted, not drawn.
    void Polyline(size_t b, size_t e, TEntity& out) {
        out.kind = TKind::Poly;
        int flags = 0;
        double w0 = 0, w1 = 0;
        for (size_t k = b + 1; k < e; ++k) {
            const TPair& p = m_p[k];
            if (p.code == 70)
                flags = Integer(p.value);
            else if (p.code == 40)
                w0 = Number(p.value);
            else if (p.code == 41)
                w1 = Number(p.value);
            else if (p.code == 230)
                out.mirror = Number(p.value) < 0 && (flags & 8) == 0;
        }
        out.closed = (flags & 1) != 0;
        out.i1 = flags & 128;
        while (Is(0, "VERTEX")) {
            const auto [vb, ve] = Object();
            TVert v{0, 0, 0, w0, w1};
            for (size_t k = vb + 1; k < ve; ++k) {
                const TPair& p = m_p[k];
                if (p.code == 10)
                    v.x = Number(p.value);
                else if (p.code == 20)
                    v.y = Number(p.value);
                else if (p.code == 42)
                    v.bulge = Number(p.value);
                else if (p.code == 40)
                    v.w0 = Number(p.value);
                else if (p.code == 41)
                    v.w1 = Number(p.value);
            }
            out.verts.push_back(v);
        }
        if (Is(0, "SEQEND"))
            Object();
        if ((flags & (16 | 64)) != 0) {
            out.kind = TKind::Unsupported;
            out.text = "POLYLINE mesh";
            out.verts.clear();
        }
    }

    // The boundary paths in order: a polyline path (flag 2) or edges (lines, arcs, ellipse
    // arcs, splines), then the pattern's line families.
    void Hatch(size_t b, size_t e, TEntity& out) {
        out.kind = TKind::Hatch;
        size_t k = b + 1;
        const auto at = [&](int code) { return k < e && m_p[k].code == code; };
        const auto num = [&]() { return Number(m_p[k++].value); };
        // Reads "code value" if it is next, else leaves def.
        const auto take = [&](int code, double def) { return at(code) ? num() : def; };
        while (k < e && !at(91)) {
            if (at(70))
                out.closed = Integer(m_p[k].value) & 1;
            ++k;
        }
        if (k >= e)
            return;
        const int loops = Integer(m_p[k++].value);
        for (int l = 0; l < loops && k < e; ++l) {
            while (k < e && !at(92))
                ++k;
            if (k >= e)
                break;
            const int type = Integer(m_p[k++].value);
            std::vector<TEntity> path;
            if ((type & 2) != 0) { // polyline: 72 has-bulge, 73 closed, 93 count, 10 20 [42]
                TEntity loop;
                loop.kind = TKind::Poly;
                loop.closed = true;
                take(72, 0);
                take(73, 0);
                const int n = static_cast<int>(take(93, 0));
                for (int i = 0; i < n && k < e && at(10); ++i) {
                    TVert v;
                    v.x = num();
                    v.y = take(20, 0);
                    v.bulge = take(42, 0);
                    loop.verts.push_back(v);
                }
                path.push_back(std::move(loop));
            } else {
                const int edges = static_cast<int>(take(93, 0));
                for (int i = 0; i < edges && k < e && at(72); ++i)
                    path.push_back(Edge(static_cast<int>(num()), k, e));
            }
            out.paths.push_back(std::move(path));
        }
        // Pattern line families: 53 angle, 43 44 base, 45 46 offset, 79 count, 49 dashes.
        for (; k < e; ++k) {
            const TPair& p = m_p[k];
            if (p.code == 53)
                out.pattern.push_back({Number(p.value), 0, 0, 0, 0, {}});
            else if (out.pattern.empty())
                continue;
            else if (p.code == 43)
                out.pattern.back().bx = Number(p.value);
            else if (p.code == 44)
                out.pattern.back().by = Number(p.value);
            else if (p.code == 45)
                out.pattern.back().dx = Number(p.value);
            else if (p.code == 46)
                out.pattern.back().dy = Number(p.value);
            else if (p.code == 49 && out.pattern.back().dashes.size() < 64)
                out.pattern.back().dashes.push_back(Number(p.value));
        }
    }

    // One edge of an edge path: a line, a circular or elliptic arc, or a spline.
    TEntity Edge(int type, size_t& k, size_t e) {
        // The edge's pairs run to the next 72 (next edge), 92 (next loop) or 97 (the loop's
        // source objects, followed by their handles or what follows the loop). A spline's own
        // 97 counts its fit points: fit points, tangents, the next edge or the loop's 97 follow.
        const size_t begin = k;
        const auto own97 = [&] {
            if (type != 4 || k + 1 >= e)
                return false;
            const int next = m_p[k + 1].code;
            return next == 11 || next == 12 || next == 13 || next == 72 || next == 97;
        };
        double v[80] = {};
        int degree = 0;
        while (k < e && m_p[k].code != 72 && m_p[k].code != 92 && (m_p[k].code != 97 || own97())) {
            const TPair& p = m_p[k++];
            if (p.code >= 10 && p.code < 90)
                v[p.code - 10] = Number(p.value);
            else if (p.code == 94)
                degree = Integer(p.value);
        }
        const auto g = [&](int code) { return v[code - 10]; };
        TEntity edge;
        if (type == 1) {
            Put(edge, TKind::Line, {g(10), g(20), g(11), g(21)});
        } else if (type == 2 || type == 3) {
            // Arcs and ellipse arcs are stored counter-clockwise from 50 to 51 (degrees); a
            // clockwise one (73 = 0) is stored mirrored: its angles are those of the reversed
            // direction. An ellipse's angles are angles, its drawing takes parameters.
            const bool ccw = g(73) != 0;
            const double ratio = type == 2 ? 1 : g(40);
            double a1 = ParamOfAngle(ratio, g(50) * kPi / 180);
            double a2 = ParamOfAngle(ratio, g(51) * kPi / 180);
            if (!ccw) {
                a1 = -a1;
                a2 = -a2;
            }
            const double sweep = ccw ? Sweep(a1, a2) : -Sweep(a2, a1);
            if (type == 2)
                Put(edge, TKind::Arc, {g(10), g(20), g(40), a1, a1 + sweep});
            else
                Put(edge, TKind::Ellipse, {g(10), g(20), g(11), g(21), ratio, a1, a1 + sweep});
        } else if (type == 4) { // 94 degree, 40 knots, 10 20 control points, 42 weights
            edge.kind = TKind::Spline;
            edge.i0 = degree;
            SplineData(begin, k, 42, edge);
        }
        return edge;
    }

    // A spline's knots (40), control points (10 20) with their weights (weightCode), fit
    // points (11 21) and end tangents (12 22, 13 23) from the pairs b..e.
    void SplineData(size_t b, size_t e, int weightCode, TEntity& out) {
        std::vector<double> weights;
        for (size_t k = b; k < e; ++k) {
            const TPair& p = m_p[k];
            if (p.code == 40)
                out.knots.push_back(Number(p.value));
            else if (p.code == weightCode)
                weights.push_back(Number(p.value));
            else if (p.code == 10)
                out.verts.push_back({Number(p.value), 0, 1, 0, 0});
            else if (p.code == 20 && !out.verts.empty())
                out.verts.back().y = Number(p.value);
            else if (p.code == 11)
                out.fit.push_back({Number(p.value), 0, 0, 0, 0});
            else if (p.code == 21 && !out.fit.empty())
                out.fit.back().y = Number(p.value);
            else if (p.code == 12 || p.code == 13) {
                out.i1 |= p.code == 12 ? 1 : 2;
                out.v[p.code == 12 ? 0 : 2] = Number(p.value);
            } else if (p.code == 22 || p.code == 23)
                out.v[p.code == 22 ? 1 : 3] = Number(p.value);
        }
        // Weights apply only when each control point has one, all of them positive.
        bool weighted = weights.size() == out.verts.size();
        for (double w : weights)
            weighted = weighted && w > 0 && w < kAbsurd;
        if (weighted)
            for (size_t k = 0; k < weights.size(); ++k)
                out.verts[k].bulge = weights[k];
    }

    TDrawing& m_d;
    const std::vector<TPair>& m_p;
    size_t m_i = 0;
    bool m_sawSection = false;
};

void ReadDrawing(std::string_view bytes, const std::string& fileName, TDrawing& drawing) {
    const std::vector<TPair> pairs = SplitPairs(bytes, fileName);
    TReader reader(drawing, pairs);
    reader.Read();
    if (!reader.SawSection())
        throw EVarnelError("\"" + fileName + "\" is not a DXF drawing (it has no SECTION)");
}

// ---- drawing ----

// x' = a x + b y + c, y' = d x + e y + f
struct TXform {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;
    TDxfPoint operator()(double x, double y) const {
        return {a * x + b * y + c, d * x + e * y + f};
    }
    TXform operator*(const TXform& o) const { // this after o
        return {a * o.a + b * o.d, a * o.b + b * o.e, a * o.c + b * o.f + c,
                d * o.a + e * o.d, d * o.b + e * o.e, d * o.c + e * o.f + f};
    }
    double Scale() const { return std::sqrt(std::max(a * a + d * d, b * b + e * e)); }
};

TXform Translate(double x, double y) {
    return {1, 0, x, 0, 1, y};
}
TXform Rotate(double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    return {c, -s, 0, s, c, 0};
}
TXform ScaleBy(double sx, double sy) {
    return {sx, 0, 0, 0, sy, 0};
}

// Slide bytes: a level-2 little-endian header, then vector, fill and colour records.
class TSlideRecords {
public:
    void Header(int highX, int highY) {
        TLittleEndianBytes out(m_bytes);
        const char id[] = "AutoCAD Slide\r\n\x1a";
        for (size_t i = 0; i < 17; ++i) // the id string and its NUL
            out.U8(static_cast<uint8_t>(id[i]));
        out.U8(0x56);
        out.U8(2);
        out.U16(static_cast<unsigned>(highX));
        out.U16(static_cast<unsigned>(highY));
        const double aspect = std::nearbyint(static_cast<double>(highX) / highY * 10000000.0);
        out.U32(static_cast<uint32_t>(static_cast<int32_t>(
            std::min(aspect, static_cast<double>(std::numeric_limits<int32_t>::max())))));
        out.U16(2);
        out.U16(0x1234);
    }
    void Colour(int index) {
        if (index == m_colour)
            return;
        m_colour = index;
        TLittleEndianBytes(m_bytes).U16(0xFF00u | static_cast<unsigned>(index));
    }
    void Vector(int x0, int y0, int x1, int y1) {
        TLittleEndianBytes out(m_bytes);
        out.U16(static_cast<unsigned>(x0));
        out.U16(static_cast<unsigned>(y0));
        out.U16(static_cast<unsigned>(x1));
        out.U16(static_cast<unsigned>(y1));
    }
    void Fill(const std::vector<std::pair<int, int>>& corners) {
        TLittleEndianBytes out(m_bytes);
        const auto record = [&](int x, int y) {
            out.U16(0xFD00);
            out.U16(static_cast<unsigned>(x) & 0xFFFF);
            out.U16(static_cast<unsigned>(y) & 0xFFFF);
        };
        record(static_cast<int>(corners.size()), -1);
        for (const auto& [x, y] : corners)
            record(x, y);
        record(0, -1);
    }
    std::vector<uint8_t> Finish() {
        TLittleEndianBytes(m_bytes).U16(0xFC00);
        return std::move(m_bytes);
    }

private:
    std::vector<uint8_t> m_bytes;
    int m_colour = 7; // a slide starts in colour 7
};

// The two passes over the drawing: the first measures its extents, the second draws it into
// the slide. Both walk the same code, so they see the same points.
class TPainter {
public:
    TPainter(const TDrawing& d, const std::string& fileName, uint64_t workLimit)
        : m_d(d), m_file(fileName), m_workLimit(workLimit), m_aci(BuildPalette(0x000000)) {}

    void Measure() {
        m_measuring = true;
        Container(m_d.model, TXform{}, 7, 0, -1, 0);
    }
    bool Empty() const { return m_minX > m_maxX; }

    std::vector<uint8_t> Draw(const TDxfConvertOptions& o) {
        const double dx = m_maxX - m_minX, dy = m_maxY - m_minY;
        const double w = std::clamp(o.Width, 1, 32767) - 1.0;
        const double h = std::clamp(o.Height, 1, 32767) - 1.0;
        double scale = 1;
        if (dx > 0 && dy > 0)
            scale = std::min(w / dx, h / dy);
        else if (dx > 0)
            scale = w / dx;
        else if (dy > 0)
            scale = h / dy;
        m_scale = scale;
        m_highX = static_cast<int>(std::lround(dx * scale)) + 1;
        m_highY = static_cast<int>(std::lround(dy * scale)) + 1;
        m_out.Header(m_highX, m_highY);
        m_measuring = false;
        m_work = 0;
        m_notDrawn.clear();
        Container(m_d.model, TXform{}, 7, 0, -1, 0);
        return m_out.Finish();
    }

    std::string NotDrawn() const {
        if (m_notDrawn.empty())
            return "";
        std::string s = "Not drawn:";
        bool first = true;
        for (const auto& [name, count] : m_notDrawn) {
            s += (first ? " " : ", ") + std::to_string(count) + " " + name;
            first = false;
        }
        return s + ".";
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        throw EVarnelError("Cannot convert \"" + m_file + "\": " + why);
    }
    void Work(uint64_t units) {
        m_work += units;
        if (m_work > m_workLimit)
            Fail("the drawing takes more work than its size allows (more than " +
                 std::to_string(m_workLimit) + " lines)");
    }

    int Resolve(const TEntity& e, int byBlock, int layer) const {
        if (e.trueColour >= 0) {
            const TColor rgb =
                static_cast<TColor>(((e.trueColour >> 16) & 0xFF) | (e.trueColour & 0xFF00) |
                                    ((e.trueColour & 0xFF) << 16));
            int best = 1;
            long bestDistance = std::numeric_limits<long>::max();
            for (int i = 1; i < 256; ++i) {
                const TColor c = m_aci[i];
                const long r = static_cast<long>(c & 0xFF) - static_cast<long>(rgb & 0xFF);
                const long g =
                    static_cast<long>((c >> 8) & 0xFF) - static_cast<long>((rgb >> 8) & 0xFF);
                const long b =
                    static_cast<long>((c >> 16) & 0xFF) - static_cast<long>((rgb >> 16) & 0xFF);
                const long distance = r * r + g * g + b * b;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            return best;
        }
        const int c = std::abs(e.colour);
        if (c == 0)
            return byBlock;
        if (c >= 256)
            return m_d.layers[static_cast<size_t>(layer)].colour;
        return c;
    }

    // An entity's layer: layer 0 inside a block takes the insert's layer.
    int LayerOf(const TEntity& e, int insertLayer) const {
        return e.layer == 0 && insertLayer >= 0 ? insertLayer : e.layer;
    }

    void Container(const std::vector<TEntity>& entities, const TXform& m, int byBlock,
                   int byBlockType, int insertLayer, int depth) {
        for (const TEntity& e : entities) {
            Work(1);
            const int layer = LayerOf(e, insertLayer);
            if (!m_d.layers[static_cast<size_t>(layer)].visible)
                continue;
            if (e.kind == TKind::Unsupported) {
                if (!m_measuring)
                    ++m_notDrawn[e.text];
                continue;
            }
            m_colour = Resolve(e, byBlock, layer);
            m_linetype = e.linetype == kByLayer   ? m_d.layers[static_cast<size_t>(layer)].linetype
                         : e.linetype == kByBlock ? byBlockType
                                                  : e.linetype;
            m_ltscale = e.ltscale > 1e-9 && e.ltscale < 1e9 ? e.ltscale : m_d.celtscale;
            const TXform local = e.mirror ? m * ScaleBy(-1, 1) : m;
            Entity(e, local, layer, depth);
        }
    }

    void Entity(const TEntity& e, const TXform& m, int layer, int depth) {
        const double* v = e.v;
        switch (e.kind) {
        case TKind::Line:
        case TKind::Arc:
        case TKind::Circle:
        case TKind::Ellipse:
        case TKind::Spline: {
            std::vector<TDxfPoint> pts;
            Curve(e, m, pts);
            Stroke(pts, m);
            break;
        }
        case TKind::Poly:
            Poly(e, m);
            break;
        case TKind::Point: {
            const TDxfPoint p = m(v[0], v[1]);
            Segment(p, p);
            break;
        }
        case TKind::Solid: {
            std::vector<TDxfPoint> pts;
            for (const TVert& c : e.verts)
                if (pts.empty() || !(pts.back() == m(c.x, c.y)))
                    pts.push_back(m(c.x, c.y));
            if (pts.size() > 1 && pts.front() == pts.back())
                pts.pop_back();
            Fill({pts});
            break;
        }
        case TKind::Face: // the edges its flags leave visible
            for (size_t i = 0; i < 4 && e.verts.size() == 4; ++i)
                if ((e.i0 & (1 << i)) == 0) {
                    const TVert& a = e.verts[i];
                    const TVert& b = e.verts[(i + 1) % 4];
                    Segment(m(a.x, a.y), m(b.x, b.y));
                }
            break;
        case TKind::Hatch:
            Hatch(e, m);
            break;
        case TKind::Text:
            Text(e, m);
            break;
        case TKind::MText:
            MText(e, m);
            break;
        case TKind::Insert:
            Insert(e, m, layer, depth);
            break;
        case TKind::Dimension: {
            const auto it = m_d.blocks.find(e.text);
            if (it == m_d.blocks.end())
                break;
            Nested(e.text, depth);
            Container(it->second.entities, m, m_colour, m_linetype, layer, depth + 1);
            m_stack.pop_back();
            break;
        }
        case TKind::Unsupported:
            break;
        }
    }

    void Nested(const std::string& name, int depth) {
        if (depth >= kMaxDepth)
            Fail("blocks are nested more than " + std::to_string(kMaxDepth) + " levels deep");
        if (std::find(m_stack.begin(), m_stack.end(), name) != m_stack.end())
            Fail("block \"" + name + "\" inserts itself");
        m_stack.push_back(name);
    }

    void Insert(const TEntity& e, const TXform& m, int layer, int depth) {
        const auto it = m_d.blocks.find(e.text);
        if (it == m_d.blocks.end())
            return;
        const TBlock& block = it->second;
        const double* v = e.v;
        const double angle = v[4] * kPi / 180;
        const int byBlock = m_colour, byBlockType = m_linetype;
        Nested(e.text, depth);
        for (int r = 0; r < e.i1; ++r)
            for (int c = 0; c < e.i0; ++c) {
                Work(1);
                const TXform place = m * Translate(v[0], v[1]) * Rotate(angle) *
                                     Translate(c * v[5], r * v[6]) * ScaleBy(v[2], v[3]) *
                                     Translate(-block.bx, -block.by);
                Container(block.entities, place, byBlock, byBlockType, layer, depth + 1);
            }
        m_stack.pop_back();
    }

    // Segments for an arc of this radius (in drawing units after the transform) and sweep: few
    // enough to bound the work, enough that the chord stays within a third of a slide unit.
    int Segments(double radius, double sweep) const {
        const double turns = std::fabs(sweep) / (2 * kPi);
        if (m_measuring || !(radius * m_scale > 0.34))
            return std::clamp(static_cast<int>(std::ceil(turns * 72)), 2, 72);
        const double step = 2 * std::acos(1 - 0.33 / (radius * m_scale));
        const double n = std::ceil(std::fabs(sweep) / step);
        return static_cast<int>(std::clamp(n, 2.0, 4096.0));
    }

    // The points of a curve (a line, arc, circle, ellipse, spline or polyline without widths)
    // after the transform, appended to out without repeating its last point.
    void Curve(const TEntity& e, const TXform& m, std::vector<TDxfPoint>& out) {
        const double* v = e.v;
        const auto add = [&](const TDxfPoint& p) {
            if (out.empty() || !(out.back() == p))
                out.push_back(p);
        };
        switch (e.kind) {
        case TKind::Line:
            add(m(v[0], v[1]));
            add(m(v[2], v[3]));
            break;
        case TKind::Circle:
        case TKind::Arc: {
            const double a1 = e.kind == TKind::Arc ? v[3] : 0;
            const double a2 = e.kind == TKind::Arc ? v[4] : 2 * kPi;
            const int n = Segments(v[2] * m.Scale(), a2 - a1);
            Work(static_cast<uint64_t>(n));
            for (int k = 0; k <= n; ++k) {
                const double t = a1 + (a2 - a1) * k / n;
                add(m(v[0] + v[2] * std::cos(t), v[1] + v[2] * std::sin(t)));
            }
            break;
        }
        case TKind::Ellipse: {
            const double p1 = v[5], p2 = v[6];
            const double major = std::hypot(v[2], v[3]);
            const int n = Segments(major * m.Scale(), p2 - p1);
            Work(static_cast<uint64_t>(n));
            const double minorX = -v[3] * v[4], minorY = v[2] * v[4];
            for (int k = 0; k <= n; ++k) {
                const double t = p1 + (p2 - p1) * k / n;
                add(m(v[0] + v[2] * std::cos(t) + minorX * std::sin(t),
                      v[1] + v[3] * std::cos(t) + minorY * std::sin(t)));
            }
            break;
        }
        case TKind::Poly: {
            if (e.verts.empty())
                break;
            const size_t n = e.verts.size();
            std::vector<TDxfPoint> local{{e.verts[0].x, e.verts[0].y}};
            for (size_t i = 0; i + 1 < n || (e.closed && i < n && n > 1); ++i)
                BulgePoints(e.verts[i], e.verts[(i + 1) % n], m.Scale(), local);
            for (const TDxfPoint& p : local)
                add(m(p.x, p.y));
            break;
        }
        case TKind::Spline:
            Spline(e, m, out);
            break;
        default:
            break;
        }
    }

    // The dash pattern of the entity being drawn; empty for a continuous line.
    const std::vector<double>& Dashes() const {
        const bool known =
            m_linetype >= 0 && static_cast<size_t>(m_linetype) < m_d.linetypes.size();
        return m_d.linetypes[known ? static_cast<size_t>(m_linetype) : 0];
    }

    // A curve drawn in the entity's linetype: dashes, gaps and dots along it, the pattern
    // running on across its corners. A pattern finer than two slide units draws solid, as it
    // would look anyway.
    void Stroke(const std::vector<TDxfPoint>& pts, const TXform& m) {
        const std::vector<double>& dashes = Dashes();
        const double scale = m_d.ltscale * m_ltscale * m.Scale();
        double total = 0;
        for (double d : dashes)
            total += std::fabs(d);
        if (m_measuring || dashes.empty() || !(total * scale * m_scale >= 2) || pts.size() < 2) {
            Polyline(pts, false);
            return;
        }
        size_t element = 0;
        double left = std::fabs(dashes[0]) * scale; // of the element under way
        const auto next = [&](const TDxfPoint& at) {
            // Dots are drawn where they fall; the pattern has a length, so this ends.
            do {
                element = (element + 1) % dashes.size();
                left = std::fabs(dashes[element]) * scale;
                if (dashes[element] == 0)
                    Segment(at, at);
            } while (left == 0);
        };
        if (dashes[0] == 0) {
            Segment(pts[0], pts[0]);
            next(pts[0]);
        }
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            const TDxfPoint& a = pts[i];
            const TDxfPoint& b = pts[i + 1];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const auto at = [&](double s) {
                const double f = length > 0 ? s / length : 0;
                return TDxfPoint{a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
            };
            double done = 0;
            while (length - done > 1e-12 * (1 + length)) {
                const double step = std::min(left, length - done);
                if (dashes[element] > 0)
                    Segment(at(done), at(done + step));
                else
                    Work(1);
                done += step;
                left -= step;
                if (left <= 1e-12 * (1 + step))
                    next(at(done));
            }
        }
    }

    // The points of a bulged segment from a to b, a excluded, b included, in the entity's own
    // units; scale turns them into drawing units for the number of chords.
    void BulgePoints(const TVert& a, const TVert& b, double scale, std::vector<TDxfPoint>& out) {
        const double chord = std::hypot(b.x - a.x, b.y - a.y);
        if (std::fabs(a.bulge) < 1e-9 || chord == 0 || !std::isfinite(a.bulge)) {
            out.push_back({b.x, b.y});
            return;
        }
        // The sweep is four times the bulge's arc tangent, counter-clockwise when positive; the
        // centre lies off the chord's middle along its left normal.
        const double sweep = 4 * std::atan(a.bulge);
        const double r = chord / (2 * std::sin(std::fabs(sweep) / 2));
        const double h = chord / 2 / std::tan(sweep / 2);
        const double cx = (a.x + b.x) / 2 - (b.y - a.y) / chord * h;
        const double cy = (a.y + b.y) / 2 + (b.x - a.x) / chord * h;
        const double a0 = std::atan2(a.y - cy, a.x - cx);
        const int n = Segments(r * scale, sweep);
        Work(static_cast<uint64_t>(n));
        for (int k = 1; k < n; ++k) {
            const double t = a0 + sweep * k / n;
            out.push_back({cx + r * std::cos(t), cy + r * std::sin(t)});
        }
        out.push_back({b.x, b.y});
    }

    void Poly(const TEntity& e, const TXform& m) {
        const std::vector<TVert>& verts = e.verts;
        if (verts.empty())
            return;
        const size_t n = verts.size();
        const size_t segments = e.closed ? n : n - 1;
        bool wide = false;
        for (const TVert& v : verts)
            wide = wide || v.w0 > 0 || v.w1 > 0;
        if (!wide && ((e.i1 & 128) != 0 || Dashes().empty() || segments == 0)) {
            std::vector<TDxfPoint> pts;
            Curve(e, m, pts);
            Stroke(pts, m);
            return;
        }
        if (!wide) { // the linetype starts again at each vertex
            for (size_t i = 0; i < segments; ++i) {
                std::vector<TDxfPoint> local{{verts[i].x, verts[i].y}}, pts;
                BulgePoints(verts[i], verts[(i + 1) % n], m.Scale(), local);
                for (const TDxfPoint& p : local)
                    pts.push_back(m(p.x, p.y));
                Stroke(pts, m);
            }
            return;
        }
        // A wide segment is a band around its centre line, filled as the drawing shows it.
        for (size_t i = 0; i < segments; ++i) {
            const TVert& a = verts[i];
            const TVert& b = verts[(i + 1) % n];
            std::vector<TDxfPoint> centre{{a.x, a.y}};
            BulgePoints(a, b, m.Scale(), centre);
            const size_t k = centre.size();
            if (k < 2)
                continue;
            std::vector<TDxfPoint> left, right;
            double length = 0;
            for (size_t j = 1; j < k; ++j)
                length += std::hypot(centre[j].x - centre[j - 1].x, centre[j].y - centre[j - 1].y);
            double run = 0;
            for (size_t j = 0; j < k; ++j) {
                const TDxfPoint& p0 = centre[j == 0 ? 0 : j - 1];
                const TDxfPoint& p1 = centre[j == 0 ? 1 : j];
                if (j > 0)
                    run += std::hypot(p1.x - p0.x, p1.y - p0.y);
                const double len = std::hypot(p1.x - p0.x, p1.y - p0.y);
                if (len == 0)
                    continue;
                const double t = length > 0 ? run / length : 0;
                const double half = (a.w0 + (a.w1 - a.w0) * t) / 2;
                const double nx = -(p1.y - p0.y) / len * half, ny = (p1.x - p0.x) / len * half;
                left.push_back(m(centre[j].x + nx, centre[j].y + ny));
                right.push_back(m(centre[j].x - nx, centre[j].y - ny));
            }
            for (size_t j = 0; j + 1 < left.size(); ++j)
                Fill({{left[j], left[j + 1], right[j + 1], right[j]}});
        }
    }

    // ---- curves flattened to a tolerance ----

    // How far a flattened curve may stray from the true one, in drawing units: a quarter of a
    // slide unit. While measuring there is no slide yet: the first pieces give the extents.
    double Tolerance() const { return m_measuring ? 1e300 : 0.25 / m_scale; }

    static double ChordDistance(const TDxfPoint& p, const TDxfPoint& a, const TDxfPoint& b) {
        const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        if (length == 0)
            return std::hypot(p.x - a.x, p.y - a.y);
        return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
    }

    // The curve f (a point for each parameter) from t0 to t1 in at least `pieces` pieces, each
    // halved while its middle lies farther than the tolerance from its chord (ten times at
    // most), appended to out (its first point only when out does not end there). While
    // measuring, four times the pieces stand in for the halving, so that the extents miss
    // little of the curve.
    template <class F>
    void Flatten(const F& f, double t0, double t1, int pieces, std::vector<TDxfPoint>& out) {
        if (m_measuring)
            pieces *= 4;
        double ta = t0;
        TDxfPoint pa = f(t0);
        if (out.empty() || !(out.back() == pa))
            out.push_back(pa);
        for (int k = 1; k <= pieces; ++k) {
            const double tb = t0 + (t1 - t0) * k / pieces;
            const TDxfPoint pb = f(tb);
            Refine(f, ta, pa, tb, pb, 0, out);
            ta = tb;
            pa = pb;
        }
    }
    template <class F>
    void Refine(const F& f, double ta, const TDxfPoint& pa, double tb, const TDxfPoint& pb,
                int depth, std::vector<TDxfPoint>& out) {
        Work(1);
        if (depth < 10) {
            const double tm = (ta + tb) / 2;
            const TDxfPoint pm = f(tm);
            if (ChordDistance(pm, pa, pb) > Tolerance()) {
                Refine(f, ta, pa, tm, pm, depth + 1, out);
                Refine(f, tm, pm, tb, pb, depth + 1, out);
                return;
            }
        }
        out.push_back(pb);
    }

    // A B-spline by de Boor's algorithm over its knots (rational where it has weights); one
    // with fit points only as the cubic through them; one whose knots do not fit its control
    // points as its control polygon.
    void Spline(const TEntity& e, const TXform& m, std::vector<TDxfPoint>& out) {
        const std::vector<TVert>& cp = e.verts;
        const std::vector<double>& u = e.knots;
        const int p = e.i0;
        bool valid = p >= 1 && p < 16 && cp.size() > static_cast<size_t>(p) &&
                     u.size() == cp.size() + static_cast<size_t>(p) + 1;
        for (size_t k = 0; valid && k < u.size(); ++k)
            valid = Finite(u[k]) && (k == 0 || u[k] >= u[k - 1]);
        if (valid) {
            const auto degree = static_cast<size_t>(p);
            for (size_t span = degree; span < cp.size(); ++span) {
                Work(1);
                if (!(u[span + 1] > u[span]))
                    continue;
                const auto at = [&](double t) {
                    const TDxfPoint q = DeBoor(cp, u, degree, span, t);
                    return m(q.x, q.y);
                };
                Flatten(at, u[span], u[span + 1], 4, out);
            }
        } else if (cp.empty() && e.fit.size() >= 2) {
            FitSpline(e, m, out);
        } else {
            for (const TVert& c : cp)
                if (out.empty() || !(out.back() == m(c.x, c.y)))
                    out.push_back(m(c.x, c.y));
        }
    }

    static TDxfPoint DeBoor(const std::vector<TVert>& cp, const std::vector<double>& u, size_t p,
                            size_t span, double t) {
        double x[16], y[16], w[16];
        for (size_t j = 0; j <= p; ++j) {
            const TVert& c = cp[span - p + j];
            w[j] = c.bulge;
            x[j] = c.x * c.bulge;
            y[j] = c.y * c.bulge;
        }
        for (size_t r = 1; r <= p; ++r)
            for (size_t j = p; j >= r; --j) {
                const size_t i = span - p + j;
                const double den = u[i + p - r + 1] - u[i];
                const double a = den == 0 ? 0 : (t - u[i]) / den;
                x[j] = (1 - a) * x[j - 1] + a * x[j];
                y[j] = (1 - a) * y[j - 1] + a * y[j];
                w[j] = (1 - a) * w[j - 1] + a * w[j];
            }
        return w[p] != 0 ? TDxfPoint{x[p] / w[p], y[p] / w[p]} : TDxfPoint{x[p], y[p]};
    }

    // The cubic spline through the fit points, as CAD programs make it: parameters by chord
    // length, the end tangents as stored or else estimated from the five points at each end
    // (their length the whole chord length), and the curve twice continuous at every point.
    void FitSpline(const TEntity& e, const TXform& m, std::vector<TDxfPoint>& out) {
        std::vector<TDxfPoint> q;
        for (const TVert& f : e.fit)
            if (q.empty() || !(q.back() == TDxfPoint{f.x, f.y}))
                q.push_back({f.x, f.y});
        const size_t n = q.size();
        if (n < 2) {
            if (n == 1)
                out.push_back(m(q[0].x, q[0].y));
            return;
        }
        Work(n * 8);
        std::vector<double> t(n, 0);
        for (size_t i = 1; i < n; ++i)
            t[i] = t[i - 1] + std::hypot(q[i].x - q[i - 1].x, q[i].y - q[i - 1].y);
        const double length = t[n - 1];
        if (!(length > 0) || !std::isfinite(length))
            return;
        for (double& ti : t)
            ti /= length;
        const auto normal = [&](TDxfPoint d) { // d at the length of the whole chord
            const double l = std::hypot(d.x, d.y);
            return l > 0 && std::isfinite(l) ? TDxfPoint{d.x / l * length, d.y / l * length}
                                             : TDxfPoint{0, 0};
        };
        const std::pair<TDxfPoint, TDxfPoint> guessed = EndTangents(q);
        std::vector<TDxfPoint> d(n); // the derivatives at the points
        d[0] = normal((e.i1 & 1) != 0 ? TDxfPoint{e.v[0], e.v[1]} : guessed.first);
        d[n - 1] = normal((e.i1 & 2) != 0 ? TDxfPoint{e.v[2], e.v[3]} : guessed.second);
        if (d[0] == TDxfPoint{0, 0})
            d[0] = normal(guessed.first);
        if (d[n - 1] == TDxfPoint{0, 0})
            d[n - 1] = normal(guessed.second);
        // h[i-1] d[i-1] ... : hi d(i-1) + 2 (h(i-1) + hi) di + h(i-1) d(i+1) = 3 (hi D(i-1) +
        // h(i-1) Di) for the inner points, solved by elimination down the three diagonals.
        if (n > 2) {
            const size_t inner = n - 2;
            std::vector<double> diag(inner), upper(inner), lower(inner);
            std::vector<TDxfPoint> rhs(inner);
            for (size_t k = 0; k < inner; ++k) {
                const size_t i = k + 1;
                const double h0 = t[i] - t[i - 1], h1 = t[i + 1] - t[i];
                lower[k] = h1;
                diag[k] = 2 * (h0 + h1);
                upper[k] = h0;
                const TDxfPoint s0 = {(q[i].x - q[i - 1].x) / h0, (q[i].y - q[i - 1].y) / h0};
                const TDxfPoint s1 = {(q[i + 1].x - q[i].x) / h1, (q[i + 1].y - q[i].y) / h1};
                rhs[k] = {3 * (h1 * s0.x + h0 * s1.x), 3 * (h1 * s0.y + h0 * s1.y)};
                // The known end derivatives move to the right side.
                if (i == 1)
                    rhs[k] = {rhs[k].x - h1 * d[0].x, rhs[k].y - h1 * d[0].y};
                if (i == n - 2)
                    rhs[k] = {rhs[k].x - h0 * d[n - 1].x, rhs[k].y - h0 * d[n - 1].y};
            }
            for (size_t k = 1; k < inner; ++k) {
                const double f = lower[k] / diag[k - 1];
                diag[k] -= f * upper[k - 1];
                rhs[k].x -= f * rhs[k - 1].x;
                rhs[k].y -= f * rhs[k - 1].y;
            }
            for (size_t k = inner; k-- > 0;) {
                TDxfPoint r = rhs[k];
                if (k + 1 < inner) {
                    r.x -= upper[k] * d[k + 2].x;
                    r.y -= upper[k] * d[k + 2].y;
                }
                d[k + 1] = {r.x / diag[k], r.y / diag[k]};
            }
        }
        // Each stretch between two fit points is a cubic Hermite curve.
        for (size_t i = 0; i + 1 < n; ++i) {
            const double h = t[i + 1] - t[i];
            const TDxfPoint a = q[i], b = q[i + 1], da = d[i], db = d[i + 1];
            const auto at = [&](double s) {
                const double s2 = s * s, s3 = s2 * s;
                const double h00 = 2 * s3 - 3 * s2 + 1, h10 = s3 - 2 * s2 + s;
                const double h01 = -2 * s3 + 3 * s2, h11 = s3 - s2;
                return m(h00 * a.x + h10 * h * da.x + h01 * b.x + h11 * h * db.x,
                         h00 * a.y + h10 * h * da.y + h01 * b.y + h11 * h * db.y);
            };
            Flatten(at, 0, 1, 2, out);
        }
    }

    // The directions at both ends of a run of points, each from the five points around it
    // (the run extended beyond its ends by reflection); the chords themselves for two points.
    static std::pair<TDxfPoint, TDxfPoint> EndTangents(const std::vector<TDxfPoint>& p) {
        const size_t n = p.size();
        const TDxfPoint first = {p[1].x - p[0].x, p[1].y - p[0].y};
        const TDxfPoint last = {p[n - 1].x - p[n - 2].x, p[n - 1].y - p[n - 2].y};
        if (n < 3)
            return {first, last};
        // q[k] = p[k] - p[k-1] for k = 1 .. n-1, extended by two on either side.
        const auto q = [&](long k) -> TDxfPoint {
            const long last1 = static_cast<long>(n) - 1;
            const auto d = [&](long i) {
                return TDxfPoint{p[static_cast<size_t>(i)].x - p[static_cast<size_t>(i - 1)].x,
                                 p[static_cast<size_t>(i)].y - p[static_cast<size_t>(i - 1)].y};
            };
            const auto twice = [](TDxfPoint a, TDxfPoint b) {
                return TDxfPoint{2 * a.x - b.x, 2 * a.y - b.y};
            };
            if (k >= 1 && k <= last1)
                return d(k);
            if (k == 0)
                return twice(d(1), d(2));
            if (k == -1)
                return twice(twice(d(1), d(2)), d(1));
            if (k == last1 + 1)
                return twice(d(last1), d(last1 - 1));
            return twice(twice(d(last1), d(last1 - 1)), d(last1)); // last1 + 2
        };
        const auto cross = [](TDxfPoint a, TDxfPoint b) {
            return std::fabs(a.x * b.y - a.y * b.x);
        };
        const auto at = [&](long k) {
            const double v1 = cross(q(k - 1), q(k)), v2 = cross(q(k + 1), q(k + 2));
            const double alpha = v1 + v2 > 0 ? v1 / (v1 + v2) : 0.5;
            const TDxfPoint a = q(k), b = q(k + 1);
            return TDxfPoint{(1 - alpha) * a.x + alpha * b.x, (1 - alpha) * a.y + alpha * b.y};
        };
        return {at(0), at(static_cast<long>(n) - 1)};
    }

    void Hatch(const TEntity& e, const TXform& m) {
        std::vector<std::vector<TDxfPoint>> loops;
        for (const std::vector<TEntity>& path : e.paths) {
            std::vector<TDxfPoint> pts;
            for (const TEntity& edge : path)
                Curve(edge, m, pts);
            if (pts.size() > 1 && pts.front() == pts.back())
                pts.pop_back();
            if (pts.size() >= 2)
                loops.push_back(std::move(pts));
        }
        if (loops.empty())
            return;
        if (e.closed) {
            Fill(loops);
            return;
        }
        PatternLines(e, m, loops);
    }

    // A pattern hatch: each line family's lines across the boundary's extents, clipped to the
    // inside of its loops (even-odd), dashed as the family says.
    void PatternLines(const TEntity& e, const TXform& m,
                      const std::vector<std::vector<TDxfPoint>>& loops) {
        if (m_measuring) {
            for (const auto& loop : loops)
                for (const TDxfPoint& p : loop)
                    Point(p);
            return;
        }
        double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
        for (const auto& loop : loops)
            for (const TDxfPoint& p : loop) {
                minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
            }
        if (e.pattern.empty()) { // no lines carried: the outline shows where it lies
            for (const auto& loop : loops)
                Polyline(loop, true);
            return;
        }
        for (const TPatternLine& family : e.pattern) {
            const TDxfPoint base = m(family.bx, family.by);
            const double a = family.angle * kPi / 180;
            // Direction along the lines and the step to the next line, in drawing units.
            TDxfPoint dir = {m.a * std::cos(a) + m.b * std::sin(a),
                             m.d * std::cos(a) + m.e * std::sin(a)};
            const double dl = std::hypot(dir.x, dir.y);
            if (dl == 0)
                continue;
            dir = {dir.x / dl, dir.y / dl};
            const double ox = family.dx * std::cos(a) - family.dy * std::sin(a);
            const double oy = family.dx * std::sin(a) + family.dy * std::cos(a);
            const TDxfPoint off = {m.a * ox + m.b * oy, m.d * ox + m.e * oy};
            const TDxfPoint normal = {-dir.y, dir.x};
            const double spacing = off.x * normal.x + off.y * normal.y;
            if (!(std::fabs(spacing) * m_scale >= 0.5)) // closer than half a slide unit: solid
                continue;
            const double along = off.x * dir.x + off.y * dir.y;
            // The range of line numbers that can cross the extents.
            double lo = 1e300, hi = -1e300;
            for (const TDxfPoint& c : {TDxfPoint{minX, minY}, TDxfPoint{maxX, minY},
                                       TDxfPoint{minX, maxY}, TDxfPoint{maxX, maxY}}) {
                const double s = ((c.x - base.x) * normal.x + (c.y - base.y) * normal.y) / spacing;
                lo = std::min(lo, s);
                hi = std::max(hi, s);
            }
            const double diag = std::hypot(maxX - minX, maxY - minY);
            double dashLength = 0;
            for (double d : family.dashes)
                dashLength += std::fabs(d);
            const double dashScale = dl;
            for (double k = std::floor(lo); k <= std::ceil(hi); ++k) {
                Work(4);
                const TDxfPoint origin = {base.x + off.x * k, base.y + off.y * k};
                // The stretch of this line across the extents, by distance from origin.
                const double centre = (((minX + maxX) / 2 - origin.x) * dir.x +
                                       ((minY + maxY) / 2 - origin.y) * dir.y);
                const double t0 = centre - diag, t1 = centre + diag;
                for (const auto& [s0, s1] : Inside(loops, origin, dir, t0, t1)) {
                    if (family.dashes.empty() || dashLength * dashScale * m_scale < 1) {
                        Segment({origin.x + dir.x * s0, origin.y + dir.y * s0},
                                {origin.x + dir.x * s1, origin.y + dir.y * s1});
                        continue;
                    }
                    // Dashes start at the line's origin, shifted along by the line number.
                    const double period = dashLength * dashScale;
                    double t = std::floor((s0 - along * k) / period) * period + along * k;
                    while (t < s1) {
                        Work(1);
                        for (double d : family.dashes) {
                            const double len = std::fabs(d) * dashScale;
                            const double a0 = std::max(t, s0), a1 = std::min(t + len, s1);
                            if (d >= 0 && a0 <= a1 && (d > 0 || t >= s0))
                                Segment({origin.x + dir.x * a0, origin.y + dir.y * a0},
                                        {origin.x + dir.x * (d > 0 ? a1 : a0),
                                         origin.y + dir.y * (d > 0 ? a1 : a0)});
                            t += len;
                            if (t >= s1)
                                break;
                        }
                    }
                }
            }
        }
    }

    // The stretches of the line origin + t dir (t0 <= t <= t1) inside the loops, even-odd.
    static std::vector<std::pair<double, double>>
    Inside(const std::vector<std::vector<TDxfPoint>>& loops, const TDxfPoint& o,
           const TDxfPoint& dir, double t0, double t1) {
        std::vector<double> hits;
        for (const auto& loop : loops)
            for (size_t i = 0; i < loop.size(); ++i) {
                const TDxfPoint& a = loop[i];
                const TDxfPoint& b = loop[(i + 1) % loop.size()];
                // Which side of the line each end lies on.
                const double sa = (a.x - o.x) * -dir.y + (a.y - o.y) * dir.x;
                const double sb = (b.x - o.x) * -dir.y + (b.y - o.y) * dir.x;
                if ((sa > 0) == (sb > 0))
                    continue;
                const double f = sa / (sa - sb);
                const TDxfPoint p = {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
                hits.push_back((p.x - o.x) * dir.x + (p.y - o.y) * dir.y);
            }
        std::sort(hits.begin(), hits.end());
        std::vector<std::pair<double, double>> out;
        for (size_t i = 0; i + 1 < hits.size(); i += 2) {
            const double s0 = std::max(hits[i], t0), s1 = std::min(hits[i + 1], t1);
            if (s0 < s1)
                out.emplace_back(s0, s1);
        }
        return out;
    }

    // Text: strokes of the font scaled to the height, placed by the alignment, rotated.
    void TextLine(const std::string& text, const TXform& place) {
        const TStrokeFont* font = TStrokeFont::Get();
        if (font == nullptr) {
            if (!m_measuring)
                ++m_notDrawn["TEXT (no stroke font)"];
            return;
        }
        double x = 0;
        for (char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            Work(1);
            for (const TStroke& stroke : font->Strokes(c)) {
                std::vector<TDxfPoint> pts;
                for (const TDxfPoint& p : stroke)
                    pts.push_back(place(x + p.x, p.y));
                Polyline(pts, false);
            }
            x += font->Advance(c);
        }
    }

    void Text(const TEntity& e, const TXform& m) {
        const TStrokeFont* font = TStrokeFont::Get();
        const std::string text = PlainText(e.text, false);
        const double* v = e.v;
        const double height = v[2] > 0 ? v[2] : 1;
        double s = height / TStrokeFont::kCapHeight;
        double sx = s * (v[4] > 0 ? v[4] : 1);
        const double width = font != nullptr ? font->Width(text) : 0;
        double x = v[0], y = v[1], angle = v[3];
        double shiftX = 0, shiftY = 0;
        if (e.closed) { // aligned by the second point
            const int h = e.i0, vj = e.i1;
            if (h == 3 || h == 5) { // aligned or fitted between the two points
                const double len = std::hypot(v[5] - v[0], v[6] - v[1]);
                angle = std::atan2(v[6] - v[1], v[5] - v[0]);
                if (width > 0 && len > 0) {
                    sx = len / width;
                    if (h == 3)
                        s = sx;
                }
            } else {
                x = v[5];
                y = v[6];
                if (h == 1 || h == 4)
                    shiftX = -width * sx / 2;
                else if (h == 2)
                    shiftX = -width * sx;
                if (h == 4)
                    shiftY = -TStrokeFont::kCapHeight * s / 2;
            }
            if (vj == 1)
                shiftY = TStrokeFont::kDescent * s;
            else if (vj == 2)
                shiftY = -TStrokeFont::kCapHeight * s / 2;
            else if (vj == 3)
                shiftY = -TStrokeFont::kCapHeight * s;
        }
        const TXform place =
            m * Translate(x, y) * Rotate(angle) * Translate(shiftX, shiftY) * ScaleBy(sx, s);
        TextLine(text, place);
    }

    void MText(const TEntity& e, const TXform& m) {
        const TStrokeFont* font = TStrokeFont::Get();
        const double* v = e.v;
        const double height = v[2] > 0 ? v[2] : 1;
        const double s = height / TStrokeFont::kCapHeight;
        const double wrap = font != nullptr && v[4] > 0 ? v[4] / s : 0; // in font units
        const std::vector<std::string> lines = MTextLines(PlainText(e.text, true), font, wrap);
        const double spacing = v[5] > 0.2 && v[5] < 5 ? v[5] : 1;
        const double pitch = height * 5 / 3 * spacing;
        const double total = height + pitch * static_cast<double>(lines.size() - 1);
        const int attach = std::clamp(e.i0, 1, 9);
        const int row = (attach - 1) / 3, col = (attach - 1) % 3;
        const double top = row == 0 ? 0 : row == 1 ? total / 2 : total;
        for (size_t i = 0; i < lines.size(); ++i) {
            const double w = font != nullptr ? font->Width(lines[i]) * s : 0;
            const double lx = col == 0 ? 0 : col == 1 ? -w / 2 : -w;
            const double ly = top - height - pitch * static_cast<double>(i);
            const TXform place =
                m * Translate(v[0], v[1]) * Rotate(v[3]) * Translate(lx, ly) * ScaleBy(s, s);
            TextLine(lines[i], place);
        }
    }

    // The lines of an mtext: its paragraphs, each broken between words so that no line is
    // wider than wrap font units (0: no limit); a word wider than that keeps a line of its own.
    std::vector<std::string> MTextLines(const std::string& text, const TStrokeFont* font,
                                        double wrap) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\n')
                continue;
            const std::string paragraph = text.substr(start, i - start);
            start = i + 1;
            Work(paragraph.size() + 1);
            if (wrap <= 0 || font == nullptr || font->Width(paragraph) <= wrap) {
                lines.push_back(paragraph);
                continue;
            }
            std::string line;
            double width = 0;
            size_t at = 0;
            while (at < paragraph.size()) {
                // The next word with the blanks before it.
                size_t end = at;
                while (end < paragraph.size() && paragraph[end] == ' ')
                    ++end;
                while (end < paragraph.size() && paragraph[end] != ' ')
                    ++end;
                const std::string piece = paragraph.substr(at, end - at);
                const double pieceWidth = font->Width(piece);
                if (!line.empty() && width + pieceWidth > wrap) {
                    lines.push_back(line);
                    const size_t word = piece.find_first_not_of(' ');
                    line = word == std::string::npos ? std::string() : piece.substr(word);
                    width = font->Width(line);
                } else {
                    line += piece;
                    width += pieceWidth;
                }
                at = end;
            }
            lines.push_back(line);
        }
        return lines;
    }

    // The characters a text shows: control codes (%%d and friends) and, for mtexts, the
    // formatting codes taken out, new paragraphs as '\n'; bytes the font lacks as '?'.
    static std::string PlainText(const std::string& in, bool mtext) {
        std::string out;
        for (size_t i = 0; i < in.size(); ++i) {
            const char c = in[i];
            if (c == '%' && i + 2 < in.size() && in[i + 1] == '%') {
                const char k =
                    static_cast<char>(std::tolower(static_cast<unsigned char>(in[i + 2])));
                if (k == 'd')
                    out += "o";
                else if (k == 'p')
                    out += "+-";
                else if (k == 'c')
                    out += "O";
                else if (k == '%')
                    out += "%";
                i += 2;
                continue;
            }
            if (mtext && c == '\\' && i + 1 < in.size()) {
                const char k = in[i + 1];
                if (k == 'P' || k == 'X') {
                    out += '\n';
                    ++i;
                } else if (k == '~') {
                    out += ' ';
                    ++i;
                } else if (k == '\\' || k == '{' || k == '}') {
                    out += k;
                    ++i;
                } else if (std::strchr("LlOoKkNn", k) != nullptr) {
                    ++i;
                } else if ((k == 'U' || k == 'M') && i + 2 < in.size() && in[i + 2] == '+') {
                    // \U+hhhh is a Unicode character, \M+nhhhh one of a code page
                    const size_t digits = k == 'U' ? 4 : 5;
                    const std::string hex = in.substr(i + 3, digits);
                    const long code =
                        hex.size() == digits &&
                                hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos
                            ? std::strtol(hex.c_str(), nullptr, 16)
                            : -1;
                    if (k == 'U' && code >= 0x20 && code < 0x7F)
                        out += static_cast<char>(code);
                    else if (k == 'U' && code == 0xB0)
                        out += 'o';
                    else if (k == 'U' && code == 0xB1)
                        out += "+-";
                    else
                        out += '?';
                    i += code >= 0 ? 2 + digits : 1;
                } else if (k == 'S') { // stacked: a^b or a/b as a/b
                    const size_t end = in.find(';', i);
                    std::string stack = in.substr(
                        i + 2, end == std::string::npos ? std::string::npos : end - i - 2);
                    std::replace(stack.begin(), stack.end(), '^', '/');
                    std::replace(stack.begin(), stack.end(), '#', '/');
                    out += stack;
                    i = end == std::string::npos ? in.size() : end;
                } else { // \A1; \C2; \Ffont; \H2x; \Q15; \T1; \W0.8; \p...;
                    const size_t end = in.find(';', i);
                    i = end == std::string::npos ? in.size() : end;
                }
                continue;
            }
            if (mtext && (c == '{' || c == '}'))
                continue;
            if (mtext && c == '^' && i + 1 < in.size()) { // ^I tab, ^J newline
                out += in[i + 1] == 'J' ? '\n' : ' ';
                ++i;
                continue;
            }
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0xC0) { // a UTF-8 sequence is one character
                while (i + 1 < in.size() && (static_cast<unsigned char>(in[i + 1]) & 0xC0) == 0x80)
                    ++i;
                out += '?';
            } else if (u >= 0x80 || u < 0x20) {
                out += u == '\t' ? ' ' : '?';
            } else {
                out += c;
            }
        }
        return out;
    }

    // ---- output ----

    void Point(const TDxfPoint& p) {
        if (!Finite(p.x) || !Finite(p.y))
            Fail("a coordinate is not a number or lies beyond 1e15");
        m_minX = std::min(m_minX, p.x);
        m_maxX = std::max(m_maxX, p.x);
        m_minY = std::min(m_minY, p.y);
        m_maxY = std::max(m_maxY, p.y);
    }

    std::pair<int, int> ToSlide(const TDxfPoint& p) const {
        const double x = std::clamp(std::nearbyint((p.x - m_minX) * m_scale), 0.0, m_highX - 1.0);
        const double y = std::clamp(std::nearbyint((p.y - m_minY) * m_scale), 0.0, m_highY - 1.0);
        return {static_cast<int>(x), static_cast<int>(y)};
    }

    void Segment(const TDxfPoint& a, const TDxfPoint& b) {
        Work(1);
        if (m_measuring) {
            Point(a);
            Point(b);
            return;
        }
        const auto [x0, y0] = ToSlide(a);
        const auto [x1, y1] = ToSlide(b);
        m_out.Colour(m_colour);
        m_out.Vector(x0, y0, x1, y1);
    }

    void Polyline(const std::vector<TDxfPoint>& pts, bool closed) {
        if (pts.size() == 1)
            Segment(pts[0], pts[0]);
        for (size_t i = 0; i + 1 < pts.size(); ++i)
            Segment(pts[i], pts[i + 1]);
        if (closed && pts.size() > 2)
            Segment(pts.back(), pts.front());
    }

    // A filled area of one or more loops (even-odd): small simple ones as fill records, the rest
    // as rows of vectors one slide unit apart.
    void Fill(const std::vector<std::vector<TDxfPoint>>& loops) {
        size_t corners = 0;
        for (const auto& loop : loops)
            corners += loop.size();
        Work(corners);
        if (m_measuring) {
            for (const auto& loop : loops)
                for (const TDxfPoint& p : loop)
                    Point(p);
            return;
        }
        if (corners == 0)
            return;
        m_out.Colour(m_colour);
        if (loops.size() == 1 && loops[0].size() <= 64) {
            std::vector<TDxfPoint> slide;
            for (const TDxfPoint& p : loops[0]) {
                const auto [x, y] = ToSlide(p);
                const TDxfPoint q{static_cast<double>(x), static_cast<double>(y)};
                if (slide.empty() || !(slide.back() == q))
                    slide.push_back(q);
            }
            if (slide.size() > 1 && slide.front() == slide.back())
                slide.pop_back();
            if (slide.size() < 3) {
                Polyline(loops[0], false);
                return;
            }
            if (slide.size() == 3 || IsConvexQuad(slide)) {
                FillRecords(slide);
                return;
            }
            if (IsSimplePolygon(slide)) {
                for (const auto& t : Triangulate(slide))
                    FillRecords({t[0], t[1], t[2]});
                return;
            }
        }
        // Rows: the crossings of each slide row with the edges, paired even-odd.
        std::vector<std::pair<int, double>> hits; // row, x
        for (const auto& loop : loops)
            for (size_t i = 0; i < loop.size(); ++i) {
                const TDxfPoint a = {(loop[i].x - m_minX) * m_scale,
                                     (loop[i].y - m_minY) * m_scale};
                const TDxfPoint& nb = loop[(i + 1) % loop.size()];
                const TDxfPoint b = {(nb.x - m_minX) * m_scale, (nb.y - m_minY) * m_scale};
                if (a.y == b.y)
                    continue;
                const double lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
                const int r0 = static_cast<int>(std::ceil(lo)),
                          r1 = static_cast<int>(std::ceil(hi)) - 1;
                if (r1 >= r0)
                    Work(static_cast<uint64_t>(r1 - r0 + 1));
                for (int r = r0; r <= r1; ++r)
                    hits.emplace_back(r, a.x + (b.x - a.x) * (r - a.y) / (b.y - a.y));
            }
        std::sort(hits.begin(), hits.end());
        for (size_t i = 0; i < hits.size();) {
            size_t j = i;
            while (j < hits.size() && hits[j].first == hits[i].first)
                ++j;
            const int y = std::clamp(hits[i].first, 0, m_highY - 1);
            for (size_t k = i; k + 1 < j; k += 2) {
                const auto x = [&](double v) {
                    return static_cast<int>(std::clamp(std::nearbyint(v), 0.0, m_highX - 1.0));
                };
                m_out.Vector(x(hits[k].second), y, x(hits[k + 1].second), y);
            }
            i = j;
        }
        for (const auto& loop : loops)
            Polyline(loop, true);
    }

    void FillRecords(const std::vector<TDxfPoint>& corners) {
        std::vector<std::pair<int, int>> c;
        for (const TDxfPoint& p : corners)
            c.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
        m_out.Fill(c);
    }

    const TDrawing& m_d;
    const std::string& m_file;
    uint64_t m_workLimit;
    uint64_t m_work = 0;
    TPalette m_aci;
    bool m_measuring = true;
    double m_minX = 1e300, m_minY = 1e300, m_maxX = -1e300, m_maxY = -1e300;
    double m_scale = 1;
    int m_highX = 1, m_highY = 1;
    int m_colour = 7;
    int m_linetype = 0;   // of the entity being drawn
    double m_ltscale = 1; // its own linetype scale
    std::vector<std::string> m_stack;
    std::map<std::string, int> m_notDrawn;
    TSlideRecords m_out;
};

} // namespace

TDxfConversion DxfToSlide(std::string_view bytes, const std::string& fileName,
                          const TDxfConvertOptions& options) {
    if (bytes.size() >= 22 && bytes.substr(0, 22) == "AutoCAD Binary DXF\r\n\x1a")
        throw EVarnelError("\"" + fileName +
                           "\" is a binary DXF file; save the drawing as ASCII DXF");
    TDrawing drawing;
    ReadDrawing(bytes, fileName, drawing);
    const uint64_t limit = kWorkFloor + kWorkPerByte * static_cast<uint64_t>(bytes.size());
    TPainter painter(drawing, fileName, limit);
    painter.Measure();
    if (painter.Empty())
        throw EVarnelError("\"" + fileName + "\" has nothing to draw in model space");
    TDxfConversion result;
    result.Slide = painter.Draw(options);
    result.NotDrawn = painter.NotDrawn();
    return result;
}
