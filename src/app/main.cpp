// varnel: the slide viewer window.
#include "SignalWatcher.h"
#include "testslides.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>
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
    TVarnelApplication app(argc, argv);
    QApplication::setApplicationName("Varnel");
    QApplication::setApplicationVersion(VARNEL_VERSION);

    // Developer option: --screenshot FILE saves a picture of the window once it has loaded
    // its folder, then quits.
    QString screenshot;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = QString::fromLocal8Bit(argv[i + 1]);

    TForm1 form({});
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
