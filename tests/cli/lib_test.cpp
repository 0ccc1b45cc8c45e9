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

// A folder with slides a.sld, b.sld, c.sld (slides 1, 2, 3) and the library lib.slb made of them.
struct TLibFolder {
    TTempDir dir;
    std::string lib = dir.File("lib.slb");
    std::string Slide(const std::string& name, int n) {
        WriteFileBytes(dir.File(name), MakeSlide(n));
        return " " + Q(dir.File(name));
    }
    TLibFolder() {
        Sldtool("lib create " + Q(lib) + Slide("a.sld", 1) + Slide("b.sld", 2) + Slide("c.sld", 3));
    }
};

size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(CliLib, CreateAndList) {
    TLibFolder f;
    const size_t a = MakeSlide(1).size(), b = MakeSlide(2).size(), c = MakeSlide(3).size();
    const size_t first = 32 + 4 * 36;
    EXPECT_EQ(Sldtool("lib list " + Q(f.lib)),
              "header: AutoCAD Slide Library 1.0\\r\\n\\x1a\nA\t" + std::to_string(first) + "\t" +
                  std::to_string(a) + "\nB\t" + std::to_string(first + a) + "\t" +
                  std::to_string(b) + "\nC\t" + std::to_string(first + a + b) + "\t" +
                  std::to_string(c) + "\n");
    const std::string start = "{\"header\": \"AutoCAD Slide Library 1.0\\r\\n\\u001a\", "
                              "\"slides\": [\n  {\"name\": \"A\", \"offset\": 176, ";
    EXPECT_EQ(Sldtool("lib list --json " + Q(f.lib)).substr(0, start.size()), start);

    // create replaces the file; with no sources it is an empty library of 68 bytes.
    Sldtool("lib create " + Q(f.lib));
    EXPECT_EQ(ReadFileBytes(f.lib).size(), 68u);
    EXPECT_EQ(Sldtool("lib list --json " + Q(f.lib)),
              "{\"header\": \"AutoCAD Slide Library 1.0\\r\\n\\u001a\", \"slides\": []}\n");
}

TEST(CliLib, AddDeleteRenameMove) {
    TLibFolder f;
    // add: a new slide goes last; one of an existing name (any case) takes its place.
    Sldtool("lib add " + Q(f.lib) + f.Slide("d.sld", 4) + f.Slide("B.sld", 9));
    Sldtool("lib extract " + Q(f.lib) + " b -d " + Q(f.dir.File("x")));
    EXPECT_EQ(ReadFileBytes(f.dir.File("x/B.sld")), MakeSlide(9));

    Sldtool("lib delete " + Q(f.lib) + " a c");
    Sldtool("lib rename " + Q(f.lib) + " d Door.SLD");
    Sldtool("lib move " + Q(f.lib) + " door up");
    Sldtool("lib move " + Q(f.lib) + " door up"); // first already: nothing
    const std::string list = Sldtool("lib list " + Q(f.lib));
    EXPECT_EQ(list.find("DOOR"), list.find('\n') + 1) << list;
    EXPECT_NE(list.find("\nB\t"), std::string::npos) << list;
    EXPECT_EQ(Lines(list), 3u) << list;

    // Refusals change nothing and say why, naming the library.
    const std::vector<uint8_t> before = ReadFileBytes(f.lib);
    std::string out = Sldtool("lib rename " + Q(f.lib) + " door b", 1);
    EXPECT_NE(out.find("Bad slide name!"), std::string::npos) << out;
    out = Sldtool("lib delete " + Q(f.lib) + " b nosuch", 1);
    EXPECT_NE(out.find("nosuch"), std::string::npos) << out;
    EXPECT_NE(out.find(f.lib), std::string::npos) << out;
    Sldtool("lib add " + Q(f.dir.File("none.slb")) + " " + Q(f.dir.File("d.sld")), 1);
    EXPECT_EQ(ReadFileBytes(f.lib), before);
    EXPECT_FALSE(FileExists(f.dir.File("none.slb")));
    Sldtool("lib move " + Q(f.lib) + " door sideways", 2);
    Sldtool("lib frobnicate", 2);
}

// The clash is checked on the name as the library stores it (31 characters, upper case).
TEST(CliLib, RenameRefusesANameTheLibraryWouldHoldTwice) {
    TLibFolder f;
    Sldtool("lib rename " + Q(f.lib) + " a ABCDEFGHIJKLMNOPQRSTUVWXYZ123456");
    const std::vector<uint8_t> before = ReadFileBytes(f.lib);
    const std::string out =
        Sldtool("lib rename " + Q(f.lib) + " b abcdefghijklmnopqrstuvwxyz123457", 1);
    EXPECT_NE(out.find("Bad slide name! (\"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345\""), std::string::npos)
        << out;
    EXPECT_EQ(ReadFileBytes(f.lib), before);
    const std::string list = Sldtool("lib list " + Q(f.lib));
    EXPECT_EQ(list.find("ABCDEFGHIJKLMNOPQRSTUVWXYZ12345\t"), list.find('\n') + 1) << list;
    EXPECT_NE(list.find("\nB\t"), std::string::npos) << list;
}

TEST(CliLib, ExtractGivesTheBytesThatWentIn) {
    TLibFolder f;
    // A file name that is not ASCII: Windows-1252 inside the library, UTF-8 on disk.
    Sldtool("lib add " + Q(f.lib) + f.Slide("T\xc3\xbcre.sld", 5));
    // Libraries as sources: all slides, or one by name.
    const std::string copy = f.dir.File("copy.slb");
    Sldtool("lib create " + Q(copy) + " " + Q(f.lib + ":c") + " " + Q(f.lib));
    Sldtool("lib extract " + Q(copy) + " -d " + Q(f.dir.File("out")));
    for (const auto& [name, n] : {std::pair{"A", 1}, {"B", 2}, {"C", 3}, {"T\xc3\xbcRE", 5}})
        EXPECT_EQ(ReadFileBytes(f.dir.File("out/" + std::string(name) + ".sld")), MakeSlide(n));
    const std::string out = Sldtool("lib list " + Q(copy));
    EXPECT_EQ(out.find("C\t"), out.find('\n') + 1) << out; // c first, not repeated
    EXPECT_EQ(Lines(out), 5u) << out;
    Sldtool("info " + Q(copy + ":t\xc3\xbcre"));
}

TEST(CliLib, DamagedLibraryIsReportedNamingTheFile) {
    TTempDir dir;
    const std::string lib = dir.File("bad.slb");
    WriteFileBytes(lib, std::vector<uint8_t>(20, 'x'));
    std::string out = Sldtool("lib list " + Q(lib), 1);
    EXPECT_EQ(out.rfind("sldtool: ", 0), 0u) << out;
    EXPECT_NE(out.find(lib), std::string::npos) << out;

    // Garbage behind an offset: listed without a length, reported, exit code 1.
    TMemoryStream junk;
    WriteLibHeader(junk, "x");
    WriteSlideBlock(junk, {"JUNK", 104});
    WriteSlideBlock(junk, {"", 0});
    junk.WriteBuffer(std::vector<uint8_t>(60, 0x90).data(), 60);
    WriteFileBytes(lib, junk.Bytes());
    out = Sldtool("lib list --json " + Q(lib), 1);
    EXPECT_NE(out.find("{\"name\": \"JUNK\", \"offset\": 104, \"length\": null}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("sldtool: slide \"JUNK\" of \"" + lib + "\": Stream read error"),
              std::string::npos)
        << out;
    out = Sldtool("lib extract " + Q(lib) + " -d " + Q(dir.File("o")), 1);
    EXPECT_NE(out.find("JUNK\" of \"" + lib), std::string::npos) << out;
    EXPECT_FALSE(FileExists(dir.File("o/JUNK.sld")));
    out = Sldtool("lib extract " + Q(dir.Path()) + " -d " + Q(dir.File("o")), 1);
    EXPECT_NE(out.find("not a plain file"), std::string::npos) << out;
}

// A slide cut short would go into the library as the bytes it has: it is named, and nothing is
// written.
TEST(CliLib, ADamagedSlideIsNamedAndNoLibraryIsWritten) {
    TLibFolder f;
    std::vector<uint8_t> cut = MakeSlide(4);
    cut.resize(cut.size() - 5);
    const std::string path = f.dir.File("cut.sld");
    WriteFileBytes(path, cut);
    const std::vector<uint8_t> before = ReadFileBytes(f.lib);
    std::string out = Sldtool("lib add " + Q(f.lib) + f.Slide("d.sld", 4) + " " + Q(path), 1);
    EXPECT_NE(out.find("sldtool: slide \"" + path + "\" is damaged"), std::string::npos) << out;
    EXPECT_NE(out.find("\"" + f.lib + "\" was not written"), std::string::npos) << out;
    EXPECT_EQ(ReadFileBytes(f.lib), before);
    out = Sldtool("lib create " + Q(f.dir.File("new.slb")) + " " + Q(path), 1);
    EXPECT_FALSE(FileExists(f.dir.File("new.slb")));
}

// An independent reader: Netpbm's sldtoppm extracts each slide from our library and draws it
// exactly as it draws the slide file that went in.
TEST(CliLib, SldtoppmReadsOurLibraries) {
    if (RunCommand("command -v sldtoppm") != 0)
        GTEST_SKIP() << "sldtoppm (netpbm) is not installed";
    TLibFolder f;
    for (const std::string name : {"a", "b", "c"}) {
        std::string out;
        const std::string sld = f.dir.File(name + ".sld");
        ASSERT_EQ(RunCommand("sldtoppm -lib " + name + " " + Q(f.lib) + " > " + Q(sld + ".lib.ppm"),
                             &out),
                  0)
            << out;
        ASSERT_EQ(RunCommand("sldtoppm " + Q(sld) + " > " + Q(sld + ".ppm"), &out), 0) << out;
        const std::vector<uint8_t> picture = ReadFileBytes(sld + ".ppm");
        EXPECT_GT(picture.size(), 400u * 300u);
        EXPECT_EQ(ReadFileBytes(sld + ".lib.ppm"), picture) << name;
    }
}
