// Hook scopes that end in any order, and SamePlace's view of one folder under two paths.
#include "TestFiles.h"
#include "base/Paths.h"
#include "base/UiHooks.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

TEST(UiHooks, ScopesEndingInAnyOrderLeaveTheNewestLivingOne) {
    std::string got;
    const UiHooks::TMessageHook saved =
        UiHooks::SetMessageHook([&](const std::string& t) { got = "base " + t; });
    auto first =
        std::make_unique<UiHooks::THookScope>([&](const std::string& t) { got = "first " + t; });
    auto second =
        std::make_unique<UiHooks::THookScope>([&](const std::string& t) { got = "second " + t; });
    UiHooks::ShowMessage("a");
    EXPECT_EQ(got, "second a");
    // The older window goes first: the newer one keeps its hook.
    first.reset();
    UiHooks::ShowMessage("b");
    EXPECT_EQ(got, "second b");
    second.reset();
    UiHooks::ShowMessage("c");
    EXPECT_EQ(got, "base c");
    UiHooks::SetMessageHook(saved);
}

TEST(Paths, SamePlaceKnowsOneFolderUnderTwoPaths) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Real"));
    std::filesystem::create_directory_symlink(dir.File("Real"), dir.File("link"));
    EXPECT_TRUE(SamePlace(dir.File("Real"), dir.File("link")));
    EXPECT_TRUE(SamePlace(dir.File("Real/"), dir.File("real")));
    EXPECT_TRUE(SamePlace(dir.File("Real"), dir.File("Real/../Real")));
    EXPECT_FALSE(SamePlace(dir.File("Real"), dir.Path()));
    EXPECT_FALSE(SamePlace(dir.File("gone"), dir.File("also-gone")));
}
