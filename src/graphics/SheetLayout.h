// Contact sheets: pages of columns x rows cells below a band that holds the page label
// "pg.  N."; each cell is a framed picture with its caption under it. The PDF slide sheets, the
// pattern sheets and the printed sheets all take their cells from here; each gives its units and
// where its text is anchored in a TSheetStyle.
//
// The grid: the usable width (page less both side margins) is split into equal column pitches,
// of which the cell takes nine tenths, the rest being the gap to the next column. The usable
// height (page less top and bottom margins and the label band, 1.2 text heights) is split into
// whole row pitches; a cell is a row pitch less three text heights for its caption, cut to a
// whole unit.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The grid sizes a sheet accepts.
inline constexpr int kSheetMinColumns = 1;
inline constexpr int kSheetMaxColumns = 100;
inline constexpr int kSheetMinRows = 1;
inline constexpr int kSheetMaxRows = 20;

// True when columns and rows lie within the limits above.
bool SheetGridInRange(int columns, int rows);
// "1..100" and "1..20", for messages about the limits.
std::string SheetColumnRange();
std::string SheetRowRange();

// The label of page N: "pg.  N.".
std::string SheetPageLabel(int page);

// The part of a column pitch that the cell takes.
inline constexpr double kSheetCellShare = 0.9;

// Units and text anchors of one kind of sheet.
struct TSheetStyle {
    double MarginX = 0;    // left and right margin
    double MarginY = 0;    // top and bottom margin
    double TextHeight = 0; // the height of the captions' text
    // Device units: the label band, the cell width and the column pitch are rounded (halves to
    // even) as they are derived, so every position is a whole unit.
    bool WholeUnits = false;
    // y grows upward from the page's bottom edge (PDF); otherwise downward from its top edge.
    bool YUp = false;
    double LabelRightInset = 0; // from the page's right edge to the right end of the label
    double LabelAboveGrid = 0;  // from the label's anchor down to the top of the first row
    double CaptionRight = 0;    // from a cell's left edge to its caption's anchor
    double CaptionBelow = 0;    // from a cell's bottom edge down to its caption's anchor
};

// The PDF sheets, in points: 36 pt side margins, 48 pt top and bottom, 10 pt text, baselines as
// anchors; the label ends five text heights left of the usable width's right end, measured from
// the left margin.
TSheetStyle PdfSheetStyle();
// A printer's sheets in its device units: margin on every side, text of fontHeight, text tops
// as anchors.
TSheetStyle PrinterSheetStyle(int margin, int fontHeight);

// One cell: its frame (left, the y of its top edge, width and height) and its caption's anchor.
struct TSheetCell {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double CaptionX = 0;
    double CaptionY = 0;
};

class TSheetLayout {
public:
    // The grid for a page of the given size; columns and rows are not checked here.
    TSheetLayout(const TSheetStyle& style, double pageWidth, double pageHeight, int columns,
                 int rows);

    size_t CellsPerPage() const { return static_cast<size_t>(m_columns) * m_rows; }
    double CellWidth() const { return m_cellWidth; }
    double CellHeight() const { return m_cellHeight; }
    // The cell at position k of a page, counted row by row from 0.
    TSheetCell Cell(size_t k) const;
    // The right end of the page label given its text width, and its anchor's y.
    double LabelX(double textWidth) const;
    double LabelY() const;

private:
    TSheetStyle m_style;
    double m_pageWidth;
    double m_pageHeight;
    int m_columns;
    int m_rows;
    double m_gridTop = 0; // from the page's top edge down to the first row
    double m_cellWidth = 0;
    double m_columnPitch = 0;
    double m_rowPitch = 0;
    double m_cellHeight = 0;
};

// Lays count cells out page by page: startPage(page, first) before the first cell of each page
// (pages from 1, first being the index of that cell), then cell(index, position on the page,
// cell) for each. Either returning false stops there; the result is then false.
bool LayOutSheets(
    const TSheetLayout& layout, size_t count,
    const std::function<bool(int page, size_t first)>& startPage,
    const std::function<bool(size_t index, size_t onPage, const TSheetCell& cell)>& cell);
