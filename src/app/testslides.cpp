// TForm1: construction, layout, menus, toolbar, status bar, placement and settings.
#include "testslides.h"

#include "AppSettings.h"
#include "Icons.h"
#include "IniFile.h"
#include "PreviewBox.h"
#include "base/UiHooks.h"
#include "slides/SlideClasses.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>

namespace {

constexpr int kInitialWidth = 890;
constexpr int kInitialHeight = 570;
constexpr int kInitialPanelWidths[TForm1::kStatusPanels] = {120, 80, 150, 48, 40, 60, 50};
constexpr int kLeftColumnWidth = 171;
constexpr int kTreeHeight = 201;
constexpr int kPreviewHeight = 170;

const char* const kPlacement = "TForm1";

// A stored size is taken when it lies in a sensible range; otherwise the built-in one.
int Sane(int value, int fallback, int low = 20, int high = 10000) {
    return value >= low && value <= high ? value : fallback;
}

// A status bar panel: as wide as it was set, but it gives way when the window is narrower, so
// a long folder name never forces the window wider.
class TStatusPanel : public QLabel {
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

} // namespace

TForm1::TForm1(TOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options)) {
    if (m_options.ProgramDir.empty())
        m_options.ProgramDir = QCoreApplication::applicationDirPath().toStdString();
    if (m_options.Dialogs) {
        m_dialogs = m_options.Dialogs;
    } else {
        m_ownDialogs = std::make_unique<TQtDialogs>(this);
        m_dialogs = m_ownDialogs.get();
    }
    m_settingsFile = m_options.SettingsFile.empty()
                         ? MainSettingsFile(QCoreApplication::applicationFilePath().toStdString())
                         : m_options.SettingsFile;

    // The core reaches the window through these hooks: its messages become boxes (queued
    // while a drawing runs), long work lets paint and timer events through but no user input,
    // and busy work shows the wait cursor.
    UiHooks::SetMessageHook([this](const std::string& text) { QueueMessage(text, false); });
    UiHooks::SetProcessHook(
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    UiHooks::SetBusyHook([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });

    setObjectName("Form1");
    setWindowTitle(kCaption);
    setWindowIcon(AppIcon());
    resize(kInitialWidth, kInitialHeight);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateLayout();
    CreateStatusBar();

    m_previewBackground = 0;
    ClearFileListSelection();
    ShowPage(SlidesPage);
    RestorePlacement(TIniFile(m_settingsFile));
}

TForm1::~TForm1() {
    UiHooks::SetMessageHook(nullptr);
    UiHooks::SetProcessHook(nullptr);
    UiHooks::SetBusyHook(nullptr);
}

void TForm1::CreateActions() {
    viewlist = new QAction(ViewListIcon(), tr("View List"), this);
    viewlist->setObjectName("viewlist");
    viewlist->setCheckable(true);
    viewthumb = new QAction(ViewThumbsIcon(), tr("View Thumbnails"), this);
    viewthumb->setObjectName("viewthumb");
    viewthumb->setCheckable(true);
    viewthumb->setChecked(true);
    connect(viewlist, &QAction::triggered, this, &TForm1::Thumbnails1Click);
    connect(viewthumb, &QAction::triggered, this, &TForm1::Thumbnails1Click);

    SelectAll = new QAction(tr("Select All"), this);
    SelectAll->setObjectName("SelectAll");
    SelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(SelectAll, &QAction::triggered, this, &TForm1::SelectAllExecute);

    BackgroundColor1 = new QAction(ColourIcon(), tr("Background &Color..."), this);
    connect(BackgroundColor1, &QAction::triggered, this, &TForm1::ChangeBackCol);

    About1 = new QAction(AppIcon(), tr("&About"), this);
    connect(About1, &QAction::triggered, this, &TForm1::AboutClick);
    Help1 = new QAction(tr("&Help"), this);
    Help1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Help1, &QAction::triggered, this, &TForm1::HelpClick);

    Exit1 = new QAction(tr("E&xit"), this);
    Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
}

void TForm1::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("File1");
    file->addAction(Exit1);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("Edit1");
    edit->addAction(SelectAll);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("View1");
    view->addAction(BackgroundColor1);
    view->addSeparator();
    view->addAction(viewlist);
    view->addAction(viewthumb);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help2");
    help->addAction(About1);
    help->addAction(Help1);
}

void TForm1::CreateToolBar() {
    ToolBar1 = addToolBar(tr("Tools"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(22, 22));

    ToolBar1->addSeparator();
    auto* styleMenu = new QMenu(this);
    styleMenu->addAction(viewlist);
    styleMenu->addAction(viewthumb);
    ViewStyleButton = new QToolButton(this);
    ViewStyleButton->setObjectName("ViewStyleButton");
    ViewStyleButton->setToolTip(tr("View Style"));
    ViewStyleButton->setIcon(ViewThumbsIcon());
    ViewStyleButton->setMenu(styleMenu);
    ViewStyleButton->setPopupMode(QToolButton::InstantPopup);
    ViewStyleButton->setMinimumSize(29, 28);
    ToolBar1->addWidget(ViewStyleButton);
}

void TForm1::CreateLayout() {
    // Left column: folder tree over the slide sources of the folder.
    Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    m_treeModel = new QFileSystemModel(this);
    m_treeModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    m_treeModel->setRootPath("/");
    PTShellTree1 = new QTreeView;
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
            QTimer::singleShot(50, this, [this] {
                PTShellTree1->scrollTo(PTShellTree1->currentIndex(),
                                       QAbstractItemView::PositionAtCenter);
            });
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
    connect(FileListBox1, &QListWidget::currentItemChanged, this, [this] {
        if (!m_fileListUpdating)
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
    connect(Notebook1, &QStackedWidget::currentChanged, this, &TForm1::Notebook1PageChanged);
    auto* panel3Layout = new QVBoxLayout(Panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    panel3Layout->addWidget(Notebook1);

    Panel2 = new TPreviewPanel(nullptr);
    Panel2->setObjectName("Panel2");
    Panel2->setMinimumHeight(20);
    PaintBox1 = new TPreviewBox(m_preview, Panel2);
    PaintBox1->setObjectName("PaintBox1");
    connect(Panel2, &TPreviewPanel::Resized, this, [this] {
        PaintBox1->setGeometry(1, 1, std::max(0, Panel2->width() - 2),
                               std::max(0, Panel2->height() - 2));
        SchedulePreview();
    });

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
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_fillingList)
            ActivateSelection();
    });

    Splitter3 = new QSplitter(Qt::Vertical);
    Splitter3->setObjectName("Splitter3");
    Splitter3->setHandleWidth(4);
    Splitter3->addWidget(Panel2);
    Splitter3->addWidget(ListBox1);
    Splitter3->setChildrenCollapsible(false);
    Splitter3->setStretchFactor(0, 0);
    Splitter3->setStretchFactor(1, 1);
    auto* slidesLayout = new QVBoxLayout(SlidesPage);
    slidesLayout->setContentsMargins(0, 0, 0, 0);
    slidesLayout->addWidget(Splitter3);

    auto* hatchsLayout = new QVBoxLayout(HatchsPage);
    hatchsLayout->setContentsMargins(0, 0, 0, 0);
    m_hatchsInfo = new QLabel;
    m_hatchsInfo->setObjectName("HatchsInfo");
    m_hatchsInfo->setAlignment(Qt::AlignCenter);
    m_hatchsInfo->setWordWrap(true);
    hatchsLayout->addWidget(m_hatchsInfo);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(5);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Splitter1);

    Splitter1->setSizes({kLeftColumnWidth, kInitialWidth - kLeftColumnWidth - 5});
    Splitter2->setSizes({kTreeHeight, kInitialHeight - kTreeHeight});
    Splitter3->setSizes({kPreviewHeight, kInitialHeight - kPreviewHeight});
}

void TForm1::CreateStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* panel = new TStatusPanel;
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setIndent(3);
        panel->setTextInteractionFlags(Qt::NoTextInteraction);
        panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_panels[i] = panel;
        // The last panel takes what is left of the bar (and at least its own width).
        StatusBar1->addWidget(panel, i == kStatusPanels - 1 ? 1 : 0);
        SetStatusWidth(i, kInitialPanelWidths[i]);
    }
}

void TForm1::SetStatusWidth(int panel, int width) {
    auto* p = static_cast<TStatusPanel*>(m_panels[panel]);
    p->SetPanelWidth(width);
    if (panel == kStatusPanels - 1)
        p->setMaximumWidth(QWIDGETSIZE_MAX); // the last panel takes the rest of the bar
}

void TForm1::SetStatus(int panel, const QString& text, bool fitWidth) {
    m_panels[panel]->setText(text);
    m_panels[panel]->setToolTip(text);
    if (fitWidth)
        SetStatusWidth(panel, m_panels[panel]->fontMetrics().horizontalAdvance(text) + 8);
}

QString TForm1::StatusText(int panel) const {
    return m_panels[panel]->text();
}

int TForm1::StatusWidth(int panel) const {
    return static_cast<const TStatusPanel*>(m_panels[panel])->PanelWidth();
}

// ---- Placement and settings ----

void TForm1::RestorePlacement(const TIniFile& ini) {
    const std::vector<int> norm = ini.ReadIntegers(kPlacement, "NormPos");
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
    m_startMaximized = ini.ReadInteger(kPlacement, "ShowCmd", 1) == 3;

    const int leftWidth = Sane(ini.ReadInteger(kPlacement, "Panel1_Width", -1), kLeftColumnWidth);
    const int rightWidth =
        Sane(ini.ReadInteger(kPlacement, "Panel3_Width", -1), width() - leftWidth - 5);
    Splitter1->setSizes({leftWidth, rightWidth});
    const int treeHeight =
        Sane(ini.ReadInteger(kPlacement, "PTShellTree1_Height", -1), kTreeHeight);
    Splitter2->setSizes({treeHeight, std::max(20, height() - treeHeight)});
    const int previewHeight =
        Sane(ini.ReadInteger(kPlacement, "Panel2_Height", -1), kPreviewHeight);
    Splitter3->setSizes({previewHeight, std::max(20, height() - previewHeight)});
}

void TForm1::SaveSettings() {
    TIniFile ini(m_settingsFile);
    ini.WriteString("Path", "Dir", TreeFolder().toStdString());

    const QRect norm = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    const int showCmd = isMinimized() ? 2 : isMaximized() ? 3 : 1;
    ini.WriteInteger(kPlacement, "Flags", 0);
    ini.WriteInteger(kPlacement, "ShowCmd", showCmd);
    ini.WriteInteger(kPlacement, "PixelsPerInch", logicalDpiY());
    ini.WriteString(kPlacement, "MinMaxPos", "-1,-1,-1,-1");
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", norm.left(), norm.top(),
                  norm.left() + norm.width(), norm.top() + norm.height());
    ini.WriteString(kPlacement, "NormPos", text);
    ini.WriteInteger(kPlacement, "Panel2_Height", Panel2->height());
    ini.WriteInteger(kPlacement, "Panel3_Width", Panel3->width());
    ini.WriteInteger(kPlacement, "Panel1_Width", Panel1->width());
    ini.WriteInteger(kPlacement, "Splitter1_Width", Splitter1->handleWidth());
    ini.WriteInteger(kPlacement, "Splitter2_Width", Splitter2->width());
    ini.WriteInteger(kPlacement, "PTShellTree1_Height", PTShellTree1->height());
    try {
        ini.Save();
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
    m_placementRestored = true;
    const TIniFile ini(m_settingsFile);
    QString folder = QString::fromStdString(ini.ReadString("Path", "Dir", ""));
    if (folder.isEmpty()) {
        // First start: the samples that come with the program, so there is something to see.
        const QString samples = QString::fromStdString(m_options.ProgramDir) + "/samples";
        folder = QDir(samples).exists() ? samples : QDir::homePath();
    }
    SetTreeFolder(folder);
}

void TForm1::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
}
