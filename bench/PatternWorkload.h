// The pattern benchmarks' fixed workload: a generated file of 400 patterns of mixed density.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// One pattern of kind k % 8: continuous lines, cross-hatch, dashed courses, dense dots, dense
// dashes at varied angles, metric dashes, several dashed families at odd angles, and a very
// dense dash-dot shading.
inline std::vector<std::string> GeneratedPattern(int k) {
    const std::string name =
        "*GEN" + std::to_string(k) + ", generated kind " + std::to_string(k % 8);
    const double a = (k * 37) % 180;
    char buf[160];
    std::vector<std::string> lines = {name};
    const auto add = [&](const char* format, auto... values) {
        std::snprintf(buf, sizeof buf, format, values...);
        lines.emplace_back(buf);
    };
    switch (k % 8) {
    case 0:
        add("%g, 0,0, 0,%g", a, 0.125 + (k % 5) * 0.2);
        break;
    case 1:
        add("%g, 0,0, 0,.125", a);
        add("%g, 0,0, 0,.125", a + 90);
        break;
    case 2:
        add("0, 0,0, 0,.25");
        add("90, 0,0, .25,.25, .25,-.25");
        break;
    case 3:
        add("%g, 0,0, .02,.04, 0,-.04", a);
        break;
    case 4:
        add("%g, 0,0, .01,.03125, .04,-.02", a);
        add("%g, .01,0, .02,.05, .03,-.03", a + 60);
        break;
    case 5:
        add("%g, 0,0, 2,4, 6,-2", a);
        add("%g, 0,0, 1.25,2.5, 0,-2.5", a + 45);
        break;
    case 6:
        add("50, 0,0, .104,.085, .075,-.6");
        add("355, 0,0, -.033,.15, .06,-.66");
        add("100.4, .06,0, .145,.087, .061,-.63");
        add("%g, 0,.2, .08,.15, 0,-.25,0,-.3", a);
        break;
    default:
        add("45, 0,0, .005,.02, .03,-.01,0,-.01");
        break;
    }
    return lines;
}

// A pattern file of count patterns made by pattern(k), under comment, written into folder as
// name; returns the file's path.
template <class Pattern>
std::string WritePatternFile(const std::string& folder, const std::string& name,
                             const std::string& comment, int count, Pattern pattern) {
    std::string text = ";; " + comment + "\r\n";
    for (int k = 0; k < count; ++k)
        for (const std::string& line : pattern(k))
            text += line + "\r\n";
    const std::string path = folder + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

inline std::string GeneratedFile(const std::string& folder) {
    return WritePatternFile(folder, "generated.pat", "400 generated patterns", 400,
                            GeneratedPattern);
}

// One pattern of a file shaped like the large pattern files users have (building materials,
// brick, stone, wood): 2 to 12 families each, at mixed angles, most of them dashed, some with
// dots, spacings of a tenth to a third of a unit.
inline std::vector<std::string> ManyFamilyPattern(int k) {
    std::vector<std::string> lines = {"*MF" + std::to_string(k) + ", generated, " +
                                      std::to_string(2 + (k * 7) % 11) + " families"};
    char buf[200];
    for (int j = 0; j < 2 + (k * 7) % 11; ++j) {
        const int angle = (k * 37 + j * 29) % 180;
        const double x = 0.01 * j, y = 0.02 * j;
        const double dx = 0.05 * (j % 3), dy = 0.1 + 0.04 * ((k + j) % 6);
        switch ((k + j) % 4) {
        case 0:
            std::snprintf(buf, sizeof buf, "%d, %g,%g, %g,%g", angle, x, y, dx, dy);
            break;
        case 1:
            std::snprintf(buf, sizeof buf, "%d, %g,%g, %g,%g, %g,%g", angle, x, y, dx, dy,
                          0.05 + 0.02 * (j % 5), -(0.03 + 0.01 * (k % 4)));
            break;
        case 2:
            std::snprintf(buf, sizeof buf, "%d, %g,%g, %g,%g, %g,%g, 0,%g", angle, x, y, dx, dy,
                          0.12 + 0.03 * (j % 4), -0.04, -0.04);
            break;
        default:
            std::snprintf(buf, sizeof buf, "%d, %g,%g, %g,%g, %g,%g, %g,%g", angle, x, y, dx, dy,
                          0.2, -0.05, 0.07 + 0.01 * (k % 3), -0.05);
            break;
        }
        lines.emplace_back(buf);
    }
    return lines;
}

// 300 patterns of ManyFamilyPattern, written into folder; returns the file's path.
inline std::string ManyFamilyFile(const std::string& folder) {
    return WritePatternFile(folder, "families.pat", "300 generated patterns of many families", 300,
                            ManyFamilyPattern);
}
