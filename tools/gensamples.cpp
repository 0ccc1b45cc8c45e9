// Writes the sample slides and the sample library into samples/: pictures a new user sees on the
// first start, and files that use every record kind, both byte orders and both header levels.
// Usage: gensamples OUTPUT_FOLDER
#include "SlideWriter.h"
#include "slides/SlideClasses.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using TPoly = std::vector<std::pair<int, int>>;

// Draws a polyline: common endpoint records while the steps fit in a signed byte, a vector
// record where they do not. A vector leaves its from point as the saved point, so each vector is
// written backwards (from the segment's end) and the following common endpoints continue there.
void Polyline(TSlideWriter& w, const TPoly& pts) {
    for (size_t i = 1; i < pts.size(); ++i) {
        const int dx = pts[i].first - pts[i - 1].first;
        const int dy = pts[i].second - pts[i - 1].second;
        if (i > 1 && dx >= -128 && dx <= 127 && dy >= -128 && dy <= 127)
            w.CommonEndpoint(dx, dy);
        else
            w.Vector(pts[i].first, pts[i].second, pts[i - 1].first, pts[i - 1].second);
    }
}

TPoly Arc(double cx, double cy, double r, double a0, double a1, int steps) {
    TPoly pts;
    for (int i = 0; i <= steps; ++i) {
        const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
        pts.emplace_back(static_cast<int>(std::lround(cx + r * std::cos(a))),
                         static_cast<int>(std::lround(cy + r * std::sin(a))));
    }
    return pts;
}

void Rect(TSlideWriter& w, int x0, int y0, int x1, int y1) {
    Polyline(w, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
}

void Save(const std::string& path, const TSlideWriter& w) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(w.Bytes().data()),
              static_cast<std::streamsize>(w.Bytes().size()));
    std::printf("%s: %zu bytes\n", path.c_str(), w.Bytes().size());
}

// A 16 x 16 chart of every colour index as filled squares, with a grey grid.
TSlideWriter PaletteChart() {
    TSlideWriter w(1700, 1700);
    for (int i = 0; i < 256; ++i) {
        const int x = 50 + (i % 16) * 100, y = 1550 - (i / 16) * 100;
        w.Colour(i);
        w.Fill({{x + 8, y + 8}, {x + 92, y + 8}, {x + 92, y + 92}, {x + 8, y + 92}});
    }
    w.Colour(8);
    for (int k = 0; k <= 16; ++k) {
        w.Vector(50 + k * 100, 50, 50 + k * 100, 1650);
        w.Vector(50, 50 + k * 100, 1650, 50 + k * 100);
    }
    w.End();
    return w;
}

// A small house: walls, doors with swing arcs, windows, a stair, furniture in colour.
TSlideWriter FloorPlan() {
    TSlideWriter w(3000, 2000);
    w.Colour(7);
    // Outer and inner faces of the outer walls.
    Rect(w, 200, 200, 2800, 1800);
    Rect(w, 240, 240, 2760, 1760);
    // Inner walls.
    Rect(w, 1400, 240, 1430, 1100);
    Rect(w, 240, 1100, 1900, 1130);
    Rect(w, 1900, 1100, 1930, 1760);
    // Doors: an opening shown by a leaf and its swing.
    w.Colour(2);
    w.Vector(1430, 700, 1430 + 300, 700);
    Polyline(w, Arc(1430, 700, 300, 0, -90, 12));
    w.Vector(600, 1130, 600, 1430);
    Polyline(w, Arc(600, 1130, 300, 90, 0, 12));
    w.Vector(2400, 240, 2400, 540);
    Polyline(w, Arc(2400, 240, 300, 90, 180, 12));
    // Windows: three parallel lines across the wall.
    w.Colour(4);
    for (int x : {500, 1000, 1800, 2300}) {
        for (int d : {200, 220, 240})
            w.Vector(x, d, x + 250, d);
        for (int d : {1760, 1780, 1800})
            w.Vector(x, d, x + 250, d);
    }
    // Stair: treads with offset vectors from a saved point.
    w.Colour(3);
    w.Vector(2000, 1200, 2000, 1700);
    for (int i = 1; i <= 10; ++i)
        w.Vector(2000, 1200 + i * 45, 2500, 1200 + i * 45);
    w.Vector(2500, 1200, 2500, 1700);
    // Furniture: a table (filled), chairs, a bed.
    w.Colour(30);
    w.Fill({{600, 500}, {1000, 500}, {1000, 800}, {600, 800}});
    w.Colour(7);
    w.Vector(600, 500, 600, 500);
    for (int cx : {650, 950}) {
        w.Vector(cx - 40, 430, cx + 40, 430);
        w.OffsetVector(0, -60, 80, -60);
        w.OffsetVector(0, 60, 80, 60);
        w.Vector(cx - 40, 870, cx + 40, 870);
        w.OffsetVector(0, 60, 80, 60);
    }
    w.Colour(150);
    w.Fill({{2100, 400}, {2600, 400}, {2600, 900}, {2100, 900}});
    w.Colour(151);
    w.Fill({{2150, 800}, {2550, 800}, {2550, 880}, {2150, 880}});
    w.Colour(1);
    Polyline(w, Arc(800, 1450, 150, 0, 360, 24));
    w.End();
    return w;
}

// A spur gear with 24 teeth and a filled hub; written big-endian to show the swapped order.
TSlideWriter Gear() {
    TSlideWriter w(2000, 2000, 2, TSlideWriter::TByteOrder::Big);
    const double cx = 1000, cy = 1000, root = 760, tip = 900;
    TPoly outline;
    const int teeth = 24;
    for (int t = 0; t < teeth; ++t) {
        const double a = 360.0 * t / teeth, step = 360.0 / teeth;
        for (auto [r, da] : {std::pair{root, 0.0}, {tip, 0.18}, {tip, 0.42}, {root, 0.6}}) {
            const double ang = (a + da * step) * std::numbers::pi / 180;
            outline.emplace_back(static_cast<int>(std::lround(cx + r * std::cos(ang))),
                                 static_cast<int>(std::lround(cy + r * std::sin(ang))));
        }
    }
    outline.push_back(outline.front());
    w.Colour(4);
    Polyline(w, outline);
    w.Colour(8);
    Polyline(w, Arc(cx, cy, 600, 0, 360, 72));
    // Six spokes as filled quadrilaterals.
    w.Colour(140);
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3, b = a + 0.2;
        auto at = [&](double r, double ang) {
            return std::pair{static_cast<int>(std::lround(cx + r * std::cos(ang))),
                             static_cast<int>(std::lround(cy + r * std::sin(ang)))};
        };
        w.Fill({at(250, a), at(600, a), at(600, b), at(250, b)});
    }
    w.Colour(7);
    Polyline(w, Arc(cx, cy, 250, 0, 360, 48));
    Polyline(w, Arc(cx, cy, 90, 0, 360, 24));
    // Keyway.
    Rect(w, 975, 1080, 1025, 1130);
    w.End();
    return w;
}

// An old-format (level 1) slide: the front of a house.
TSlideWriter Elevation() {
    TSlideWriter w(1400, 1000, 1);
    w.Colour(7);
    w.Vector(50, 80, 1350, 80); // ground
    Rect(w, 200, 80, 1200, 600);
    w.Colour(1);
    Polyline(w, {{150, 600}, {700, 920}, {1250, 600}, {150, 600}});
    w.Colour(5);
    Rect(w, 620, 80, 780, 400); // door
    w.Colour(4);
    for (int x : {300, 900}) {
        Rect(w, x, 300, x + 200, 480);
        w.Vector(x + 100, 300, x + 100, 480);
        w.Vector(x, 390, x + 200, 390);
    }
    w.Colour(3);
    w.Fill({{950, 760}, {1050, 760}, {1050, 900}, {950, 900}}); // chimney
    w.End();
    return w;
}

// One of every record kind, each drawn in its own colour.
TSlideWriter RecordKinds() {
    TSlideWriter w(1000, 700);
    w.Colour(1);
    w.Vector(100, 100, 900, 100); // vector
    w.Colour(2);
    for (int i = 0; i < 8; ++i)
        w.OffsetVector(0, 25, 100, 25); // each one 25 above the last: the saved point climbs
    w.Colour(3);
    w.Vector(100, 360, 100, 360);
    for (int i = 0; i < 16; ++i)
        w.CommonEndpoint(50, i % 2 ? -60 : 60); // a zig-zag of common endpoints
    w.Colour(5);
    w.Fill({{200, 450}, {450, 650}, {700, 450}});
    w.Colour(6);
    w.Fill({{720, 420}, {900, 420}, {900, 600}, {810, 660}, {720, 600}});
    w.End();
    return w;
}

// Symbols for the sample library.
TSlideWriter Symbol(int kind) {
    TSlideWriter w(600, 400);
    w.Colour(7);
    switch (kind) {
    case 0: // door
        w.Vector(100, 50, 500, 50);
        w.Vector(100, 50, 100, 350);
        Polyline(w, Arc(100, 50, 300, 90, 0, 16));
        break;
    case 1: // window
        Rect(w, 50, 150, 550, 250);
        w.Vector(50, 200, 550, 200);
        w.Vector(300, 150, 300, 250);
        break;
    case 2: // valve
        w.Colour(1);
        w.Fill({{100, 100}, {300, 200}, {100, 300}});
        w.Fill({{500, 100}, {300, 200}, {500, 300}});
        w.Colour(7);
        w.Vector(300, 200, 300, 350);
        w.Vector(220, 350, 380, 350);
        break;
    case 3: // north arrow
        Polyline(w, Arc(300, 200, 150, 0, 360, 32));
        w.Colour(1);
        w.Fill({{300, 380}, {250, 150}, {300, 190}, {350, 150}});
        break;
    default: // arrow
        w.Colour(3);
        w.Vector(50, 200, 450, 200);
        w.Fill({{450, 120}, {570, 200}, {450, 280}});
        break;
    }
    w.End();
    return w;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gensamples OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    Save(dir + "/palette.sld", PaletteChart());
    Save(dir + "/floorplan.sld", FloorPlan());
    Save(dir + "/gear.sld", Gear());
    Save(dir + "/elevation.sld", Elevation());
    Save(dir + "/records.sld", RecordKinds());

    auto lib = TSlideLib::CreateEmpty();
    const char* names[] = {"DOOR", "WINDOW", "VALVE", "NORTH", "ARROW"};
    for (int k = 0; k < 5; ++k) {
        TMemoryStream m(Symbol(k).Bytes());
        auto slide = TSlide::CreateFromStream(names[k], m);
        lib->AddCopy(slide.get());
    }
    lib->SaveToFile(dir + "/symbols.slb");
    std::printf("%s/symbols.slb: %d slides\n", dir.c_str(), lib->Count());
    return 0;
}
