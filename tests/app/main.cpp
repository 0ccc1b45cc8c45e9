// The window's tests need a QApplication; without a display they run on the offscreen
// platform (also while CTest lists them).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// The offscreen platform warns about window size hints it cannot pass on; nothing to see.
QtMessageHandler g_defaultHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains("propagateSizeHints") && g_defaultHandler)
        g_defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Each test program keeps its temporary folders in a parent of its own. The folder tree
    // watches the parent of the folders it shows; test programs running in parallel would
    // otherwise keep changing that listing under it, and a listing read a moment before a new
    // folder appeared can drop that folder from the tree.
    std::string parent = (std::filesystem::temp_directory_path() / "varnel-app-XXXXXX").string();
    if (::mkdtemp(parent.data()))
        ::setenv("TMPDIR", parent.c_str(), 1);
    g_defaultHandler = qInstallMessageHandler(FilterMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(parent, ec);
    return result;
}
