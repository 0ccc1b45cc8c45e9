// TForm1: folder browsing, and showing the model: file list, page, slide list with thumbnails,
// selection, preview and status bar.
#include "QtSupport.h"
#include "testslides.h"

#include "HatchPage.h"
#include "Icons.h"
#include "PreviewBox.h"
#include "base/Paths.h"
#include "graphics/Graphic.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

namespace {

// Batch update of a widget: no repaint until the end, also on failure.
class TUpdateScope {
public:
    explicit TUpdateScope(QWidget* w) : m_widget(w) { m_widget->setUpdatesEnabled(false); }
    ~TUpdateScope() { m_widget->setUpdatesEnabled(true); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    QWidget* m_widget;
};

} // namespace

// ---- Folder tree and file list ----

void TForm1::ScrollTreeToCurrent() {
    const QModelIndex index = PTShellTree1->currentIndex();
    if (!index.isValid())
        return;
    PTShellTree1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // The column is as wide as the longest name, so scrollTo lines up its right edge and cuts
    // the start of every name off; show the folder from its branch mark instead.
    QScrollBar* bar = PTShellTree1->horizontalScrollBar();
    const int left = PTShellTree1->visualRect(index).left() + bar->value();
    bar->setValue(std::max(0, left - PTShellTree1->indentation()));
}

void TForm1::SetTreeFolder(const QString& folder) {
    QString path = QDir::cleanPath(folder.isEmpty() ? QDir::homePath() : folder);
    while (!QFileInfo(path).isDir() && path != "/" && !path.isEmpty())
        path = QFileInfo(path).path();
    const QModelIndex index = m_treeModel->index(path);
    if (!index.isValid())
        return;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        PTShellTree1->expand(p);
    PTShellTree1->setCurrentIndex(index);
    ScrollTreeToCurrent();
    // The tree's own signal runs PTShellTree1Change later; run it now so the list is there when
    // this returns (the later call finds the folder shown and does nothing).
    PTShellTree1Change();
}

QString TForm1::TreeFolder() const {
    const QModelIndex index = PTShellTree1->currentIndex();
    return index.isValid() ? m_treeModel->filePath(index) : QString();
}

void TForm1::PTShellTree1Change() {
    const std::string folder = TreeFolder().toStdString();
    const bool asks = m_model.Page() == TPage::Hatchs && m_model.PatternPage().HasUnsavedEdits();
    bool stayed = false;
    RunCommand([&] {
        m_model.TreeFolderChanged(folder);
        stayed = asks && !SamePlace(m_model.TreeFolder(), folder);
    });
    // The user chose to stay with unsaved pattern edits: the tree goes back to the folder shown.
    if (stayed)
        QTimer::singleShot(0, this, [this] { SetTreeFolder(ToQString(m_model.TreeFolder())); });
}

void TForm1::PTShellTree1Click() {
    RunCommand([&] { m_model.TreeFolderClicked(); });
}

void TForm1::Panel5Click() {
    RunCommand([&] { m_model.ShowFolderSlides(); });
}

void TForm1::FileListBox1Click() {
    const QList<QListWidgetItem*> selected = FileListBox1->selectedItems();
    if (selected.isEmpty()) {
        // A click beside the entries (or a Ctrl+click on the chosen one) closes nothing: the
        // entry of the open library or pattern file stays selected.
        const int chosen = m_model.SelectedSource();
        if (chosen >= 0 && chosen < FileListBox1->count()) {
            TFlagScope refreshing(m_refreshing);
            FileListBox1->setCurrentRow(chosen, QItemSelectionModel::ClearAndSelect);
        }
        return;
    }
    const int index = FileListBox1->row(selected.front());
    RunCommand([&] { m_model.ChooseSource(index); });
}

void TForm1::ListBox1SelectItem() {
    std::vector<int> items;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected() && ItemOfRow(i) >= 0)
            items.push_back(ItemOfRow(i));
    m_model.SetSelection(std::move(items));
    // Keyboard work in the folder tree, the file list or the filter field keeps its focus.
    QWidget* focus = QApplication::focusWidget();
    if (ListBox1->count() > 0 && focus != PTShellTree1 && focus != FileListBox1 &&
        focus != SlideFilter && ListBox1->isVisible())
        ListBox1->setFocus();
    RunCommand([&] { m_model.ActivateSelection(); });
}

void TForm1::Thumbnails1Click() {
    RunCommand([&] { m_model.ToggleThumbnailView(); });
}

void TForm1::SlideFilterChange() {
    const std::string text = SlideFilter->text().toStdString();
    RunCommand([&] { m_model.SetFilter(text); });
}

void TForm1::Filter1Click() {
    QLineEdit* field = m_model.Page() == TPage::Hatchs ? HatchPage->PatternFilter : SlideFilter;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

int TForm1::ItemOfRow(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_shown.Items.size()
               ? m_shown.Items[static_cast<size_t>(row)]
               : -1;
}

int TForm1::RowOfItem(int item) const {
    // The rows show their items in list order.
    const std::vector<int>& items = m_shown.Items;
    const auto it = std::lower_bound(items.begin(), items.end(), item);
    return it != items.end() && *it == item ? static_cast<int>(it - items.begin()) : -1;
}

void TForm1::SelectAllExecute() {
    RunCommand([&] {
        m_model.SelectAll();
        m_model.ActivateSelection();
    });
}

// ---- Showing the model ----

void TForm1::RunCommand(const std::function<void()>& command) {
    // Messages of the command and of showing its result come once, after both.
    TWindowModel::TBusy busy(m_model);
    try {
        command();
    } catch (const std::exception& e) {
        // One error path for every command: the error's own message in one box.
        m_model.PostMessage(e.what(), true);
    }
    RefreshView();
}

void TForm1::RefreshView() {
    if (m_refreshing)
        return;
    RefreshFileList();
    RefreshPage();
    RefreshSlideList();
    RefreshPreview();
    UpdateActions();
    WatchShownFolder();
}

// ---- Changes made by other programs ----

void TForm1::WatchShownFolder() {
    QStringList paths;
    if (!m_model.Folder().empty())
        paths << ToQString(m_model.Folder());
    // A library rewritten in place changes no folder entry.
    if (m_model.LibraryView() && !m_model.SelectedSourcePath().empty())
        paths << ToQString(m_model.SelectedSourcePath());
    // Nor does a pattern file shown on page "hatchs".
    if (m_model.Page() == TPage::Hatchs && !m_model.PatternFile().empty())
        paths << ToQString(m_model.PatternFile());
    // A watched file replaced by another drops out of the watcher: compare with what it holds.
    const QStringList held = m_diskWatcher->directories() + m_diskWatcher->files();
    if (paths == m_watched && held.size() == paths.size())
        return;
    if (!held.isEmpty())
        m_diskWatcher->removePaths(held);
    m_watched = paths;
    if (!paths.isEmpty())
        m_diskWatcher->addPaths(paths);
}

void TForm1::DiskChanged() {
    // The first change of a burst starts the pause; the others fall into it.
    if (!m_diskTimer->isActive())
        m_diskTimer->start();
}

void TForm1::FollowDiskChanges() {
    // Not in the middle of the user's own work, nor under one of its dialogs: later.
    if (m_model.Busy() || m_refreshing || QApplication::activeModalWidget()) {
        m_diskTimer->start();
        return;
    }
    bool reloaded = false;
    RunCommand([&] { reloaded = m_model.FolderChangedOnDisk(); });
    m_diskReloads += reloaded;
}

void TForm1::RefreshPage() {
    const bool folderActive = m_model.FolderSourceActive();
    if (Panel5->property("active").toBool() != folderActive || Panel5->styleSheet().isEmpty()) {
        Panel5->setProperty("active", folderActive);
        Panel5->setStyleSheet(
            folderActive
                ? "QPushButton { background-color: palette(highlight); color: "
                  "palette(highlighted-text); border: 1px solid palette(dark); padding: 4px; "
                  "text-align: left; font-weight: bold; }"
                : "QPushButton { background-color: palette(button); color: palette(button-text); "
                  "border: 1px solid palette(mid); padding: 4px; text-align: left; }");
    }
    QWidget* page = m_model.Page() == TPage::Slides ? SlidesPage : HatchsPage;
    if (Notebook1->currentWidget() != page) {
        Notebook1->setCurrentWidget(page);
        // The thumbnails belong to whichever page filled them.
        ForgetShownThumbnails();
        TFlagScope refreshing(m_refreshing);
        ListBox1->clear();
    }
    if (HatchPage)
        HatchPage->Refresh();
}

void TForm1::RefreshFileList() {
    if (m_shownSourcesGeneration == m_model.SourcesGeneration())
        return;
    m_shownSourcesGeneration = m_model.SourcesGeneration();
    TFlagScope refreshing(m_refreshing);
    const QString folder = ToQString(m_model.Folder());
    FileListBox1->clear();
    for (const std::string& name : m_model.Sources()) {
        const QString text = ToQString(name);
        const bool pattern = FileKindOfName(name) == TFileKind::Pattern;
        auto* item = new QListWidgetItem(pattern ? PatternIcon() : LibraryIcon(), text);
        item->setToolTip(QDir(folder).filePath(text));
        FileListBox1->addItem(item);
    }
    const int chosen = m_model.SelectedSource();
    if (chosen >= 0) {
        FileListBox1->setCurrentRow(chosen, QItemSelectionModel::ClearAndSelect);
    } else {
        FileListBox1->clearSelection();
        FileListBox1->setCurrentItem(nullptr);
    }
}

void TForm1::RefreshSlideList() {
    if (SlideFilter->text() != ToQString(m_model.Filter())) {
        TFlagScope refreshing(m_refreshing);
        SlideFilter->setText(ToQString(m_model.Filter()));
    }
    const bool sameList = m_shownListGeneration == m_model.ListGeneration() &&
                          m_shownThumbnailView == m_model.ThumbnailView();
    if (!sameList || m_shownItemsGeneration != m_model.ShownGeneration()) {
        m_shownListGeneration = m_model.ListGeneration();
        m_shownItemsGeneration = m_model.ShownGeneration();
        FillSlideList(sameList);
    }
    RefreshSelection();
}

void TForm1::FillSlideList(bool keepThumbnails) {
    TFlagScope refreshing(m_refreshing);
    const bool thumbs = m_model.ThumbnailView();
    if (m_shownThumbnailView != thumbs) {
        m_shownThumbnailView = thumbs;
        if (thumbs) {
            ListBox1->setViewMode(QListView::IconMode);
            ListBox1->setIconSize(QSize(kThumbWidth, kThumbHeight));
            ListBox1->setFlow(QListView::LeftToRight);
        } else {
            ListBox1->setViewMode(QListView::ListMode);
            ListBox1->setIconSize(QSize(16, 16));
            ListBox1->setFlow(QListView::TopToBottom);
        }
        ListBox1->setWrapping(true);
        ListBox1->setResizeMode(QListView::Adjust);
        ListBox1->setMovement(QListView::Static);
        // Thumbnails share one cell size; names in the list each take their own width.
        ListBox1->setUniformItemSizes(thumbs);
        viewthumb->setChecked(thumbs);
        viewlist->setChecked(!thumbs);
        ViewStyleButton->setIcon(thumbs ? viewthumb->icon() : viewlist->icon());
    }

    const std::vector<std::string>& items = m_model.Items();
    const std::vector<int>& shown = m_model.ShownItems();
    const double ratio = ListBox1->devicePixelRatioF();
    // Only the filter changed: the pictures drawn of slides that stay shown are kept (by item),
    // when they are of the background and the pixel ratio that the new rows get.
    // A kept picture that carries the failure mark keeps the tooltip that says why.
    std::vector<std::pair<int, QImage>> kept;
    std::vector<std::pair<int, QString>> keptTips;
    if (keepThumbnails && thumbs && limg.size() == m_shown.Items.size() &&
        m_shown.Background == m_model.PreviewBackground() && limg.Ratio() == ratio)
        for (size_t row = 0; row < limg.size(); ++row)
            if (limg.Has(row)) {
                kept.emplace_back(m_shown.Items[row], limg[row]);
                const QListWidgetItem* old = ListBox1->item(static_cast<int>(row));
                if (old && old->toolTip() != old->text())
                    keptTips.emplace_back(m_shown.Items[row], old->toolTip());
            }
    // What was shown and what the workers draw belong to the list being replaced; they go
    // before its items, whose removal already lays the list out again.
    ForgetShownThumbnails();
    m_problemTimer->stop();
    m_model.SetThumbnailsPending(false);
    ListBox1->clear();
    if (shown.empty())
        return;
    m_shown.Items = shown;
    limg.Reset(thumbs ? shown.size() : 0, ratio);
    for (auto& [item, image] : kept)
        if (const int row = RowOfItem(item); row >= 0)
            limg.Set(static_cast<size_t>(row), std::move(image));
    m_shown.HasIcon.assign(limg.size(), 0);
    TUpdateScope batch(ListBox1);
    UiHooks::TBusyCursor cursor;
    if (thumbs) {
        // Until its thumbnail is drawn an item shows a plain picture on the background.
        const QSize pixels = ThumbnailPixels();
        QPixmap blank(pixels);
        blank.setDevicePixelRatio(limg.Ratio());
        const TColor bg = m_model.PreviewBackground();
        blank.fill(QColor(int(RedOf(bg)), int(GreenOf(bg)), int(BlueOf(bg))));
        m_placeholder = QIcon(blank);
    }
    const QIcon icon = thumbs ? m_placeholder : SlideIcon();
    for (const int shownItem : shown) {
        auto* item = new QListWidgetItem(icon, ToQString(items[static_cast<size_t>(shownItem)]));
        item->setToolTip(item->text()); // the whole name, also when it shows cut
        ListBox1->addItem(item);
    }
    for (const auto& [shownItem, tip] : keptTips)
        if (QListWidgetItem* item = ListBox1->item(RowOfItem(shownItem)))
            item->setToolTip(tip);
    if (thumbs)
        StartThumbnailBatch();
}

void TForm1::RefreshSelection() {
    TFlagScope refreshing(m_refreshing);
    // The model's selected items, as rows of the list (all of them are shown).
    std::vector<int> selection;
    for (const int item : m_model.Selection())
        if (const int row = RowOfItem(item); row >= 0)
            selection.push_back(row);
    std::vector<int> shown;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            shown.push_back(i);
    if (shown == selection)
        return;
    ListBox1->clearSelection();
    for (size_t k = 0; k < selection.size(); ++k) {
        QListWidgetItem* item = ListBox1->item(selection[k]);
        if (!item)
            continue;
        if (k == 0) {
            ListBox1->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            ListBox1->scrollToItem(item);
        } else {
            item->setSelected(true);
        }
    }
}

void TForm1::SchedulePreview() {
    // The preview is drawn at the screen's own pixels (twice the panel's size at ratio 2).
    const qreal ratio = Panel2->devicePixelRatioF();
    m_model.SetPreviewSize(qRound(Panel2->width() * ratio), qRound(Panel2->height() * ratio),
                           ratio);
    RepaintPreviewWhenIdle();
}

// ---- Zoom and pan ----

void TForm1::PreviewZoomBy(double factor, std::optional<QPointF> at) {
    if (!at) // the keys zoom around the preview's centre
        at = QPointF(m_model.Preview().Width() / 2.0, m_model.Preview().Height() / 2.0);
    if (m_model.ZoomPreview(factor, at->x(), at->y()))
        RepaintPreviewWhenIdle();
}

void TForm1::PreviewPan(double dx, double dy) {
    if (m_model.PanPreview(dx, dy))
        RepaintPreviewWhenIdle();
}

void TForm1::FitClick() {
    if (m_model.FitPreview())
        RepaintPreviewWhenIdle();
}

void TForm1::RepaintPreviewWhenIdle() {
    if (m_previewPending)
        return;
    m_previewPending = true;
    QTimer::singleShot(0, this, [this] {
        m_previewPending = false;
        if (m_model.Busy() || m_refreshing) {
            RepaintPreviewWhenIdle(); // the running work ends first
            return;
        }
        m_model.RepaintPreview();
        RefreshPreview();
        UpdateActions(); // the zoom commands follow the zoom
    });
}

void TForm1::RefreshPreview() {
    PaintBox1->update();
    SetStatus(TStatusPanel::PreviewSize, ToQString(m_model.StatusText(TStatusPanel::PreviewSize)),
              true);
    SetStatus(TStatusPanel::Zoom, ToQString(m_model.StatusText(TStatusPanel::Zoom)), true);
    PaintBox1->SetZoomed(!m_model.PreviewZoom().Fitted());
    const QString shown = ToQString(m_model.StatusText(TStatusPanel::Shown));
    SetStatus(TStatusPanel::Shown, shown, true);
    m_panels[static_cast<int>(TStatusPanel::Shown)]->setVisible(!shown.isEmpty());
    SetStatus(TStatusPanel::Folder, ToQString(m_model.StatusText(TStatusPanel::Folder)), true);
    SetStatus(TStatusPanel::Problem, ToQString(m_model.StatusText(TStatusPanel::Problem)), false);
    if (!m_model.CurrentList()) {
        SetStatus(TStatusPanel::SlideName, QString(), false);
        for (TStatusPanel p :
             {TStatusPanel::SlideSize, TStatusPanel::LibraryName, TStatusPanel::LibrarySize})
            SetStatus(p, QString(), false);
        SetStatusWidth(TStatusPanel::SlideSize, 16);
        SetStatusWidth(TStatusPanel::LibraryName, 27);
        SetStatusWidth(TStatusPanel::LibrarySize, 16);
    } else if (m_model.SelectedSlide() >= 0) {
        for (TStatusPanel p : {TStatusPanel::SlideName, TStatusPanel::SlideSize,
                               TStatusPanel::LibraryName, TStatusPanel::LibrarySize})
            SetStatus(p, ToQString(m_model.StatusText(p)), true);
    }
}
