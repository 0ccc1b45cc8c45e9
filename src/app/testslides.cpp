// TForm1: construction, layout, menus, toolbar, status bar, placement and settings.
#include "testslides.h"

#include "FilterField.h"
#include "HatchPage.h"
#include "Icons.h"
#include "PreviewBox.h"
#include "base/UiHooks.h"
#include "settings/Settings.h"
#include "slides/SlideClasses.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>

namespace {

// The folder tree: + and - open and close the current folder, * every folder below it, as in
// any tree of the desktop. The window's zoom keys are the same keys; in the tree, the tree's
// meaning comes first.
class TFolderTree : public QTreeView {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool treeKey = key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus ||
                                 key->key() == Qt::Key_Asterisk;
            if (treeKey &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
                event->accept();
                return true;
            }
        }
        return QTreeView::event(event);
    }
};

constexpr int kInitialWidth = 890;
constexpr int kInitialHeight = 570;
constexpr int kInitialPanelWidths[kStatusPanelCount] = {120, 80, 150, 48, 40, 40, 0, 60, 50};
constexpr int kLeftColumnWidth = 171;
constexpr int kTreeHeight = 201;
constexpr int kPreviewHeight = 170;

// A stored size is taken when it lies in a sensible range; otherwise the built-in one.
int Sane(int value, int fallback, int low = 20, int high = 10000) {
    return value >= low && value <= high ? value : fallback;
}

// A status bar panel: as wide as it was set, but it gives way when the window is narrower, so
// a long folder name never forces the window wider.
class TStatusLabel : public QLabel {
public:
    void SetPanelWidth(int width) {
        m_width = width;
        setMinimumWidth(std::min(width, 16));
        setMaximumWidth(width);
        updateGeometry();
    }
    int PanelWidth() const { return m_width; }
    QSize sizeHint() const override { return {m_width, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override {
        return {std::min(m_width, 16), QLabel::minimumSizeHint().height()};
    }

private:
    int m_width = 0;
};

// The items of a list of names: never wider than the list (or, under thumbnails, than a
// thumbnail), so every name shows from its start, cut in the middle when it does not fit (the
// view's elide mode); the item's tooltip holds the whole name.
class TElidedNames : public QStyledItemDelegate {
public:
    TElidedNames(QListView* view, int thumbWidth)
        : QStyledItemDelegate(view), m_view(view), m_thumbWidth(thumbWidth) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int limit = m_view->viewMode() == QListView::IconMode
                              ? m_thumbWidth + 8
                              : m_view->viewport()->width() - 2 * m_view->spacing() - 4;
        if (limit > 16 && size.width() > limit)
            size.setWidth(limit);
        return size;
    }

private:
    QListView* m_view;
    int m_thumbWidth;
};

} // namespace

TForm1::TForm1(TOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options)),
      m_ownDialogs(m_options.Dialogs ? nullptr : std::make_unique<TQtDialogs>(this)),
      m_dialogs(m_options.Dialogs ? m_options.Dialogs : m_ownDialogs.get()), m_model(*m_dialogs) {
    if (m_options.ProgramDir.empty())
        m_options.ProgramDir = ProgramDataDir(QCoreApplication::applicationDirPath().toStdString());
    m_settingsFile = m_options.SettingsFile.empty()
                         ? SettingsFile(QCoreApplication::applicationFilePath().toStdString())
                         : m_options.SettingsFile;

    // The core reaches the window through these hooks: long work lets paint and timer events
    // through but no user input, and busy work shows the wait cursor. (Its messages go to the
    // model, which shows them once the drawing is done.)
    m_hooks = std::make_unique<UiHooks::THookScope>(
        UiHooks::TMessageHook(),
        [this] {
            // What the model changed so far shows while the rest of the work waits.
            if (!m_refreshing)
                RefreshPage();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        },
        [](bool busy) {
            if (busy)
                QApplication::setOverrideCursor(Qt::WaitCursor);
            else
                QApplication::restoreOverrideCursor();
        });

    setObjectName("Form1");
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    setWindowIcon(AppIcon());
    resize(kInitialWidth, kInitialHeight);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateLayout();
    CreateStatusBar();
    ConnectSlideCommands();
    ConnectExportCommands();
    CreatePrintCommands();

    // Thumbnails drawn by the workers wait in the inbox; the first one in an empty inbox wakes
    // the window's thread, which takes them all.
    m_renderer = std::make_unique<TThumbnailRenderer>([this](TThumbnailRenderer::TThumbnail&& t) {
        bool wake = false;
        {
            std::lock_guard lock(m_inboxMutex);
            wake = m_inbox.empty();
            m_inbox.push_back(std::move(t));
        }
        if (wake)
            QMetaObject::invokeMethod(this, &TForm1::TakeThumbnails, Qt::QueuedConnection);
    });

    m_diskWatcher = new QFileSystemWatcher(this);
    connect(m_diskWatcher, &QFileSystemWatcher::directoryChanged, this, &TForm1::DiskChanged);
    connect(m_diskWatcher, &QFileSystemWatcher::fileChanged, this, &TForm1::DiskChanged);
    m_diskTimer = new QTimer(this);
    m_diskTimer->setSingleShot(true);
    m_diskTimer->setInterval(300);
    connect(m_diskTimer, &QTimer::timeout, this, &TForm1::FollowDiskChanges);

    m_problemTimer = new QTimer(this);
    m_problemTimer->setInterval(100);
    connect(m_problemTimer, &QTimer::timeout, this, &TForm1::ShowThumbnailProblems);

    RestorePlacement(TIniFile(m_settingsFile));
    RefreshView();
}

TForm1::~TForm1() {
    // The workers stop before anything they deliver to goes.
    m_renderer.reset();
    m_hooks.reset();
}

namespace {

QAction* NewAction(QObject* parent, const char* name, const QString& text,
                   const QKeySequence& shortcut = {}, const QIcon& icon = {}) {
    auto* action = new QAction(icon, text, parent);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

void TForm1::CreateActions() {
    // Menu File
    NewSlideLibrary1 = NewAction(this, "NewSlideLibrary1", tr("&New Slide-Library"),
                                 QKeySequence(Qt::Key_F7), NewLibraryIcon());
    SaveToDirectory1 = NewAction(this, "SaveToDirectory1", tr("Save to Directory..."),
                                 QKeySequence(Qt::ALT | Qt::Key_D), SaveToFolderIcon());
    SaveAsSlideLibrary1 = NewAction(this, "SaveAsSlideLibrary1", tr("Save as Slide-&Library..."),
                                    QKeySequence(Qt::ALT | Qt::Key_L));
    AddToSlideLibrary1 = NewAction(this, "AddToSlideLibrary1", tr("&Add to Slide-Library..."),
                                   QKeySequence(Qt::Key_F5));
    MoveToSlideLibrary1 = NewAction(this, "MoveToSlideLibrary1", tr("&Move to Slide-Library..."),
                                    QKeySequence(Qt::Key_F6));
    PrintCurrentSlide1 = NewAction(this, "PrintCurrentSlide1", tr("Print Current Slide"));
    PrintAllSlides1 = NewAction(this, "PrintAllSlides1", tr("Print All Slides"));
    ConvertCurrentSlidetoPDF1 =
        NewAction(this, "ConvertCurrentSlidetoPDF1", tr("Make PDF from Current Slide"));
    ConvertSlidestoPDF1 = NewAction(this, "ConvertSlidestoPDF1", tr("Make PDF from Slides"));
    ExportToImage1 = NewAction(this, "ExportToImage1", tr("&Export to Image"),
                               QKeySequence(Qt::CTRL | Qt::Key_E));
    ImportFromImage1 = NewAction(this, "ImportFromImage1", tr("&Import from Image"),
                                 QKeySequence(Qt::CTRL | Qt::Key_I));
    DeleteSlides1 = NewAction(this, "DeleteSlides1", tr("&Delete Slides"), QKeySequence(Qt::Key_F8),
                              DeleteIcon());
    Exit1 = NewAction(this, "Exit1", tr("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    // Menu Edit
    Undo1 = NewAction(this, "Undo1", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = NewAction(this, "Redo1", tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    RenameSlide1 =
        NewAction(this, "RenameSlide1", tr("&Rename Slide..."), QKeySequence(Qt::Key_F2));
    MoveSlideUp1 = NewAction(this, "MoveSlideUp1", tr("Move Slide &Up"),
                             QKeySequence(Qt::CTRL | Qt::Key_PageUp), MoveUpIcon());
    MoveSlideDown1 = NewAction(this, "MoveSlideDown1", tr("Move Slide &Down"),
                               QKeySequence(Qt::CTRL | Qt::Key_PageDown), MoveDownIcon());
    CopyToClipboard1 = NewAction(this, "CopyToClipboard1", tr("Copy to Clipboard (as WMF)"),
                                 QKeySequence(Qt::CTRL | Qt::Key_C), ClipboardIcon());
    SelectAll = NewAction(this, "SelectAll", tr("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(SelectAll, &QAction::triggered, this, &TForm1::SelectAllExecute);
    Filter1 = NewAction(this, "Filter1", tr("&Filter"), QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(Filter1, &QAction::triggered, this, &TForm1::Filter1Click);

    // Menu View
    BackgroundColor1 =
        NewAction(this, "BackgroundColor1", tr("Background &Color..."), {}, ColourIcon());
    connect(BackgroundColor1, &QAction::triggered, this, &TForm1::ChangeBackCol);
    viewlist = NewAction(this, "viewlist", tr("View List"), {}, ViewListIcon());
    viewlist->setCheckable(true);
    viewthumb = NewAction(this, "viewthumb", tr("View Thumbnails"), {}, ViewThumbsIcon());
    viewthumb->setCheckable(true);
    viewthumb->setChecked(true);
    connect(viewlist, &QAction::triggered, this, &TForm1::Thumbnails1Click);
    connect(viewthumb, &QAction::triggered, this, &TForm1::Thumbnails1Click);
    ZoomIn1 = NewAction(this, "ZoomIn1", tr("Zoom &In"));
    ZoomIn1->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                           QKeySequence(QKeySequence::ZoomIn)});
    connect(ZoomIn1, &QAction::triggered, this,
            [this] { PreviewZoomBy(TPreviewZoom::kKeyStep, std::nullopt); });
    ZoomOut1 = NewAction(this, "ZoomOut1", tr("Zoom &Out"));
    ZoomOut1->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)});
    connect(ZoomOut1, &QAction::triggered, this,
            [this] { PreviewZoomBy(1 / TPreviewZoom::kKeyStep, std::nullopt); });
    Fit1 = NewAction(this, "Fit1", tr("&Fit"), QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(Fit1, &QAction::triggered, this, &TForm1::FitClick);

    // Menu Help
    About1 = NewAction(this, "About1", tr("&About"), {}, AppIcon());
    connect(About1, &QAction::triggered, this, &TForm1::AboutClick);
    Help1 = NewAction(this, "Help1", tr("&Help"), QKeySequence(Qt::Key_F1));
    connect(Help1, &QAction::triggered, this, &TForm1::HelpClick);

    // The toolbar's drop-down entries run the same commands as the menu; the keys belong to
    // the menu entries (one key, one action).
    Saveaslib = NewAction(this, "Saveaslib", tr("Save Slide(s) as Library"));
    Addtolib = NewAction(this, "Addtolib", tr("Add/Copy Slide(s) to Library"));
    Movetolib = NewAction(this, "Movetolib", tr("Move Slide(s) to Library "));
    ConvertSlideToImage1 = NewAction(this, "ConvertSlideToImage1", tr("&Convert Slide to Image"));
    ConvertImageToSlide1 = NewAction(this, "ConvertImageToSlide1", tr("Convert Image to Slide"));
    PrintCurrentSlide2 = NewAction(this, "PrintCurrentSlide2", tr("Print &Current Slide"));
    PrintSlides2 = NewAction(this, "PrintSlides2", tr("Print &Slides"));
    ConvertCurrentSlidetoPDF2 =
        NewAction(this, "ConvertCurrentSlidetoPDF2", tr("Convert Current Slide to PDF"));
    ConvertSlidestoPDF2 = NewAction(this, "ConvertSlidestoPDF2", tr("Convert Slides to PDF"));
    // "delete": the Del key, on page "slides" only.
    deleteAction = NewAction(this, "delete", tr("Delete Slide(s)"), QKeySequence(Qt::Key_Delete));
    addAction(deleteAction);
}

void TForm1::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("File1");
    file->addAction(NewSlideLibrary1);
    file->addSeparator();
    file->addAction(SaveToDirectory1);
    file->addAction(SaveAsSlideLibrary1);
    file->addAction(AddToSlideLibrary1);
    file->addAction(MoveToSlideLibrary1);
    file->addSeparator();
    QMenu* print = file->addMenu(tr("&Print"));
    print->setObjectName("Print1");
    print->addAction(PrintCurrentSlide1);
    print->addAction(PrintAllSlides1);
    QMenu* pdf = file->addMenu(tr("Make PDF"));
    pdf->setObjectName("MakePDF1");
    pdf->addAction(ConvertCurrentSlidetoPDF1);
    pdf->addAction(ConvertSlidestoPDF1);
    file->addSeparator();
    file->addAction(ExportToImage1);
    file->addAction(ImportFromImage1);
    file->addSeparator();
    file->addAction(DeleteSlides1);
    file->addSeparator();
    file->addAction(Exit1);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("Edit1");
    edit->addAction(Undo1);
    edit->addAction(Redo1);
    edit->addSeparator();
    edit->addAction(RenameSlide1);
    edit->addAction(MoveSlideUp1);
    edit->addAction(MoveSlideDown1);
    edit->addSeparator();
    edit->addAction(CopyToClipboard1);
    edit->addAction(SelectAll);
    edit->addAction(Filter1);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("View1");
    view->addAction(BackgroundColor1);
    view->addSeparator();
    view->addAction(viewlist);
    view->addAction(viewthumb);
    view->addSeparator();
    view->addAction(ZoomIn1);
    view->addAction(ZoomOut1);
    view->addAction(Fit1);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help2");
    help->addAction(About1);
    help->addAction(Help1);
}

namespace {

// A tool button: 29 x 28 with a 22 x 22 icon; its hint is also its accessible name, so
// screen readers and scripted checks find it.
QToolButton* NewToolButton(QWidget* parent, const char* name, const QString& hint,
                           const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(icon);
    button->setMinimumSize(29, 28);
    button->setAutoRaise(true);
    return button;
}

// A tool button that runs action and shows its enabled state; the hint is the button's own.
QToolButton* ActionButton(QWidget* parent, const char* name, const QString& hint, QAction* action) {
    QToolButton* button = NewToolButton(parent, name, hint, action->icon());
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    button->setEnabled(action->isEnabled());
    return button;
}

// A tool button that opens a menu of actions; enabled while any of them is.
QToolButton* MenuButton(QWidget* parent, const char* name, const QString& hint, const QIcon& icon,
                        const QList<QAction*>& actions) {
    QToolButton* button = NewToolButton(parent, name, hint, icon);
    auto* menu = new QMenu(button);
    menu->addActions(actions);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    auto update = [button, actions] {
        bool any = false;
        for (const QAction* a : actions)
            any = any || a->isEnabled();
        button->setEnabled(any);
    };
    for (QAction* a : actions)
        QObject::connect(a, &QAction::changed, button, update);
    update();
    return button;
}

} // namespace

void TForm1::CreateToolBar() {
    ToolBar1 = addToolBar(tr("Tools"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(22, 22));

    NewLibButton = ActionButton(this, "NewLibButton", tr("New Slide-Library"), NewSlideLibrary1);
    SaveAddMoveButton = MenuButton(this, "SaveAddMoveButton", tr("Save/Add/Move Slides"),
                                   LibraryIcon(), {Saveaslib, Addtolib, Movetolib});
    SaveToDirButton =
        ActionButton(this, "SaveToDirButton", tr("Save Slides to Directory"), SaveToDirectory1);
    ConvertButton = MenuButton(this, "ConvertButton", tr("Convert Slide from/to Image"),
                               ImageIcon(), {ConvertSlideToImage1, ConvertImageToSlide1});
    PrintButton = ActionButton(this, "PrintButton", tr("Print ..."), PrintAllSlides1);
    PrintButton->setIcon(PrintIcon());
    auto* printMenu = new QMenu(PrintButton);
    printMenu->addActions(
        {PrintCurrentSlide2, PrintSlides2, ConvertCurrentSlidetoPDF2, ConvertSlidestoPDF2});
    PrintButton->setMenu(printMenu);
    PrintButton->setPopupMode(QToolButton::MenuButtonPopup);
    DeleteButton = ActionButton(this, "DeleteButton", tr("Delete Slide(s)"), DeleteSlides1);
    MvSlideUpButton = ActionButton(this, "MvSlideUpButton", tr("Move Slide Up"), MoveSlideUp1);
    MvSlideDnButton = ActionButton(this, "MvSlideDnButton", tr("Move Slide Down"), MoveSlideDown1);
    CopyClipButton = ActionButton(this, "CopyClipButton", tr("Copy to Clipboard (as WMF) - Ctr+C"),
                                  CopyToClipboard1);
    ViewStyleButton = MenuButton(this, "ViewStyleButton", tr("View Style"), ViewThumbsIcon(),
                                 {viewlist, viewthumb});

    for (QToolButton* b :
         {NewLibButton, SaveAddMoveButton, SaveToDirButton, ConvertButton, PrintButton})
        ToolBar1->addWidget(b);
    ToolBar1->addSeparator();
    ToolBar1->addSeparator();
    for (QToolButton* b : {DeleteButton, MvSlideUpButton, MvSlideDnButton, CopyClipButton})
        ToolBar1->addWidget(b);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(ViewStyleButton);
}

void TForm1::CreateLayout() {
    // Left column: folder tree over the slide sources of the folder.
    Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    m_treeModel = new QFileSystemModel(this);
    m_treeModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    m_treeModel->setRootPath("/");
    PTShellTree1 = new TFolderTree;
    PTShellTree1->setObjectName("PTShellTree1");
    PTShellTree1->setModel(m_treeModel);
    for (int column = 1; column < m_treeModel->columnCount(); ++column)
        PTShellTree1->hideColumn(column);
    PTShellTree1->setHeaderHidden(true);
    // Deep folders scroll sideways instead of losing their names.
    PTShellTree1->header()->setStretchLastSection(false);
    PTShellTree1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    PTShellTree1->setAnimated(false);
    PTShellTree1->setUniformRowHeights(true);
    // Queued: loading a folder lets pending events run, and the file-system model may change its
    // rows meanwhile; that must not happen inside the view's own handling of the click.
    connect(
        PTShellTree1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this] { PTShellTree1Change(); }, Qt::QueuedConnection);
    connect(
        PTShellTree1, &QTreeView::clicked, this, [this] { PTShellTree1Click(); },
        Qt::QueuedConnection);
    // Folders load in the background: once the current folder's branch is there, bring the
    // current folder into view.
    connect(m_treeModel, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        const QString current = TreeFolder();
        if (!current.isEmpty() &&
            (current == path || current.startsWith(path + "/") || path == "/"))
            QTimer::singleShot(50, this, [this] { ScrollTreeToCurrent(); });
    });

    auto* sources = new QWidget;
    auto* sourcesLayout = new QVBoxLayout(sources);
    sourcesLayout->setContentsMargins(0, 0, 0, 0);
    sourcesLayout->setSpacing(0);
    Panel5 = new QPushButton(tr("Slides (*.SLD)"));
    Panel5->setObjectName("Panel5");
    Panel5->setToolTip(tr("Show the slide files of the folder"));
    Panel5->setIcon(SlideIcon());
    connect(Panel5, &QPushButton::clicked, this, &TForm1::Panel5Click);
    FileListBox1 = new QListWidget;
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Names show from their start, cut in the middle when the column is narrow; the list never
    // scrolls sideways, where short names would vanish.
    FileListBox1->setTextElideMode(Qt::ElideMiddle);
    FileListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FileListBox1->setResizeMode(QListView::Adjust);
    FileListBox1->setItemDelegate(new TElidedNames(FileListBox1, kThumbWidth));
    // The entry is opened once it is selected (by a click or by the keyboard), not when it
    // becomes current: a click makes an entry current before it selects it.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_refreshing)
            FileListBox1Click();
    });
    sourcesLayout->addWidget(Panel5);
    sourcesLayout->addWidget(FileListBox1, 1);

    Splitter2 = new QSplitter(Qt::Vertical);
    Splitter2->setObjectName("Splitter2");
    Splitter2->addWidget(PTShellTree1);
    Splitter2->addWidget(sources);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    PTShellTree1->setMinimumHeight(20);
    auto* panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    panel1Layout->addWidget(Splitter2);

    // Right side: the notebook; page "slides" is the preview over the slide list.
    Panel3 = new QWidget;
    Panel3->setObjectName("Panel3");
    Notebook1 = new QStackedWidget;
    Notebook1->setObjectName("Notebook1");
    SlidesPage = new QWidget;
    SlidesPage->setObjectName("slides");
    HatchsPage = new QWidget;
    HatchsPage->setObjectName("hatchs");
    Notebook1->addWidget(SlidesPage);
    Notebook1->addWidget(HatchsPage);
    auto* panel3Layout = new QVBoxLayout(Panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    panel3Layout->addWidget(Notebook1);

    Panel2 = new TPreviewPanel(nullptr);
    Panel2->setObjectName("Panel2");
    Panel2->setMinimumHeight(20);
    PaintBox1 = new TPreviewBox(m_model.Preview(), Panel2);
    PaintBox1->setObjectName("PaintBox1");
    connect(Panel2, &TPreviewPanel::Resized, this, [this] {
        PaintBox1->setGeometry(1, 1, std::max(0, Panel2->width() - 2),
                               std::max(0, Panel2->height() - 2));
        SchedulePreview();
    });
    connect(PaintBox1, &TPreviewBox::WheelTurned, this,
            [this](int angle, QPointF at) { PreviewZoomBy(TPreviewZoom::WheelFactor(angle), at); });
    connect(PaintBox1, &TPreviewBox::Dragged, this, &TForm1::PreviewPan);
    connect(PaintBox1, &TPreviewBox::DoubleClicked, this, &TForm1::FitClick);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setViewMode(QListView::IconMode);
    ListBox1->setIconSize(QSize(kThumbWidth, kThumbHeight));
    ListBox1->setMovement(QListView::Static);
    ListBox1->setResizeMode(QListView::Adjust);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSpacing(4);
    ListBox1->setMinimumHeight(20);
    ListBox1->setTextElideMode(Qt::ElideMiddle);
    ListBox1->setItemDelegate(new TElidedNames(ListBox1, kThumbWidth));
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_refreshing)
            ListBox1SelectItem();
    });
    // Scrolling or resizing brings other items on screen.
    connect(ListBox1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { ShowVisibleThumbnails(); });
    connect(ListBox1->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { ShowVisibleThumbnails(); });

    // The filter field stands above the list; the two share the splitter's lower part.
    auto* filter = new TFilterField("SlideFilter", tr("Filter slides"));
    SlideFilter = filter;
    connect(filter, &QLineEdit::textChanged, this, [this] {
        if (!m_refreshing)
            SlideFilterChange();
    });
    QWidget* slideList = filter->Above(ListBox1);

    Splitter3 = new QSplitter(Qt::Vertical);
    Splitter3->setObjectName("Splitter3");
    Splitter3->setHandleWidth(4);
    Splitter3->addWidget(Panel2);
    Splitter3->addWidget(slideList);
    Splitter3->setChildrenCollapsible(false);
    Splitter3->setStretchFactor(0, 0);
    Splitter3->setStretchFactor(1, 1);
    auto* slidesLayout = new QVBoxLayout(SlidesPage);
    slidesLayout->setContentsMargins(0, 0, 0, 0);
    slidesLayout->addWidget(Splitter3);

    auto* hatchsLayout = new QVBoxLayout(HatchsPage);
    hatchsLayout->setContentsMargins(0, 0, 0, 0);
    HatchPage = new THatchPage(*this);
    hatchsLayout->addWidget(HatchPage);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(5);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Splitter1);

    // Names for screen readers and scripted checks.
    PTShellTree1->setAccessibleName(tr("Folders"));
    Panel5->setAccessibleName(tr("Slides (*.SLD)"));
    FileListBox1->setAccessibleName(tr("Slide libraries and pattern files"));
    PaintBox1->setAccessibleName(tr("Preview"));
    ListBox1->setAccessibleName(tr("Slides"));

    Splitter1->setSizes({kLeftColumnWidth, kInitialWidth - kLeftColumnWidth - 5});
    Splitter2->setSizes({kTreeHeight, kInitialHeight - kTreeHeight});
    Splitter3->setSizes({kPreviewHeight, kInitialHeight - kPreviewHeight});
}

void TForm1::CreateStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    static const char* const kNames[kStatusPanelCount] = {
        "SlideNamePanel",   "SlideSizePanel",   "LibraryNamePanel",
        "LibrarySizePanel", "PreviewSizePanel", "ZoomPanel",
        "ShownPanel",       "FolderPanel",      "ProblemPanel"};
    // What a screen reader says the panel is; its text is the description (SetStatus).
    const QString spoken[kStatusPanelCount] = {
        tr("Slide name"), tr("Slide size"),   tr("Library"), tr("Library size"), tr("Preview size"),
        tr("Zoom"),       tr("Slides shown"), tr("Folder"),  tr("Problem")};
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new TStatusLabel;
        panel->setObjectName(kNames[i]);
        panel->setAccessibleName(spoken[i]);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setIndent(3);
        panel->setTextInteractionFlags(Qt::NoTextInteraction);
        panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_panels[i] = panel;
        // The last panel takes what is left of the bar (and at least its own width).
        StatusBar1->addWidget(panel, i == kStatusPanelCount - 1 ? 1 : 0);
        SetStatusWidth(static_cast<TStatusPanel>(i), kInitialPanelWidths[i]);
    }
}

void TForm1::SetStatusWidth(TStatusPanel panel, int width) {
    auto* p = static_cast<TStatusLabel*>(m_panels[static_cast<int>(panel)]);
    p->SetPanelWidth(width);
    if (panel == TStatusPanel::Problem)
        p->setMaximumWidth(QWIDGETSIZE_MAX); // the last panel takes the rest of the bar
}

void TForm1::SetStatus(TStatusPanel panel, const QString& text, bool fitWidth) {
    QLabel* label = m_panels[static_cast<int>(panel)];
    label->setText(text);
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    if (fitWidth)
        SetStatusWidth(panel, label->fontMetrics().horizontalAdvance(text) + 8);
}

QString TForm1::StatusText(TStatusPanel panel) const {
    return m_panels[static_cast<int>(panel)]->text();
}

int TForm1::StatusWidth(TStatusPanel panel) const {
    return static_cast<const TStatusLabel*>(m_panels[static_cast<int>(panel)])->PanelWidth();
}

// ---- Placement and settings ----

void TForm1::RestorePlacement(const TIniFile& ini) {
    const std::vector<int> norm = ReadSetting(ini, Settings::kNormPos);
    if (norm.size() == 4) {
        const QRect r(QPoint(norm[0], norm[1]), QPoint(norm[2] - 1, norm[3] - 1));
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens())
            onScreen = onScreen || screen->availableGeometry().intersects(r);
        if (r.width() >= 200 && r.height() >= 150 && r.width() <= 20000 && r.height() <= 20000) {
            if (onScreen)
                setGeometry(r);
            else
                resize(r.size());
        }
    }
    m_startMaximized = ReadSetting(ini, Settings::kShowCmd) == 3;

    const int leftWidth = Sane(ReadSetting(ini, Settings::kLeftColumnWidth), kLeftColumnWidth);
    const int rightWidth =
        Sane(ReadSetting(ini, Settings::kRightColumnWidth), width() - leftWidth - 5);
    Splitter1->setSizes({leftWidth, rightWidth});
    const int treeHeight = Sane(ReadSetting(ini, Settings::kTreeHeight), kTreeHeight);
    Splitter2->setSizes({treeHeight, std::max(20, height() - treeHeight)});
    const int previewHeight = Sane(ReadSetting(ini, Settings::kPreviewHeight), kPreviewHeight);
    Splitter3->setSizes({previewHeight, std::max(20, height() - previewHeight)});
}

void TForm1::SaveSettings() {
    const QRect norm = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    const int showCmd = isMinimized() ? 2 : isMaximized() ? 3 : 1;
    try {
        UpdateSettingsFile(m_settingsFile, [&](TIniFile& ini) {
            WriteSetting(ini, Settings::kLastFolder, TreeFolder().toStdString());
            WriteSetting(ini, Settings::kPlacementFlags, 0);
            WriteSetting(ini, Settings::kShowCmd, showCmd);
            WriteSetting(ini, Settings::kPixelsPerInch, logicalDpiY());
            WriteSetting(ini, Settings::kMinMaxPos, Settings::kMinMaxPos.Default);
            WriteSetting(
                ini, Settings::kNormPos,
                {norm.left(), norm.top(), norm.left() + norm.width(), norm.top() + norm.height()});
            WriteSetting(ini, Settings::kPreviewHeight, Panel2->height());
            WriteSetting(ini, Settings::kRightColumnWidth, Panel3->width());
            WriteSetting(ini, Settings::kLeftColumnWidth, Panel1->width());
            WriteSetting(ini, Settings::kSplitterHandleWidth, Splitter1->handleWidth());
            WriteSetting(ini, Settings::kLeftSplitterWidth, Splitter2->width());
            WriteSetting(ini, Settings::kTreeHeight, PTShellTree1->height());
        });
    } catch (const std::exception& e) {
        // Closing goes on: the settings are lost, the user's files are not touched.
        std::fprintf(stderr, "varnel: cannot save the settings: %s\n", e.what());
    }
}

void TForm1::ShowRestored() {
    if (m_startMaximized)
        showMaximized();
    else
        show();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_formRestored)
        QMetaObject::invokeMethod(this, &TForm1::FormRestore, Qt::QueuedConnection);
}

void TForm1::FormRestore() {
    if (m_formRestored)
        return;
    m_formRestored = true;
    // Paths from the command line take the place of the last folder, unless they open nothing.
    if (!m_options.OpenPaths.empty() && OpenPaths(m_options.OpenPaths))
        return;
    const TIniFile ini(m_settingsFile);
    QString folder = QString::fromStdString(ReadSetting(ini, Settings::kLastFolder));
    if (folder.isEmpty()) {
        // First start: the samples that come with the program, so there is something to see.
        const QString samples = QString::fromStdString(m_options.ProgramDir) + "/samples";
        folder = QDir(samples).exists() ? samples : QDir::homePath();
    }
    SetTreeFolder(folder);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Unsaved pattern edits are saved or dropped as the user answers; Cancel keeps the window.
    if (!m_model.ConfirmLeavePatternPage()) {
        event->ignore();
        RefreshView();
        return;
    }
    SaveSettings();
    event->accept();
}
