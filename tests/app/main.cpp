// The window's tests need a QApplication; without a display they run on the offscreen
// platform (also while CTest lists them).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

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
    g_defaultHandler = qInstallMessageHandler(FilterMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
