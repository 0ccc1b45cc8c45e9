// sldtool lib: the commands run on temporary folders; the files they leave are checked.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Streams.h"
#include "slides/SlideLibs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> MakeSlide(int n) {
    // Square pixels (aspect ratio = width / height) keep sldtoppm quiet.
    TSlideWriter w(400, 300);
    w.Colour(1 + n % 7);
    w.Vector(10 * n, 0, 399, 299 - n);
    w.Fill({{50, 50}, {150 + n, 60}, {100, 200}});
    w.End();
    return w.Bytes();
}

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

int Sldtool(const std::string& args, std::string* out = nullptr) {
    std::string ignored;
    return RunSldtool(args, out ? out : &ignored);
}

// A folder with slides a.sld, b.sld, c.sld (slides 1, 2, 3) and the library lib.slb made of them.
struct TLibFolder {
    TTempDir dir;
    std::string lib = dir.File("lib.slb");
    TLibFolder() {
        for (int n = 1; n <= 3; ++n)
            WriteFileBytes(dir.File(std::string(1, static_cast<char>('a' + n - 1)) + ".sld"),
                           MakeSlide(n));
        EXPECT_EQ(Sldtool("lib create " + Q(lib) + " " + Q(dir.File("a.sld")) + " " +
                          Q(dir.File("b.sld")) + " " + Q(dir.File("c.sld"))),
                  0);
    }
    std::string List() {
        std::string out;
        EXPECT_EQ(Sldtool("lib list " + Q(lib), &out), 0) << out;
        return out;
    }
};

} // namespace

TEST(CliLib, CreateAndList) {
    TLibFolder f;
    const size_t a = MakeSlide(1).size(), b = MakeSlide(2).size();
    const size_t first = 32 + 4 * 36;
    EXPECT_EQ(f.List(), "header: AutoCAD Slide Library 1.0\\r\\n\\x1a\n"
                        "A\t" +
                            std::to_string(first) + "\t" + std::to_string(a) +
                            "\n"
                            "B\t" +
                            std::to_string(first + a) + "\t" + std::to_string(b) +
                            "\n"
                            "C\t" +
                            std::to_string(first + a + b) + "\t" +
                            std::to_string(MakeSlide(3).size()) + "\n");
    std::string json;
    EXPECT_EQ(Sldtool("lib list --json " + Q(f.lib), &json), 0);
    const std::string start = "{\"header\": \"AutoCAD Slide Library 1.0\\r\\n\\u001a\", "
                              "\"slides\": [\n  {\"name\": \"A\", \"offset\": 176, ";
    EXPECT_EQ(json.substr(0, start.size()), start);

    // create replaces the file; with no sources it is an empty library of 68 bytes.
    EXPECT_EQ(Sldtool("lib create " + Q(f.lib)), 0);
    EXPECT_EQ(ReadFileBytes(f.lib).size(), 68u);
    EXPECT_EQ(Sldtool("lib list --json " + Q(f.lib), &json), 0);
    EXPECT_EQ(json, "{\"header\": \"AutoCAD Slide Library 1.0\\r\\n\\u001a\", \"slides\": []}\n");
}

TEST(CliLib, AddDeleteRenameMove) {
    TLibFolder f;
    // add: a new slide goes last; one of an existing name (any case) takes its place.
    WriteFileBytes(f.dir.File("B.sld"), MakeSlide(9));
    WriteFileBytes(f.dir.File("d.sld"), MakeSlide(4));
    EXPECT_EQ(Sldtool("lib add " + Q(f.lib) + " " + Q(f.dir.File("d.sld")) + " " +
                      Q(f.dir.File("B.sld"))),
              0);
    std::string out;
    EXPECT_EQ(Sldtool("lib extract " + Q(f.lib) + " b -d " + Q(f.dir.File("x")), &out), 0) << out;
    EXPECT_EQ(ReadFileBytes(f.dir.File("x/B.sld")), MakeSlide(9));

    EXPECT_EQ(Sldtool("lib delete " + Q(f.lib) + " a c"), 0);
    EXPECT_EQ(Sldtool("lib rename " + Q(f.lib) + " d Door.SLD"), 0);
    EXPECT_EQ(Sldtool("lib move " + Q(f.lib) + " door up"), 0);
    EXPECT_EQ(Sldtool("lib move " + Q(f.lib) + " door up"), 0); // first already: nothing
    const std::string list = f.List();
    EXPECT_EQ(list.find("DOOR"), list.find('\n') + 1) << list;
    EXPECT_NE(list.find("\nB\t"), std::string::npos) << list;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 3) << list;

    // Refusals change nothing and say why, naming the library.
    const std::vector<uint8_t> before = ReadFileBytes(f.lib);
    EXPECT_EQ(Sldtool("lib rename " + Q(f.lib) + " door b", &out), 1);
    EXPECT_NE(out.find("Bad slide name!"), std::string::npos) << out;
    EXPECT_EQ(Sldtool("lib delete " + Q(f.lib) + " b nosuch", &out), 1);
    EXPECT_NE(out.find("nosuch"), std::string::npos) << out;
    EXPECT_NE(out.find(f.lib), std::string::npos) << out;
    EXPECT_EQ(Sldtool("lib add " + Q(f.dir.File("none.slb")) + " " + Q(f.dir.File("d.sld")), &out),
              1);
    EXPECT_EQ(ReadFileBytes(f.lib), before);
    EXPECT_FALSE(FileExists(f.dir.File("none.slb")));
    EXPECT_EQ(Sldtool("lib move " + Q(f.lib) + " door sideways"), 2);
    EXPECT_EQ(Sldtool("lib frobnicate"), 2);
}

TEST(CliLib, ExtractGivesTheBytesThatWentIn) {
    TLibFolder f;
    // A file name that is not ASCII: Windows-1252 inside the library, UTF-8 on disk.
    WriteFileBytes(f.dir.File("T\xc3\xbcre.sld"), MakeSlide(5));
    EXPECT_EQ(Sldtool("lib add " + Q(f.lib) + " " + Q(f.dir.File("T\xc3\xbcre.sld"))), 0);
    // Libraries as sources: all slides, or one by name.
    const std::string copy = f.dir.File("copy.slb");
    EXPECT_EQ(Sldtool("lib create " + Q(copy) + " " + Q(f.lib + ":c") + " " + Q(f.lib)), 0);
    std::string out;
    EXPECT_EQ(Sldtool("lib extract " + Q(copy) + " -d " + Q(f.dir.File("out")), &out), 0) << out;
    EXPECT_EQ(ReadFileBytes(f.dir.File("out/A.sld")), MakeSlide(1));
    EXPECT_EQ(ReadFileBytes(f.dir.File("out/B.sld")), MakeSlide(2));
    EXPECT_EQ(ReadFileBytes(f.dir.File("out/C.sld")), MakeSlide(3));
    EXPECT_EQ(ReadFileBytes(f.dir.File("out/T\xc3\xbcRE.sld")), MakeSlide(5));
    EXPECT_EQ(Sldtool("lib list " + Q(copy), &out), 0);
    EXPECT_EQ(out.find("C\t"), out.find('\n') + 1) << out; // c first, not repeated
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 5) << out;

    EXPECT_EQ(Sldtool("info " + Q(copy + ":t\xc3\xbcre"), &out), 0) << out;
}

TEST(CliLib, DamagedLibraryIsReportedNamingTheFile) {
    TTempDir dir;
    const std::string lib = dir.File("bad.slb");
    WriteFileBytes(lib, std::vector<uint8_t>(20, 'x'));
    std::string out;
    EXPECT_EQ(Sldtool("lib list " + Q(lib), &out), 1);
    EXPECT_EQ(out.rfind("sldtool: ", 0), 0u) << out;
    EXPECT_NE(out.find(lib), std::string::npos) << out;

    // Garbage behind an offset: listed without a length, reported, exit code 1.
    TMemoryStream junk;
    WriteLibHeader(junk, "x");
    WriteSlideBlock(junk, {"JUNK", 104});
    WriteSlideBlock(junk, {"", 0});
    junk.WriteBuffer(std::vector<uint8_t>(60, 0x90).data(), 60);
    WriteFileBytes(lib, junk.Bytes());
    EXPECT_EQ(Sldtool("lib list --json " + Q(lib), &out), 1);
    EXPECT_NE(out.find("{\"name\": \"JUNK\", \"offset\": 104, \"length\": null}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("sldtool: slide \"JUNK\" of \"" + lib + "\": Stream read error"),
              std::string::npos)
        << out;
    EXPECT_EQ(Sldtool("lib extract " + Q(lib) + " -d " + Q(dir.File("o")), &out), 1);
    EXPECT_NE(out.find("JUNK\" of \"" + lib), std::string::npos) << out;
    EXPECT_FALSE(FileExists(dir.File("o/JUNK.sld")));

    EXPECT_EQ(Sldtool("lib extract " + Q(dir.Path()) + " -d " + Q(dir.File("o")), &out), 1);
    EXPECT_NE(out.find("not a plain file"), std::string::npos) << out;
}

// An independent reader: Netpbm's sldtoppm extracts each slide from our library and draws it
// exactly as it draws the slide file that went in.
TEST(CliLib, SldtoppmReadsOurLibraries) {
    if (RunCommand("command -v sldtoppm") != 0)
        GTEST_SKIP() << "sldtoppm (netpbm) is not installed";
    TLibFolder f;
    for (const char* name : {"a", "b", "c"}) {
        std::string fromLib, fromFile;
        const std::string sld = f.dir.File(std::string(name) + ".sld");
        ASSERT_EQ(RunCommand("sldtoppm -lib " + std::string(name) + " " + Q(f.lib) + " > " +
                                 Q(sld + ".lib.ppm"),
                             &fromLib),
                  0)
            << fromLib;
        ASSERT_EQ(RunCommand("sldtoppm " + Q(sld) + " > " + Q(sld + ".ppm"), &fromFile), 0)
            << fromFile;
        const std::vector<uint8_t> picture = ReadFileBytes(sld + ".ppm");
        EXPECT_GT(picture.size(), 400u * 300u);
        EXPECT_EQ(ReadFileBytes(sld + ".lib.ppm"), picture) << name;
    }
}
