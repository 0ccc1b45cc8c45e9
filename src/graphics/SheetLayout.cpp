#include "graphics/SheetLayout.h"

#include <cmath>

namespace {

std::string Range(int low, int high) {
    return std::to_string(low) + ".." + std::to_string(high);
}

} // namespace

bool SheetGridInRange(int columns, int rows) {
    return columns >= kSheetMinColumns && columns <= kSheetMaxColumns && rows >= kSheetMinRows &&
           rows <= kSheetMaxRows;
}

std::string SheetColumnRange() {
    return Range(kSheetMinColumns, kSheetMaxColumns);
}

std::string SheetRowRange() {
    return Range(kSheetMinRows, kSheetMaxRows);
}

std::string SheetPageLabel(int page) {
    return "pg.  " + std::to_string(page) + ".";
}

TSheetStyle PdfSheetStyle() {
    TSheetStyle s;
    s.MarginX = 36;
    s.MarginY = 48;
    s.TextHeight = 10;
    s.YUp = true;
    s.LabelRightInset = 2 * s.MarginX + 5 * s.TextHeight;
    s.LabelAboveGrid = 1.2 * s.TextHeight;
    s.CaptionRight = 3 * s.TextHeight;
    s.CaptionBelow = 1.5 * s.TextHeight;
    return s;
}

TSheetStyle PrinterSheetStyle(int margin, int fontHeight) {
    TSheetStyle s;
    s.MarginX = margin;
    s.MarginY = margin;
    s.TextHeight = fontHeight;
    s.WholeUnits = true;
    s.LabelRightInset = 5 * fontHeight;
    s.LabelAboveGrid = 2 * fontHeight;
    s.CaptionRight = 40;
    s.CaptionBelow = 30;
    return s;
}

TSheetLayout::TSheetLayout(const TSheetStyle& style, double pageWidth, double pageHeight,
                           int columns, int rows)
    : m_style(style), m_pageWidth(pageWidth), m_pageHeight(pageHeight), m_columns(columns),
      m_rows(rows) {
    // Halves go to the even neighbour.
    auto whole = [&](double x) { return style.WholeUnits ? std::nearbyint(x) : x; };
    const double labelBand = whole(1.2 * style.TextHeight);
    m_gridTop = style.MarginY + labelBand;
    const double usableWidth = pageWidth - 2 * style.MarginX;
    const double usableHeight = pageHeight - 2 * style.MarginY - labelBand;
    m_cellWidth = whole(usableWidth * kSheetCellShare / columns);
    m_columnPitch = whole(m_cellWidth / kSheetCellShare);
    m_rowPitch = std::trunc(usableHeight / rows);
    m_cellHeight = std::trunc((usableHeight - 3 * style.TextHeight * rows) / rows);
}

TSheetCell TSheetLayout::Cell(size_t k) const {
    const auto column = static_cast<int>(k % static_cast<size_t>(m_columns));
    const auto row = static_cast<int>(k / static_cast<size_t>(m_columns));
    TSheetCell c;
    c.Left = column * m_columnPitch + m_style.MarginX;
    c.Width = m_cellWidth;
    c.Height = m_cellHeight;
    c.CaptionX = c.Left + m_style.CaptionRight;
    if (m_style.YUp) {
        c.Top = m_pageHeight - m_gridTop - row * m_rowPitch;
        c.CaptionY = c.Top - m_cellHeight - m_style.CaptionBelow;
    } else {
        c.Top = m_gridTop + row * m_rowPitch;
        c.CaptionY = c.Top + m_cellHeight + m_style.CaptionBelow;
    }
    return c;
}

double TSheetLayout::LabelX(double textWidth) const {
    return m_pageWidth - m_style.LabelRightInset - textWidth;
}

double TSheetLayout::LabelY() const {
    const double down = m_gridTop - m_style.LabelAboveGrid;
    return m_style.YUp ? m_pageHeight - down : down;
}

bool LayOutSheets(
    const TSheetLayout& layout, size_t count,
    const std::function<bool(int page, size_t first)>& startPage,
    const std::function<bool(size_t index, size_t onPage, const TSheetCell& cell)>& cell) {
    const size_t perPage = layout.CellsPerPage();
    for (size_t i = 0; i < count;) {
        if (!startPage(static_cast<int>(i / perPage) + 1, i))
            return false;
        for (size_t k = 0; k < perPage && i < count; ++k, ++i)
            if (!cell(i, k, layout.Cell(k)))
                return false;
    }
    return true;
}
