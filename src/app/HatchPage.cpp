// THatchPage: the pattern page's widgets, and showing the pattern page's model.
#include "HatchPage.h"
#include "QtSupport.h"

#include "FilterField.h"
#include "Icons.h"
#include "base/CodePage.h"
#include "graphics/RasterCanvas.h"
#include "model/PatternPage.h"
#include "testslides.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The editor's font: "Courier New" where it is installed, else the desktop's fixed font; 15
// pixels high.
QFont EditorFont() {
    QFont font = QFontDatabase::families().contains("Courier New")
                     ? QFont("Courier New")
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(15);
    return font;
}

} // namespace

// ---- Image1 and Panel6 ----

TPatternImage::TPatternImage(const TRasterCanvas& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPatternImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_picture.Width() <= 0 || m_picture.Height() <= 0)
        return;
    // One picture pixel per device pixel: at ratio 2 the picture has twice the widget's width
    // and height and is shown at that ratio, not scaled.
    QImage image = WrapCanvas(m_picture);
    image.setDevicePixelRatio(devicePixelRatioF());
    p.drawImage(QPoint(0, 0), image);
}

void TPatternPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

// ---- The page ----

THatchPage::THatchPage(TForm1& form, QWidget* parent)
    : QWidget(parent), m_form(form), m_page(form.Model().PatternPage()) {
    setObjectName("HatchPage");
    CreateToolBar();

    Panel6 = new TPatternPanel(nullptr);
    Panel6->setObjectName("Panel6");
    Panel6->setMinimumHeight(20);
    Image1 = new TPatternImage(m_page.Preview(), Panel6);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName(tr("Pattern preview"));
    Memo1 = new QPlainTextEdit(Panel6);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName(tr("Pattern text"));
    Memo1->setFont(EditorFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(Panel6, &TPatternPanel::Resized, this, &THatchPage::Panel6Resize);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_refreshing)
            Memo1Change();
    });

    patv = new QListWidget;
    patv->setObjectName("patv");
    patv->setAccessibleName(tr("Patterns"));
    patv->setSelectionMode(QAbstractItemView::SingleSelection);
    patv->setMovement(QListView::Static);
    patv->setResizeMode(QListView::Adjust);
    patv->setMinimumHeight(20);
    // Queued: the question about unstored edits must not open inside the list's own handling
    // of the mouse press.
    connect(patv, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_refreshing)
            QMetaObject::invokeMethod(this, &THatchPage::patvSelectItem, Qt::QueuedConnection);
    });

    auto* filter = new TFilterField("PatternFilter", tr("Filter patterns"));
    PatternFilter = filter;
    connect(filter, &QLineEdit::textChanged, this, [this] {
        if (!m_refreshing)
            PatternFilterChange();
    });
    QWidget* patternList = filter->Above(patv);

    Splitter4 = new QSplitter(Qt::Vertical);
    Splitter4->setObjectName("Splitter4");
    Splitter4->setHandleWidth(6);
    Splitter4->addWidget(Panel6);
    Splitter4->addWidget(patternList);
    Splitter4->setChildrenCollapsible(false);
    Splitter4->setStretchFactor(0, 0);
    Splitter4->setStretchFactor(1, 1);
    Splitter4->setSizes({kPanelHeight, 200});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(Splitter4, 1);

    m_shownThumbnails = true; // so the first Refresh sets the list style
    Refresh();
}

void THatchPage::CreateToolBar() {
    ToolBar1 = new QToolBar;
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setAccessibleName(tr("Pattern tools"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(36);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(13);
    ToolBar1->setFont(bold);

    const auto toolButton = [this](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QToolButton;
        b->setObjectName(name);
        b->setText(caption);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumSize(29, 28);
        ToolBar1->addWidget(b);
        return b;
    };
    const auto pushButton = [this](const char* name, const QString& caption, const QString& hint,
                                   int width) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setAccessibleDescription(hint);
        b->setFixedSize(width, 28);
        b->setFocusPolicy(Qt::TabFocus);
        ToolBar1->addWidget(b);
        return b;
    };

    ToolButton9 = toolButton("ToolButton9", tr("Save"),
                             tr("Save Hatch Patterns File\nSave as Adobe PDF file"));
    connect(ToolButton9, &QToolButton::clicked, this, &THatchPage::ToolButton9Click);
    ToolButton11 = toolButton("ToolButton11", QString(), tr("Thumbnails On/Off"));
    ToolButton11->setIcon(ViewThumbsIcon());
    ToolButton11->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolButton11->setIconSize(QSize(22, 22));
    ToolButton11->setCheckable(true);
    // Toggled, not clicked: a screen reader's "toggle" does not click. The page's own setting of
    // the switch is no press.
    connect(ToolButton11, &QToolButton::toggled, this, [this] {
        if (!m_refreshing)
            ToolButton11Click();
    });
    ToolBar1->addSeparator();
    Button1 = pushButton("Button1", tr("Redraw"), tr("Redraw after editing"), 73);
    connect(Button1, &QPushButton::clicked, this, &THatchPage::Button1Click);
    Button2 = pushButton("Button2", tr("+"), tr("Enlarge"), 25);
    connect(Button2, &QPushButton::clicked, this, &THatchPage::Button2Click);
    Button3 = pushButton("Button3", tr("-"), tr("Reduce"), 25);
    connect(Button3, &QPushButton::clicked, this, &THatchPage::Button3Click);
    ToolBar1->addSeparator();
    Label2 = new QLabel(tr("Scale:"));
    Label2->setObjectName("Label2");
    Label2->setToolTip(tr("Scale of Pattern"));
    // The label's text (the scale or the progress) is what screen readers read.
    Label2->setAccessibleDescription(tr("Scale of Pattern"));
    Label2->setMinimumWidth(120);
    ToolBar1->addWidget(Label2);
}

// ---- Event handlers ----

void THatchPage::ToolButton9Click() {
    m_form.RunCommand([&] { m_page.Save(); });
}

void THatchPage::ToolButton11Click() {
    const bool down = ToolButton11->isChecked();
    // The thumbnails are drawn at the pixels of the screen the list is on.
    m_page.SetPixelRatio(patv->devicePixelRatioF());
    m_form.RunCommand([&] { m_page.SetThumbnailsShown(down); });
}

void THatchPage::Button1Click() {
    m_form.RunCommand([&] { m_page.Redraw(); });
}

void THatchPage::Button2Click() {
    m_form.RunCommand([&] { m_page.Enlarge(); });
}

void THatchPage::Button3Click() {
    m_form.RunCommand([&] { m_page.Reduce(); });
}

void THatchPage::patvSelectItem() {
    const QList<QListWidgetItem*> selected = patv->selectedItems();
    // A deselection shows nothing new: the pattern shown stays.
    if (selected.isEmpty())
        return;
    // Each item carries its entry's index: the filter may show some of the entries.
    const int entry = selected.front()->data(Qt::UserRole + 1).toInt();
    m_form.RunCommand([&] { m_page.SelectEntry(entry); });
}

void THatchPage::PatternFilterChange() {
    const std::string text = PatternFilter->text().toStdString();
    m_form.RunCommand([&] { m_page.SetFilter(text); });
}

void THatchPage::Memo1Change() {
    m_page.EditorChanged(PatternTextToLines(Memo1->toPlainText().toStdString()));
}

void THatchPage::Panel6Resize() {
    const TPreviewPlace place = PlacePreview(Panel6->width(), Panel6->height(), kEditorHeight);
    Memo1->setGeometry(0, Panel6->height() - kEditorHeight, Panel6->width(), kEditorHeight);
    Image1->setGeometry(place.Left, place.Top, place.Width, place.Height);
    SchedulePreviewSize();
}

void THatchPage::SchedulePreviewSize() {
    // The preview's picture follows once the resizing (and any drawing) is done.
    if (m_previewSizePending)
        return;
    m_previewSizePending = true;
    QTimer::singleShot(0, this, [this] {
        m_previewSizePending = false;
        if (m_page.Drawing() || m_form.Model().Busy()) {
            QTimer::singleShot(20, this, [this] { SchedulePreviewSize(); });
            return;
        }
        // The preview is drawn at the screen's own pixels (twice its size at ratio 2).
        const qreal ratio = Image1->devicePixelRatioF();
        const QSize size(qRound(Image1->width() * ratio), qRound(Image1->height() * ratio));
        if (size.width() == m_page.Preview().Width() &&
            size.height() == m_page.Preview().Height() && ratio == m_page.PixelRatio())
            return;
        m_form.RunCommand([&] {
            m_page.SetPixelRatio(ratio);
            m_page.SetPreviewSize(size.width(), size.height());
        });
    });
}

// ---- Showing the model ----

void THatchPage::Refresh() {
    if (Label2->text() != ToQString(m_page.LabelText()))
        Label2->setText(ToQString(m_page.LabelText()));
    Memo1->setVisible(m_page.EditorVisible());
    ToolButton9->setEnabled(m_page.CanSave() && !m_page.Drawing());
    if (m_shownPreview != m_page.PreviewGeneration()) {
        m_shownPreview = m_page.PreviewGeneration();
        Image1->update();
    }
    if (m_page.Drawing() || m_refreshing)
        return;
    TFlagScope refreshing(m_refreshing);
    ToolButton11->setChecked(m_page.ThumbnailsShown());
    if (PatternFilter->text() != ToQString(m_page.Filter()))
        PatternFilter->setText(ToQString(m_page.Filter()));
    if (m_shownList != m_page.ShownGeneration() || m_shownThumbnails != m_page.ThumbnailsShown())
        FillList();
    ShowSelection();
    if (m_shownEditor != m_page.EditorGeneration()) {
        m_shownEditor = m_page.EditorGeneration();
        Memo1->setPlainText(ToQString(PatternLinesToText(m_page.EditorLines())));
        Memo1->moveCursor(QTextCursor::Start);
    }
}

void THatchPage::FillList() {
    m_shownList = m_page.ShownGeneration();
    const bool thumbs = m_page.ThumbnailsShown();
    if (m_shownThumbnails != thumbs) {
        m_shownThumbnails = thumbs;
        if (thumbs) {
            patv->setViewMode(QListView::IconMode);
            patv->setIconSize(QSize(TPatternPage::kThumbWidth, TPatternPage::kThumbHeight));
            patv->setFlow(QListView::LeftToRight);
            patv->setWrapping(true);
            patv->setUniformItemSizes(true);
            patv->setSpacing(4);
        } else {
            patv->setViewMode(QListView::ListMode);
            patv->setIconSize(QSize(16, 16));
            patv->setFlow(QListView::TopToBottom);
            patv->setWrapping(false);
            patv->setUniformItemSizes(true);
            patv->setSpacing(0);
        }
        patv->setMovement(QListView::Static);
        patv->setResizeMode(QListView::Adjust);
    }

    // The thumbnails go into the window's image list as the model holds them; a copy made of
    // other thumbnails goes, even one as long (another file's list may have as many).
    TThumbnailList& limg = m_form.limg;
    if (static_cast<int>(limg.size()) != m_page.ThumbnailCount() ||
        m_shownThumbnailsGeneration != m_page.ThumbnailsGeneration()) {
        m_shownThumbnailsGeneration = m_page.ThumbnailsGeneration();
        // Shown at the pixels they were drawn at: 256 x 160 on a 128 x 80 item at ratio 2.
        const int count = m_page.ThumbnailCount();
        limg.Reset(static_cast<size_t>(count),
                   count > 0 ? double(m_page.Thumbnail(0).Width()) / TPatternPage::kThumbWidth : 1);
        for (int k = 0; k < count; ++k)
            limg.Set(static_cast<size_t>(k), WrapCanvas(m_page.Thumbnail(k)).copy());
    }

    patv->clear();
    const std::vector<TPatternEntry>& entries = m_page.Entries();
    if (entries.empty())
        return;
    patv->setUpdatesEnabled(false);
    const QIcon nameIcon = PatternIcon();
    for (const int shown : m_page.ShownEntries()) {
        const TPatternEntry& entry = entries[static_cast<size_t>(shown)];
        auto* item = new QListWidgetItem(ToQString(Cp1252ToUtf8(entry.Name)));
        item->setData(Qt::UserRole, entry.HeaderLine);
        item->setData(Qt::UserRole + 1, shown);
        const int image = entry.ThumbnailIndex;
        if (thumbs && image >= 0 && image < static_cast<int>(limg.size())) {
            item->setIcon(QIcon(QPixmap::fromImage(limg[static_cast<size_t>(image)])));
            // A marked thumbnail says why, as the slide list's do.
            const std::string& problem = m_page.ThumbnailProblem(image);
            if (!problem.empty())
                item->setToolTip(item->text() + "\n" +
                                 tr("Cannot be drawn: %1").arg(ToQString(problem)));
        } else if (!thumbs)
            item->setIcon(nameIcon);
        patv->addItem(item);
    }
    patv->setUpdatesEnabled(true);
}

void THatchPage::ShowSelection() {
    // The selected entry's row, unless the filter hides it.
    const std::vector<int>& shown = m_page.ShownEntries();
    const auto at = std::lower_bound(shown.begin(), shown.end(), m_page.SelectedEntry());
    QListWidgetItem* item = at != shown.end() && *at == m_page.SelectedEntry()
                                ? patv->item(static_cast<int>(at - shown.begin()))
                                : nullptr;
    if (!item) {
        if (!patv->selectedItems().isEmpty())
            patv->clearSelection();
        return;
    }
    if (!item->isSelected() || patv->currentItem() != item) {
        patv->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        patv->scrollToItem(item);
    }
}
