// The pattern file model: lines, headers, the line rules, storing edits and saving.
#include "TestFiles.h"
#include "patterns/upat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TLineFamily Parse(const std::string& line) {
    TLineFamily f;
    EXPECT_EQ(ParseFamilyLine(line, f), TPatternLineKind::Family) << line;
    return f;
}

} // namespace

TEST(PatternLines, LineEndsAndHeaderNames) {
    EXPECT_EQ(SplitPatternLines("a\r\nb\rc\nd"), (TLines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitPatternLines("x\r\r\ny\r\n"), (TLines{"x", "", "y"}));
    EXPECT_TRUE(SplitPatternLines("").empty());
    // Nothing is trimmed: blanks and tabs stay.
    EXPECT_EQ(SplitPatternLines(" *A \t\r\n"), (TLines{" *A \t"}));
    EXPECT_EQ(HeaderName("*BRICK,Brick or masonry"), "BRICK");
    EXPECT_EQ(HeaderName("* LEAD ,x"), " LEAD ");
    EXPECT_EQ(HeaderName("*,only a description"), "");
}

TEST(PatternLines, LoadKeepsEveryLineAndFindsHeaders) {
    TTempDir dir;
    const std::string text = ";; preamble\r\n"
                             "\r\n"
                             "*ANSI31,diagonal\r\n"
                             "45, 0,0, 0,.125\r\n"
                             "  *NOT A HEADER\r\n"
                             "; comment\r\n"
                             "* DOTS\r\n"
                             "0,0,0,0,.1,0,-.1\r\n";
    WriteFileBytes(dir.File("a.pat"), Bytes(text));
    TPatternModule m;
    m.CurrentPatternLine = 4;
    m.EditorModified = true;
    m.ScaleText = "Scale:  25.00";
    m.LoadPatternFile(dir.File("a.pat"));
    ASSERT_EQ(m.PatternLines.size(), 8u);
    EXPECT_EQ(m.PatternLines[4], "  *NOT A HEADER");
    ASSERT_EQ(m.Entries.size(), 2u);
    EXPECT_EQ(m.Entries[0].Name, "ANSI31");
    EXPECT_EQ(m.Entries[0].HeaderLine, 2);
    EXPECT_EQ(m.Entries[1].Name, " DOTS");
    EXPECT_EQ(m.Entries[1].HeaderLine, 6);
    EXPECT_EQ(m.CurrentPatternLine, -1);
    EXPECT_FALSE(m.EditorModified);
    EXPECT_EQ(m.ScaleText, "");
    // A body runs to the next first-column asterisk; the indented one does not end it.
    EXPECT_EQ(m.PatternBody(2),
              (TLines{"*ANSI31,diagonal", "45, 0,0, 0,.125", "  *NOT A HEADER", "; comment"}));
    EXPECT_EQ(m.PatternBody(6), (TLines{"* DOTS", "0,0,0,0,.1,0,-.1"}));
    EXPECT_TRUE(m.PatternBody(8).empty());
}

TEST(PatternLines, UnreadableAndHugeFilesAreRefusedByName) {
    TTempDir dir;
    WriteFileBytes(dir.File("lines.pat"), std::vector<uint8_t>(1'000'000, '\n'));
    TPatternModule m;
    m.PatternLines = {"*KEEP"};
    for (const std::string& path : {std::string("/nonexistent/none.pat"), dir.File("lines.pat")}) {
        EXPECT_NE(MessageOf([&] { m.LoadPatternFile(path); }).find(path), std::string::npos);
    }
    EXPECT_EQ(m.PatternLines, (TLines{"*KEEP"}));
}

TEST(FamilyLines, KindsFieldsCommentsAndDashes) {
    TLineFamily f;
    std::string name = "old";
    for (const char* skipped : {"", " \t\x01\x1f ", ";45,0,0,0,1"})
        EXPECT_EQ(ParseFamilyLine(skipped, f), TPatternLineKind::Skipped) << skipped;
    EXPECT_EQ(ParseFamilyLine("*NET,grid", f, &name), TPatternLineKind::Header);
    EXPECT_EQ(name, "NET");
    // An indented asterisk is a family line whose first field does not convert.
    f.Angle = 30;
    f.DeltaY = 5;
    EXPECT_EQ(ParseFamilyLine(" *X", f), TPatternLineKind::Family);
    EXPECT_EQ(f.Angle, 0);
    EXPECT_EQ(f.DeltaY, 0);

    f = Parse("45, 1.5,-2, .25,1e-1 ; inline, comment,9,9");
    EXPECT_EQ(f.XOrigin, 1.5);
    EXPECT_EQ(f.DeltaY, 0.1);
    EXPECT_EQ(f.DashCount, 0);
    // Tabs are blanks; exponents are numbers; a word counts as 0.
    f = Parse("0,\t3\t,word,+2,-4.59898785721e-10,\t.5\t,-.25");
    EXPECT_EQ(f.XOrigin, 3);
    EXPECT_EQ(f.YOrigin, 0);
    EXPECT_DOUBLE_EQ(f.DeltaY, -4.59898785721e-10);
    ASSERT_EQ(f.DashCount, 2);
    EXPECT_EQ(f.Dashes[1], -0.25);
    // A trailing comma adds an empty field: a dot.
    f = Parse("0,0,0,0,1,");
    ASSERT_EQ(f.DashCount, 1);
    EXPECT_EQ(f.Dashes[0], 0);
    // More than 21 dash entries: the first 21 are kept.
    std::string longLine = "0,0,0,0,1";
    for (int i = 1; i <= 30; ++i)
        longLine += "," + std::to_string(i);
    f = Parse(longLine);
    ASSERT_EQ(f.DashCount, MaxDashes);
    EXPECT_EQ(f.Dashes[20], 21);
    // Angle and origin carry over to a shorter line; the spacing resets.
    f = Parse("30,1,2,3,4,0.5");
    ParseFamilyLine("60,9", f);
    EXPECT_EQ(f.XOrigin, 9);
    EXPECT_EQ(f.YOrigin, 2);
    EXPECT_EQ(f.DeltaX, 0);
    EXPECT_EQ(f.DashCount, 0);
}

TEST(FamilyLines, NumbersThatDoNotConvert) {
    double v = 7;
    for (const char* bad :
         {"", " ", "inf", "nan", "-inf", "1e", "0x10", "1,5", "--1", "+-1", "1 2", "1e999", "."})
        EXPECT_FALSE(ParsePatternNumber(bad, v)) << bad;
    EXPECT_EQ(v, 7);
    for (const auto& [text, value] :
         {std::pair<const char*, double>{" 5. ", 5.0}, {"-.5", -0.5}, {"1E+2", 100.0}}) {
        ASSERT_TRUE(ParsePatternNumber(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
}

TEST(FamilyLines, DecimalPointWhateverTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    double v = 0;
    EXPECT_TRUE(ParsePatternNumber("0.375", v));
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(v, 0.375);
}

TEST(StoreEditedPattern, ReplacesTheBlockWhateverItsLength) {
    TPatternModule m;
    m.PatternLines = {";top",       "*A,a",          "0,0,0,0,1", "*B,b",
                      "90,0,0,0,1", "; b's comment", "*C,c",      "45,0,0,0,1"};
    m.Entries = {{"A", 1, 0}, {"B", 3, 1}, {"C", 6, 2}};

    // Not modified, nothing shown, or no entry selected: nothing is stored.
    m.CurrentPatternLine = 3;
    EXPECT_FALSE(m.StoreEditedPattern({"*X"}, 1));
    m.EditorModified = true;
    EXPECT_FALSE(m.StoreEditedPattern({"*X"}, 3));
    m.CurrentPatternLine = -1;
    EXPECT_FALSE(m.StoreEditedPattern({"*X"}, 1));

    // B's three lines become five.
    m.CurrentPatternLine = 3;
    ASSERT_TRUE(m.StoreEditedPattern({"*BB,new", "0,0,0,0,2", "90,0,0,0,2", "", ";end"}, 1));
    EXPECT_EQ(m.PatternLines, (TLines{";top", "*A,a", "0,0,0,0,1", "*BB,new", "0,0,0,0,2",
                                      "90,0,0,0,2", "", ";end", "*C,c", "45,0,0,0,1"}));
    EXPECT_EQ(m.Entries[1].Name, "BB");
    EXPECT_EQ(m.Entries[2].HeaderLine, 8);
    EXPECT_EQ(m.Entries[2].ThumbnailIndex, 2);
    EXPECT_EQ(m.CurrentPatternLine, 3);
    EXPECT_TRUE(m.EditorModified);

    // The last pattern becomes one line, with a header inserted: the entries take the first
    // headers in order and their number does not change.
    m.CurrentPatternLine = 8;
    ASSERT_TRUE(m.StoreEditedPattern({"*C2"}, 2));
    EXPECT_EQ(m.PatternLines.size(), 9u);
    m.CurrentPatternLine = 1;
    ASSERT_TRUE(m.StoreEditedPattern({"*NEW", "*A"}, 0));
    ASSERT_EQ(m.Entries.size(), 3u);
    EXPECT_EQ(m.Entries[0].Name, "NEW");
    EXPECT_EQ(m.Entries[1].Name, "A");
    EXPECT_EQ(m.Entries[1].HeaderLine, 2);
    EXPECT_EQ(m.Entries[2].Name, "BB");
}

TEST(SavePatternFile, CrLfFilesRoundTripByteExact) {
    TTempDir dir;
    const std::string text = ";;\tmetric set\r\n\r\n*A, x\r\n0, 0,0, 0,5, 3,-2\r\n  \r\n";
    WriteFileBytes(dir.File("in.pat"), Bytes(text));
    TPatternModule m;
    m.LoadPatternFile(dir.File("in.pat"));
    m.SavePatternFile(dir.File("out.pat"));
    EXPECT_EQ(ReadFileBytes(dir.File("out.pat")), Bytes(text));

    // Other line ends are written as CR LF, and a missing last line end is added.
    WriteFileBytes(dir.File("lf.pat"), Bytes("*A\n0,0,0,0,1\r0,0,0,0,2"));
    m.LoadPatternFile(dir.File("lf.pat"));
    m.SavePatternFile(dir.File("lf.pat"));
    EXPECT_EQ(ReadFileBytes(dir.File("lf.pat")), Bytes("*A\r\n0,0,0,0,1\r\n0,0,0,0,2\r\n"));
}
