// The filter fields above the slide list and the pattern list: the matching rule, the list shown
// and its selection, and commands that touch the shown slides only (files on disk afterwards).
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "base/FileUtil.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpWriter.h"
#include "model/Commands.h"
#include "model/EditHistory.h"
#include "model/ExportCommands.h"
#include "model/ListFilter.h"
#include "model/PrintCommands.h"
#include "model/SlideCommands.h"

#include <clocale>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Ints = std::vector<int>;
using Bytes = std::vector<uint8_t>;

TEST(ListFilter, NamesMatchBySubstringOrWildcardIgnoringCase) {
    // A plain text is looked for anywhere in the name.
    EXPECT_TRUE(MatchesFilter("HELLO.SLD", "ell"));
    EXPECT_TRUE(MatchesFilter("plan", "PLAN"));
    EXPECT_FALSE(MatchesFilter("plan", "plans"));
    // Wildcards match the whole name: '*' any run, '?' one character (one UTF-8 letter too).
    EXPECT_TRUE(MatchesFilter("D1-north", "d1*"));
    EXPECT_FALSE(MatchesFilter("AD1", "D1*"));
    EXPECT_TRUE(MatchesFilter("HELL", "?ELL*"));
    EXPECT_TRUE(MatchesFilter("bellow", "?ELL*"));
    EXPECT_FALSE(MatchesFilter("ELLO", "?ELL*"));
    EXPECT_TRUE(MatchesFilter("\xC3\x89"
                              "COLE",
                              "?cole"));
    EXPECT_TRUE(MatchesFilter("a.b.sld", "*.b.*"));
    EXPECT_FALSE(MatchesFilter("a.sld", "*.slb"));
    // Empty: every name, the empty one too.
    EXPECT_TRUE(MatchesFilter("x", ""));
    EXPECT_TRUE(MatchesFilter("", ""));
    // A pattern of many stars against a long name that it cannot match ends (no exponential
    // search), and the file masks keep their meaning.
    EXPECT_FALSE(MatchesFilter(std::string(250, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(MatchesMask("x.Pat", "*.slb;*.pat"));
    EXPECT_FALSE(MatchesMask("plan.sld.bak", "*.sld"));

    EXPECT_EQ(ShownByFilter({"D1", "x", "d10", "ad1"}, "D1*"), (Ints{0, 2}));
    EXPECT_EQ(ShownCountText(12, 1000, "slides"), "12 of 1,000 slides");
    EXPECT_EQ(ShownCountText(1234567, 1234567, "patterns"), "1,234,567 of 1,234,567 patterns");
    EXPECT_EQ(ShownCountText(0, 999, "slides"), "0 of 999 slides");
}

TEST(ListFilter, LetterCaseIsFoldedBeyondAsciiAndBadUtf8MatchesByteForByte) {
    // Whatever the process's locale: the plain C locale here.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    struct TCase {
        const char* name;
        const char* filter;
        bool matches;
    };
    const TCase cases[] = {
        // Latin-1 and Latin Extended-A.
        {"\u00C4rmel.sld", "\u00E4RMEL", true},
        {"\u00C4rmel.sld", "armel", false}, // accents are not dropped
        {"\u0141\u00D3D\u0179", "\u0142\u00F3d\u017A", true},
        {"\u0178", "\u00FF", true},
        {"\u0139\u013D\u017D", "\u013A\u013E\u017E", true},
        {"STRA\u1E9EE", "stra\u00DFe", true},
        {"\u00D7", "\u00F7", false}, // signs, not letters
        {"\u0130stanbul", "ISTANBUL", true},
        // Greek, with its accented capitals and final sigma.
        {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2", true},
        {"\u0386\u03A1\u03A4\u0391", "\u03AC\u03C1\u03C4\u03B1", true},
        {"\u03A9MEGA", "\u03C9mega", true},
        // Cyrillic.
        {"\u0414\u0412\u0415\u0420\u042C.sld", "\u0434\u0432\u0435\u0440\u044C", true},
        {"\u0401\u041B\u041A\u0410", "\u0451\u043B\u043A\u0430", true},
        {"\u0490\u04D8", "\u0491\u04D9", true},
        {"\u0414\u0412\u0415\u0420\u042C.sld", "\u0434\u0432\u0435\u0440\u0438", false},
        // Wildcards: '?' takes one character, however many bytes it has.
        {"\u00C4rmel.sld", "?RMEL*", true},
        {"\u0414\u0412\u0415\u0420\u042C.sld", "\u0434?\u0435*.SLD", true},
        {"\u0414\u0412.sld", "??.sld", true},
        {"\u0414\u0412.sld", "???.sld", false},
        {"\u03A3\u03A3", "*\u03C3", true},
        // Bytes that are not UTF-8 (a Latin-1 name, cut or overlong sequences, surrogates,
        // values beyond U+10FFFF) match the same bytes only, each one a character of its own.
        {"\xC4rmel.sld", "\xC4RMEL", true},
        {"\xC4rmel.sld", "\xE4rmel", false},
        {"\xC4rmel.sld", "\u00C4rmel", false},
        {"\xC4rmel.sld", "?rmel.sld", true},
        {"ab\xC3", "\xC3", true},
        {"ab\xC3", "?b?", true},
        {"\xE2\x82", "??", true},
        {"\xE2\x82", "?", false},
        {"\xC0\xAF", "/", false},
        {"\xED\xA0\x80", "???", true},
        {"\xF4\x90\x80\x80", "????", true},
        {"\x80", "\x80", true},
        {"a\xFF\xFE"
         "b",
         "*\xFF*", true},
        {"\xC3\x89", "\xC3", false}, // half of a character is not the character
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MatchesFilter(c.name, c.filter), c.matches) << c.name << " / " << c.filter;

    // Random bytes never crash or hang, and a name always matches itself and "*".
    uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string name(static_cast<size_t>(round % 40), '\0');
        for (char& ch : name) {
            seed = seed * 1103515245 + 12345;
            ch = static_cast<char>(seed >> 16);
        }
        ASSERT_TRUE(MatchesFilter(name, name));
        ASSERT_TRUE(MatchesFilter(name, "*"));
        MatchesFilter(name, "*\x80?*\xC3*");
    }
    // Long names against many stars or a self-overlapping text end quickly.
    const std::string cyrillic = "\u0434";
    std::string longName;
    for (int k = 0; k < 2000; ++k)
        longName += cyrillic;
    EXPECT_FALSE(MatchesFilter(longName, "*\u0414*\u0414*\u0414*\u0414*\u0414*\u0414*b"));
    EXPECT_FALSE(MatchesFilter(longName, longName.substr(0, 1000) + "b"));
    EXPECT_TRUE(MatchesFilter(longName + "b", longName.substr(0, 1000) + "B"));
    std::setlocale(LC_ALL, locale.c_str());
}

class FilterTest : public TModelTest {
protected:
    void SetUp() override {
        for (const char* name : {"D1-door.sld", "d2-wall.sld", "D10.sld", "hello.sld", "x.sld"})
            WriteFileBytes(dir.File(name), MakeSlide(100, 50));
        WriteLibrary(dir.File("Lib.slb"), {{"D1A", MakeSlide(100, 50)},
                                           {"OTHER", MakeSlide(50, 100)},
                                           {"D1B", MakeSlide(80, 80)},
                                           {"MORE", MakeSlide(60, 60)},
                                           {"D1C", MakeSlide(70, 40)}});
        ShowDir(64, 48);
    }
    Names Shown() const {
        Names names;
        for (int i : model.ShownItems())
            names.push_back(model.Items()[static_cast<size_t>(i)]);
        return names;
    }
    Names Selected() const {
        Names names;
        for (int i : model.Selection())
            names.push_back(model.Items()[static_cast<size_t>(i)]);
        return names;
    }
    std::string Count() const { return model.StatusText(TStatusPanel::Shown); }
    Bytes Read(const std::string& name) const { return ReadFileBytes(dir.File(name)); }
    TTempDir dataHome;
    TScopedEnv trash{"XDG_DATA_HOME", dataHome.Path()};
};

TEST_F(FilterTest, TheListShowsMatchingSlidesAndSelectsOnlyThose) {
    EXPECT_EQ(Count(), "");
    model.SelectItem(3); // hello.sld
    model.SetFilter("d1");
    EXPECT_EQ(Shown(), (Names{"D1-door.sld", "D10.sld"}));
    EXPECT_EQ(Count(), "2 of 5 slides");
    // The selected slide went out of view: the first one shown is selected and previewed.
    EXPECT_EQ(Selected(), Names{"D1-door.sld"});
    EXPECT_EQ(model.StatusText(TStatusPanel::SlideName), "D1-door.sld");

    // Hidden items cannot be selected, neither one by one nor by Ctrl+A.
    model.SetSelection({0, 1, 2, 3, 4, 99});
    EXPECT_EQ(Selected(), (Names{"D1-door.sld", "D10.sld"}));
    model.SelectItem(3);
    EXPECT_EQ(Selected(), (Names{"D1-door.sld", "D10.sld"}));
    model.SetSelection({});
    model.SelectAll();
    EXPECT_EQ(Selected(), (Names{"D1-door.sld", "D10.sld"}));
    // A selected slide that stays shown stays selected while the filter changes.
    model.SelectItem(1);
    model.SetFilter("D1*");
    EXPECT_EQ(Selected(), Names{"D10.sld"});
    model.SetFilter("?1*");
    EXPECT_EQ(Selected(), Names{"D10.sld"});

    // Nothing matches: nothing selected, and no command that works on slides applies.
    model.SetFilter("zzz");
    EXPECT_TRUE(model.ShownItems().empty());
    EXPECT_TRUE(model.Selection().empty());
    EXPECT_EQ(Count(), "0 of 5 slides");
    for (TCommand c : {TCommand::SelectAll, TCommand::PrintSlides, TCommand::PdfSlides,
                       TCommand::ExportToImage, TCommand::DeleteSlides})
        EXPECT_FALSE(CommandApplies(model, c));
    EXPECT_TRUE(PrintList(model, false, false).empty());

    // Cleared: every slide again, the count gone.
    model.SetFilter("");
    EXPECT_EQ(model.ShownItems().size(), 5u);
    EXPECT_EQ(Count(), "");
    EXPECT_EQ(Selected(), Names{"D1-door.sld"});
}

TEST_F(FilterTest, TheFilterStaysAcrossFoldersAndLibrariesWithoutStaleIndices) {
    model.SetFilter("D1");
    model.SelectAll();
    ASSERT_EQ(model.Selection(), (Ints{0, 1}));
    // The library has more items; the selection and the list shown are the library's own.
    ASSERT_EQ(Choose("Lib.slb"), TSourceKind::Library);
    EXPECT_EQ(model.Filter(), "D1");
    EXPECT_EQ(Shown(), (Names{"D1A", "D1B", "D1C"}));
    EXPECT_EQ(Count(), "3 of 5 slides");
    EXPECT_EQ(Selected(), Names{"D1A"});
    model.SelectItem(4);
    // Back to a smaller list: item 4 would be out of place there.
    std::filesystem::create_directory(dir.File("sub"));
    WriteFileBytes(dir.File("sub/D1.sld"), MakeSlide(10, 10));
    WriteFileBytes(dir.File("sub/z.sld"), MakeSlide(10, 10));
    ASSERT_TRUE(model.TreeFolderChanged(dir.File("sub")));
    EXPECT_EQ(Shown(), Names{"D1.sld"});
    EXPECT_EQ(model.Selection(), Ints{0});
    EXPECT_EQ(Count(), "1 of 2 slides");
    // A slide another program adds shows when it matches.
    WriteFileBytes(dir.File("sub/d1-new.sld"), MakeSlide(10, 10));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(Shown(), (Names{"d1-new.sld", "D1.sld"}));
    EXPECT_EQ(Selected(), Names{"D1.sld"});
}

TEST_F(FilterTest, CommandsTouchOnlyTheShownSlides) {
    ASSERT_EQ(Choose("Lib.slb"), TSourceKind::Library);
    const Bytes before = Read("Lib.slb");
    model.SetFilter("d1?");
    // "All" slides of a print or PDF are the shown ones.
    Names printed;
    for (const TPrintEntry& e : PrintList(model, false, false))
        printed.push_back(e.Caption);
    EXPECT_EQ(printed, (Names{"D1A", "D1B", "D1C"}));

    // Move up and down change places with the neighbour shown; the hidden slides stay put.
    model.SelectItem(2); // D1B
    EXPECT_TRUE(CommandApplies(model, TCommand::MoveSlideUp));
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"D1B", "OTHER", "D1A", "MORE", "D1C"}));
    EXPECT_EQ(Selected(), Names{"D1B"});
    EXPECT_FALSE(CommandApplies(model, TCommand::MoveSlideUp));
    model.SelectItem(4);
    EXPECT_FALSE(CommandApplies(model, TCommand::MoveSlideDown));
    UndoEdit(model);
    EXPECT_EQ(Read("Lib.slb"), before);

    // Select all and delete: the shown slides go, the hidden ones stay, byte for byte.
    model.SelectAll();
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"OTHER", "MORE"}));
    EXPECT_EQ(model.Items(), (Names{"OTHER", "MORE"}));
    EXPECT_TRUE(model.ShownItems().empty());
    // Undo brings them back with the filter still set.
    UndoEdit(model);
    EXPECT_EQ(Read("Lib.slb"), before);
    EXPECT_EQ(Shown(), (Names{"D1A", "D1B", "D1C"}));
    EXPECT_EQ(Selected(), (Names{"D1A", "D1B", "D1C"}));

    // In a folder the files of the shown slides go to the trash; the others stay.
    model.ShowFolderSlides();
    model.SetFilter("?1*");
    model.SelectAll();
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_FALSE(FileExists(dir.File("D1-door.sld")));
    EXPECT_FALSE(FileExists(dir.File("D10.sld")));
    EXPECT_TRUE(FileExists(dataHome.File("Trash/files/D10.sld")));
    for (const char* kept : {"d2-wall.sld", "hello.sld", "x.sld"})
        EXPECT_EQ(Read(kept), MakeSlide(100, 50)) << kept;
}

TEST_F(FilterTest, ASlideMadeOrRenamedUnderANameTheFilterHidesIsShownAndSelected) {
    model.SetFilter("d1");
    model.SelectItem(0); // D1-door.sld
    // Renamed to a name the filter shows: the filter stays, the slide is selected.
    dialogs.texts = {"D1-hall.sld"};
    SlideRename(model);
    EXPECT_EQ(model.Filter(), "d1");
    EXPECT_EQ(Selected(), Names{"D1-hall.sld"});
    EXPECT_EQ(Count(), "2 of 5 slides");
    // Renamed to a name it hides: the filter goes, the slide is shown and selected.
    dialogs.texts = {"wall.sld"};
    SlideRename(model);
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(Count(), "");
    EXPECT_EQ(Shown().size(), 5u);
    EXPECT_EQ(Selected(), Names{"wall.sld"});
    EXPECT_EQ(model.StatusText(TStatusPanel::SlideName), "wall.sld");

    // A slide saved into the shown folder: the selection stays while the filter shows the new
    // file; one it hides clears the filter and is selected.
    model.SetFilter("x");
    model.SelectItem(static_cast<int>(model.Items().size()) - 1);
    ASSERT_EQ(Selected(), Names{"x.sld"});
    dialogs.files = {TFileChoice{dir.File("x2.sld")}, TFileChoice{dir.File("copy.sld")}};
    SlideSave(model);
    EXPECT_EQ(model.Filter(), "x");
    EXPECT_EQ(Shown(), (Names{"x.sld", "x2.sld"}));
    EXPECT_EQ(Selected(), Names{"x.sld"});
    SlideSave(model);
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(Selected(), Names{"copy.sld"});

    // A picture imported into the shown folder under a hidden name.
    TBitmap4 picture;
    picture.Width = 2;
    picture.Height = 2;
    picture.Indices = {9, 15, 15, 9};
    WriteFileBytes(dir.File("pic.bmp"), EncodeBmp4(picture));
    model.SetFilter("D1*");
    dialogs.files = {TFileChoice{dir.File("pic.bmp")}};
    EXPECT_EQ(ConvertBMPToSlideClick(model, TBmpPictureReader()), dir.File("pic.sld"));
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(Selected(), Names{"pic.sld"});

    // A slide of a library renamed out of the filter's sight.
    ASSERT_EQ(Choose("Lib.slb"), TSourceKind::Library);
    model.SetFilter("d1?");
    model.SelectItem(2); // D1B
    dialogs.texts = {"D1Z"};
    SlideRename(model);
    EXPECT_EQ(model.Filter(), "d1?");
    EXPECT_EQ(Selected(), Names{"D1Z"});
    dialogs.texts = {"zed"};
    SlideRename(model);
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"D1A", "OTHER", "ZED", "MORE", "D1C"}));
    EXPECT_EQ(Selected(), Names{"ZED"});
    EXPECT_TRUE(CommandApplies(model, TCommand::RenameSlide));
}

TEST_F(FilterTest, UndoAndRedoShowTheSlidesTheyConcernWhenTheFilterHidesThem) {
    const auto d10 = std::find(model.Items().begin(), model.Items().end(), "D10.sld");
    model.SelectItem(static_cast<int>(d10 - model.Items().begin()));
    dialogs.texts = {"plan.sld"};
    SlideRename(model);
    ASSERT_TRUE(FileExists(dir.File("plan.sld")));
    // Undo brings back a name the filter hides: the filter goes, the slide is selected.
    model.SetFilter("plan");
    UndoEdit(model);
    EXPECT_TRUE(FileExists(dir.File("D10.sld")));
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(Selected(), Names{"D10.sld"});
    // Redo likewise; a filter that shows the slide stays.
    model.SetFilter("D10");
    RedoEdit(model);
    EXPECT_EQ(model.Filter(), "");
    EXPECT_EQ(Selected(), Names{"plan.sld"});
    model.SetFilter("?10*");
    UndoEdit(model);
    EXPECT_EQ(model.Filter(), "?10*");
    EXPECT_EQ(Selected(), Names{"D10.sld"});
}

TEST(PatternFilter, ThePatternListShowsMatchingPatterns) {
    TTempDir dir;
    TScriptedDialogs dialogs;
    TPatternPage page(dialogs);
    {
        std::string text = "*BRICK,b\n0,0,0,0,1\n*brass,x\n0,0,0,0,1\n*DOTS,d\n0,0,0,0,1\n";
        WriteFileBytes(dir.File("p.pat"), Bytes(text.begin(), text.end()));
    }
    page.OpenFile(dir.File("p.pat"));
    ASSERT_EQ(page.Entries().size(), 3u);
    page.SetFilter("BR*");
    EXPECT_EQ(page.ShownEntries(), (Ints{0, 1}));
    EXPECT_EQ(page.ShownText(), "2 of 3 patterns");
    // A hidden pattern cannot be chosen; the one in the editor stays.
    EXPECT_FALSE(page.SelectEntry(2));
    EXPECT_TRUE(page.SelectEntry(1));
    EXPECT_EQ(page.SelectedEntry(), 1);
    page.SetFilter("dots");
    EXPECT_EQ(page.ShownEntries(), Ints{2});
    EXPECT_EQ(page.SelectedEntry(), 1);
    // Another file keeps the filter.
    page.OpenFile(dir.File("p.pat"));
    EXPECT_EQ(page.ShownEntries(), Ints{2});
    page.SetFilter("");
    EXPECT_EQ(page.ShownText(), "");
}

} // namespace
