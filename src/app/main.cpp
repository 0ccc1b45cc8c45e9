// varnel: the slide viewer window.
#include "SignalWatcher.h"
#include "base/Memory.h"
#include "testslides.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <exception>

namespace {

// Errors that no command handles itself end up here: the user sees the error's own message
// and the program goes on.
class TVarnelApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(activeWindow(), "Varnel", QString::fromUtf8(e.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    KeepFreedMemoryForReuse();
    TVarnelApplication app(argc, argv);
    QApplication::setApplicationName("Varnel");
    QApplication::setApplicationVersion(VARNEL_VERSION);

    // The name of the installed .desktop entry, so the desktop matches the window to it.
    QApplication::setDesktopFileName(VARNEL_APP_ID);

    QCommandLineParser parser;
    parser.setApplicationDescription(TForm1::kCaption);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "path",
        "A slide file (its folder opens with it selected), a slide library, a pattern "
        "file or a folder.",
        "[path...]");
    // Developer option: saves a picture of the window once it has loaded its folder, then quits.
    QCommandLineOption screenshotOption("screenshot", "Save a picture of the window and quit.",
                                        "file");
    screenshotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshotOption);
    parser.process(app);
    const QString screenshot = parser.value(screenshotOption);

    TForm1::TOptions options;
    for (const QString& arg : parser.positionalArguments()) {
        // Desktops may pass file URLs; everything else is a path.
        const QUrl url(arg);
        const QString path = url.isLocalFile() ? url.toLocalFile() : arg;
        options.OpenPaths.push_back(path.toStdString());
    }
    TForm1 form(std::move(options));
    TSignalWatcher watcher;
    QObject::connect(&watcher, &TSignalWatcher::TerminationRequested, &form, [&form] {
        form.close(); // saves the settings
        QApplication::quit();
    });
    form.ShowRestored();

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &form, [&form, screenshot] {
            const bool ok = form.grab().save(screenshot);
            std::fprintf(stderr, ok ? "varnel: saved %s\n" : "varnel: cannot save %s\n",
                         screenshot.toLocal8Bit().constData());
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
