// TForm1: paths from the desktop, given on the command line or dropped on the window.
#include "testslides.h"

#include "model/OpenPaths.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The local files and folders of a drag; other kinds of URL are left out.
std::vector<std::string> LocalPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

bool TForm1::OpenPaths(const std::vector<std::string>& paths) {
    const TOpenTarget target = OpenTargetOf(paths);
    if (target.Kind == TOpenKind::Nothing)
        return false;
    RunCommand([&] { ShowOpenTarget(m_model, target); });
    // The folder tree follows the model; the model already shows that folder, so the tree's
    // change does not load it again.
    if (!target.Folder.empty() && !m_model.TreeFolder().empty())
        SetTreeFolder(QString::fromStdString(m_model.TreeFolder()));
    return !target.Folder.empty();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (LocalPaths(event->mimeData()).empty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void TForm1::dragMoveEvent(QDragMoveEvent* event) {
    if (LocalPaths(event->mimeData()).empty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalPaths(event->mimeData());
    if (paths.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drop ends before the folder loads, so the file manager is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, paths] { OpenPaths(paths); }, Qt::QueuedConnection);
}
