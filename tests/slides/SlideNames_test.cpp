// The naming rules that the window and sldtool share.
#include "base/Errors.h"
#include "slides/SlideNames.h"

#include <gtest/gtest.h>

TEST(SlideNames, LibraryNameIsTheUpperCaseStemCutTo31) {
    EXPECT_EQ(LibrarySlideName("plan.v2.sld"), "PLAN.V2");
    EXPECT_EQ(LibrarySlideName("door"), "DOOR");
    EXPECT_EQ(LibrarySlideName(".sld"), "");
    EXPECT_EQ(LibrarySlideName(std::string(40, 'a') + ".sld"), std::string(31, 'A'));
    // Only a..z are upper-cased: Windows-1252 letters stay as they are.
    EXPECT_EQ(LibrarySlideName("t\xfcr.sld"), "T\xfcR");
}

TEST(SlideNames, RenamingDropsOrAddsTheSlideExtension) {
    EXPECT_EQ(RenamedSlideName("NEW.SLD"), "NEW");
    EXPECT_EQ(RenamedSlideName("new.Sld"), "new");
    EXPECT_EQ(RenamedSlideName("new.sldx"), "new.sldx");
    EXPECT_EQ(RenamedSlideName("new"), "new");
    EXPECT_EQ(RenamedSlideFileName("plan"), "plan.sld");
    EXPECT_EQ(RenamedSlideFileName("plan.old"), "plan.old");
}

TEST(SlideNames, FileNamesStayInsideTheChosenFolder) {
    EXPECT_EQ(SlideFileName("DOOR"), "DOOR.sld");
    EXPECT_EQ(SlideFileName("../../etc/x"), ".._.._etc_x.sld");
    EXPECT_EQ(SlideFileName("T\xfcR"), "T\xc3\xbcR.sld"); // Windows-1252 to UTF-8
    EXPECT_EQ(SafeFileName(std::string("a\0b", 3)), "a_b");
}

TEST(SlideNames, TypedNamesMustFitWindows1252) {
    EXPECT_EQ(ToSlideName("T\xc3\xbcR"), "T\xfcR");
    EXPECT_THROW(ToSlideName("\xe2\x82\xac\xe2\x98\x83"), EVarnelError); // a snowman has no byte
}
