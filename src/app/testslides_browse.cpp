// TForm1: folder browsing, the slide list, thumbnails and the preview.
#include "testslides.h"

#include "Icons.h"
#include "PreviewBox.h"
#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/UiHooks.h"
#include "render/Graphic.h"
#include "slides/SlideClasses.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

namespace {

const char* const kSlideMask = "*.sld";
const char* const kSourceMask = "*.slb;*.pat";

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Screen(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// Restores a flag on every path out of a scope.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag), m_saved(flag) { m_flag = true; }
    ~TFlagScope() { m_flag = m_saved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};

// Batch update of a list widget: no repaint until the end, also on failure.
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

TForm1::TBusyScope::~TBusyScope() {
    if (--m_form.m_busy != 0)
        return;
    if (m_form.m_previewPending) {
        m_form.m_previewPending = false;
        m_form.RepaintPreview();
    }
    m_form.ShowQueuedMessages();
}

// ---- Messages ----

void TForm1::QueueMessage(const std::string& text, bool isError) {
    if (m_busy == 0) {
        if (isError)
            m_dialogs->ShowError(text);
        else
            m_dialogs->ShowMessage(text);
        return;
    }
    m_queuedMessages.push_back({text, isError});
}

void TForm1::ShowQueuedMessages() {
    // A list with many damaged slides says so once, not once per thumbnail.
    std::vector<TQueuedMessage> messages;
    messages.swap(m_queuedMessages);
    std::vector<std::string> shown;
    for (const TQueuedMessage& m : messages) {
        if (std::find(shown.begin(), shown.end(), m.Text) != shown.end())
            continue;
        shown.push_back(m.Text);
        if (m.IsError)
            m_dialogs->ShowError(m.Text);
        else
            m_dialogs->ShowMessage(m.Text);
    }
}

// ---- Folder tree and file list ----

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
    PTShellTree1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // The tree's own signal runs PTShellTree1Change later; run it now so the list is there when
    // this returns (the later call finds the folder shown and does nothing).
    PTShellTree1Change();
}

QString TForm1::TreeFolder() const {
    const QModelIndex index = PTShellTree1->currentIndex();
    return index.isValid() ? m_treeModel->filePath(index) : QString();
}

void TForm1::SetPanel5Active(bool active) {
    Panel5->setProperty("active", active);
    Panel5->setStyleSheet(
        active ? "QPushButton { background-color: palette(highlight); color: "
                 "palette(highlighted-text); border: 1px solid palette(dark); padding: 4px; "
                 "text-align: left; font-weight: bold; }"
               : "QPushButton { background-color: palette(button); color: palette(button-text); "
                 "border: 1px solid palette(mid); padding: 4px; text-align: left; }");
}

void TForm1::SetFileListFolder(const QString& folder) {
    TFlagScope updating(m_fileListUpdating);
    m_fileListFolder = folder;
    FileListBox1->clear();
    if (folder.isEmpty())
        return;
    std::vector<std::string> names;
    try {
        names = ListFolder(folder.toStdString(), kSourceMask);
    } catch (const EVarnelError&) {
        // The slide list's reload says what could not be read.
    }
    QStringList sorted;
    for (const std::string& name : names)
        sorted << QString::fromStdString(name);
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& name : sorted) {
        const bool pattern = name.endsWith(".pat", Qt::CaseInsensitive);
        auto* item = new QListWidgetItem(pattern ? PatternIcon() : LibraryIcon(), name);
        item->setToolTip(QDir(folder).filePath(name));
        FileListBox1->addItem(item);
    }
    FileListBox1->setCurrentItem(nullptr);
}

void TForm1::ClearFileListSelection() {
    TFlagScope updating(m_fileListUpdating);
    FileListBox1->clearSelection();
    FileListBox1->setCurrentItem(nullptr);
}

QString TForm1::SelectedFilePath() const {
    const QListWidgetItem* item = FileListBox1->currentItem();
    if (!item || !item->isSelected() || m_fileListFolder.isEmpty())
        return {};
    return QDir(m_fileListFolder).filePath(item->text());
}

bool TForm1::ClickFileListEntry(const QString& name) {
    for (int i = 0; i < FileListBox1->count(); ++i) {
        QListWidgetItem* item = FileListBox1->item(i);
        if (!SameText(item->text(), name))
            continue;
        if (FileListBox1->currentItem() == item && item->isSelected()) {
            FileListBox1Click();
        } else {
            FileListBox1->setCurrentItem(item); // runs FileListBox1Click
            item->setSelected(true);
        }
        return true;
    }
    return false;
}

void TForm1::ShowPage(QWidget* page) {
    if (Notebook1->currentWidget() != page)
        Notebook1->setCurrentWidget(page); // runs Notebook1PageChanged
}

void TForm1::PTShellTree1Change() {
    const QString folder = TreeFolder();
    if (SameText(folder, m_fileListFolder))
        return;
    SetPanel5Active(true);
    UiHooks::ProcessPendingMessages();
    m_libraryView = false;
    ShowPage(SlidesPage);
    ClearFileListSelection();
    SetFileListFolder(folder);
    UiHooks::ProcessPendingMessages();
    ReloadSlideList();
}

void TForm1::PTShellTree1Click() {
    if (!SameText(TreeFolder(), m_fileListFolder))
        return;
    // A click on the folder that is already shown goes back to its slide files. The list is
    // loaded again when it showed a library, so the view and the list always agree.
    if (m_libraryView || Notebook1->currentWidget() != SlidesPage) {
        Panel5Click();
        return;
    }
    ClearFileListSelection();
}

void TForm1::Panel5Click() {
    SetPanel5Active(true);
    UiHooks::ProcessPendingMessages();
    m_libraryView = false;
    ShowPage(SlidesPage);
    ClearFileListSelection();
    SetFileListFolder(TreeFolder());
    ReloadSlideList();
}

void TForm1::FileListBox1Click() {
    const QString path = SelectedFilePath();
    if (path.isEmpty())
        return;
    SetPanel5Active(false);
    UiHooks::ProcessPendingMessages();
    if (!SameText(QFileInfo(path).suffix(), "pat")) {
        ShowPage(SlidesPage);
        m_libraryView = true;
        ReloadSlideList();
    } else {
        m_libraryView = false;
        OpenPatternFile(path);
    }
}

void TForm1::OpenPatternFile(const QString& path) {
    m_patternFileName = path;
    ShowPage(HatchsPage);
    m_hatchsInfo->setText(tr("<p style='font-size:12pt'><b>%1</b></p>"
                             "<p>Hatch pattern files are not shown in this version.</p>")
                              .arg(QFileInfo(path).fileName().toHtmlEscaped()));
}

void TForm1::RefreshFileList() {
    SetFileListFolder(m_fileListFolder);
    if (!m_libraryView || !m_currentList)
        return;
    const QFileInfo lib(QString::fromStdString(m_currentList->FileName()));
    if (!SameText(QDir::cleanPath(lib.path()), QDir::cleanPath(m_fileListFolder)))
        return;
    TFlagScope updating(m_fileListUpdating);
    for (int i = 0; i < FileListBox1->count(); ++i) {
        if (SameText(FileListBox1->item(i)->text(), lib.fileName())) {
            FileListBox1->setCurrentRow(i);
            break;
        }
    }
}

void TForm1::Notebook1PageChanged() {
    // The thumbnails belong to whichever page filled them.
    limg.clear();
    {
        TFlagScope filling(m_fillingList);
        ListBox1->clear();
    }
    ActivateSelection();
}

// ---- Slide list ----

void TForm1::ReloadSlideList() {
    TBusyScope busy(*this);
    m_preview.SetBrushColor(m_previewBackground);
    m_preview.SetBrushStyle(TBrushStyle::Solid);
    m_preview.FillRect({0, 0, m_preview.Width(), m_preview.Height()});
    PaintBox1->update();

    m_currentList.reset();
    ++m_listGeneration;
    m_readProblem.clear();

    if (TreeFolder().isEmpty()) {
        // No file-system folder: nothing to list.
        SetFileListFolder(QString());
        TFlagScope filling(m_fillingList);
        ListBox1->clear();
        limg.clear();
        ActivateSelection();
        return;
    }

    {
        UiHooks::TBusyCursor cursor;
        try {
            if (m_libraryView)
                m_currentList = TSlideLib::CreateFromFile(SelectedFilePath().toStdString());
            else
                m_currentList =
                    TSlideLib::CreateFromDirectory(m_fileListFolder.toStdString(), kSlideMask);
        } catch (const EReadError& e) {
            m_readProblem = QString::fromStdString(e.what());
        } catch (const EFileError& e) {
            // A library or folder that cannot be read gives an empty list; no box, but the
            // status bar says what could not be read.
            m_readProblem = QString::fromStdString(e.what());
        }
    }

    QString remembered;
    if (ListBox1->count() > 0 && !ListBox1->selectedItems().isEmpty())
        remembered = ListBox1->item(SelectedSlide())->text();

    FillSlideList();

    {
        TFlagScope filling(m_fillingList);
        if (m_currentList && ListBox1->count() > 0) {
            int row = 0;
            for (int i = 0; i < ListBox1->count(); ++i) {
                if (SameText(ListBox1->item(i)->text(), remembered)) {
                    row = i;
                    break;
                }
            }
            ListBox1->clearSelection();
            ListBox1->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            ListBox1->scrollToItem(ListBox1->item(row));
        } else {
            ListBox1->clear();
            limg.clear();
        }
    }
    m_placementRestored = true;
    ActivateSelection();
}

void TForm1::FillSlideList() {
    TBusyScope busy(*this);
    TFlagScope filling(m_fillingList);
    if (!m_currentList)
        return;
    if (ListBox1->count() > 0)
        ListBox1->clear();
    const int count = m_currentList->Count();
    if (count == 0)
        return;

    TUpdateScope batch(ListBox1);
    UiHooks::TBusyCursor cursor;
    if (m_thumbView) {
        limg.clear();
        limg.reserve(static_cast<size_t>(count));
        UiHooks::TPendingMessagePump pump;
        TBitmap bitmap;
        for (int i = 0; i < count; ++i) {
            try {
                m_currentList->DrawToGraphic(i, bitmap, kThumbHeight, kThumbWidth,
                                             m_previewBackground);
            } catch (const EVarnelError& e) {
                // The thumbnail keeps what was drawn; the box comes once the list is filled.
                QueueMessage(e.what(), true);
            }
            const QImage image(reinterpret_cast<const uchar*>(bitmap.Canvas().Bits()),
                               bitmap.Width(), bitmap.Height(), bitmap.Width() * 4,
                               QImage::Format_RGB32);
            // The image only wraps the bitmap's buffer, which the next slide reuses: copy.
            limg.push_back(QPixmap::fromImage(image.copy()));
            pump.Tick();
        }
        for (int i = 0; i < count; ++i)
            ListBox1->addItem(new QListWidgetItem(QIcon(limg[static_cast<size_t>(i)]),
                                                  Screen(m_currentList->SlideName(i))));
    } else {
        const QIcon icon = SlideIcon();
        for (int i = 0; i < count; ++i)
            ListBox1->addItem(new QListWidgetItem(icon, Screen(m_currentList->SlideName(i))));
    }
}

std::vector<int> TForm1::SelectedSlides() const {
    std::vector<int> rows;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

int TForm1::SelectedSlide() const {
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            return i;
    return -1;
}

void TForm1::ActivateSelection() {
    if (ListBox1->count() == 0) {
        m_currentList.reset();
    } else {
        // Keyboard work in the folder tree or the file list keeps its focus.
        QWidget* focus = QApplication::focusWidget();
        if (focus != PTShellTree1 && focus != FileListBox1 && ListBox1->isVisible())
            ListBox1->setFocus();
    }
    RepaintPreview();
}

void TForm1::SchedulePreview() {
    if (m_previewPending)
        return;
    m_previewPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_busy > 0 || !m_previewPending)
            return; // the end of the running work repaints
        m_previewPending = false;
        RepaintPreview();
    });
}

void TForm1::RepaintPreview() {
    TBusyScope busy(*this);
    m_previewPending = false;
    const int w = Panel2->width();
    const int h = Panel2->height();
    if (m_preview.Width() != w || m_preview.Height() != h)
        m_preview.Resize(w, h);
    m_preview.SetBrushColor(m_previewBackground);
    m_preview.SetBrushStyle(TBrushStyle::Solid);
    m_preview.FillRect({0, 0, w, h});

    SetStatus(4, QString("%1x%2").arg(w).arg(h), true);
    SetStatus(5, TreeFolder(), true);
    SetStatus(6, m_readProblem, false);

    const int a = SelectedSlide();
    if (!m_currentList) {
        SetStatus(0, QString(), false);
        for (int panel = 1; panel <= 3; ++panel)
            SetStatus(panel, QString(), false);
        SetStatusWidth(1, 16);
        SetStatusWidth(2, 27);
        SetStatusWidth(3, 16);
    } else if (a >= 0) {
        UiHooks::TBusyCursor cursor;
        const size_t before = m_queuedMessages.size();
        try {
            m_currentList->Draw(a, m_preview, {0, 0, w - 1, h - 1}, m_previewBackground);
        } catch (const EVarnelError& e) {
            QueueMessage(e.what(), true);
        }
        QString size;
        try {
            size = QString::number(m_currentList->SlideSize(a));
        } catch (const EVarnelError&) {
            size = "?";
        }
        // Drawing the same slide again (a resize) does not repeat its messages.
        if (m_queuedMessages.size() > before) {
            if (m_messagesShownGeneration == m_listGeneration && m_messagesShownIndex == a)
                m_queuedMessages.resize(before);
            m_messagesShownGeneration = m_listGeneration;
            m_messagesShownIndex = a;
        }
        SetStatus(0, Screen(m_currentList->SlideName(a)), true);
        SetStatus(1, size, true);
        SetStatus(2, QString::fromStdString(m_currentList->FileName()), true);
        SetStatus(3, QString::number(m_currentList->DataSize()), true);
    }
    PaintBox1->update();
}

void TForm1::Thumbnails1Click() {
    const std::vector<int> selected = SelectedSlides();
    m_thumbView = !m_thumbView;
    if (m_thumbView) {
        ListBox1->setViewMode(QListView::IconMode);
        ListBox1->setIconSize(QSize(kThumbWidth, kThumbHeight));
        ListBox1->setWrapping(true);
        ListBox1->setFlow(QListView::LeftToRight);
    } else {
        ListBox1->setViewMode(QListView::ListMode);
        ListBox1->setIconSize(QSize(16, 16));
        ListBox1->setFlow(QListView::TopToBottom);
        ListBox1->setWrapping(true);
    }
    ListBox1->setResizeMode(QListView::Adjust);
    ListBox1->setMovement(QListView::Static);
    // Thumbnails share one cell size; names in the list each take their own width.
    ListBox1->setUniformItemSizes(m_thumbView);
    viewthumb->setChecked(m_thumbView);
    viewlist->setChecked(!m_thumbView);
    ViewStyleButton->setIcon(m_thumbView ? viewthumb->icon() : viewlist->icon());
    FillSlideList();
    // The list holds the same slides: keep what was selected.
    TFlagScope filling(m_fillingList);
    for (int row : selected)
        if (QListWidgetItem* item = ListBox1->item(row))
            item->setSelected(true);
    if (!selected.empty() && ListBox1->item(selected.front()))
        ListBox1->scrollToItem(ListBox1->item(selected.front()));
}

void TForm1::SelectAllExecute() {
    if (ListBox1->count() > 0)
        ListBox1->selectAll();
}
