// THatchPage: the widgets of the window's page "hatchs" over TPatternPage (the page's state and
// commands, in the model). Top to bottom: the tool bar ToolBar1 (Save, the thumbnail switch,
// Redraw, "+", "-", the scale label), the panel Panel6 with the 3:2 preview Image1 above the
// pattern editor Memo1, the splitter Splitter4, the filter field PatternFilter and the pattern
// list patv (names, or 128 x 80 thumbnails from the window's limg), which shows the patterns whose
// names match the filter. The handlers keep the names of the events they serve; each
// tells the model what the user did through the window's RunCommand and then shows the model
// again (Refresh).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolBar;
class QToolButton;
class TForm1;
class TPatternPage;
class TRasterCanvas;

// Image1: shows the page's preview picture (a raster canvas) at its top left corner.
class TPatternImage : public QWidget {
    Q_OBJECT
public:
    TPatternImage(const TRasterCanvas& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TRasterCanvas& m_picture;
};

// Panel6: holds the preview and the editor and lays them out when its size changes.
class TPatternPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPatternPanel(QWidget* parent) : QWidget(parent) {}

signals:
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

class THatchPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEditorHeight = 116;
    static constexpr int kPanelHeight = 299;

    explicit THatchPage(TForm1& form, QWidget* parent = nullptr);

    // Shows the model: label, editor, preview, list, selection, switch. While the model draws,
    // only the label, the editor's visibility and the preview are shown (the rest waits).
    void Refresh();

    // ---- Event handlers ----
    void ToolButton9Click();  // "Save"
    void ToolButton11Click(); // the thumbnail switch
    void Button1Click();      // "Redraw"
    void Button2Click();      // "+"
    void Button3Click();      // "-"
    void patvSelectItem();
    void PatternFilterChange();
    void Memo1Change();
    void Panel6Resize();

    // Components, named as the window's designer named them.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton9 = nullptr;
    QToolButton* ToolButton11 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label2 = nullptr;
    TPatternPanel* Panel6 = nullptr;
    TPatternImage* Image1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QSplitter* Splitter4 = nullptr;
    QListWidget* patv = nullptr;
    QLineEdit* PatternFilter = nullptr; // "Filter patterns", above patv

private:
    void CreateToolBar();
    void FillList();
    void ShowSelection();
    void SchedulePreviewSize();

    TForm1& m_form;
    TPatternPage& m_page;
    bool m_refreshing = false;
    bool m_previewSizePending = false;
    int m_shownList = -1; // the model's ShownGeneration() that patv shows
    bool m_shownThumbnails = false;
    int m_shownThumbnailsGeneration = -1;
    int m_shownEditor = -1;
    int m_shownPreview = -1;
};
