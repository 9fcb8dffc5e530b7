#pragma once
// TuiGridColumnCellEditor: what paints one column's cells without a control while a layout lasts: the column's
// editor properties, the cell style every cell of the column fills with its colours and font, and the view data they
// share. A column with no editor registered for its values paints through plain editor properties (background only).

#include "vcl/graphics/Colors.h"

#include <memory>

namespace vcl {
class TFont;
}

namespace ui {

class TuiCanvas;
class TuiCustomEditProperties;
class TuiCustomEditViewData;
class TuiCustomEditViewInfo;
class TuiEditStyle;
class TuiGridColumn;
class TuiLookAndFeel;

class TuiGridColumnCellEditor {
public:
    // lookAndFeel (the grid's, or nullptr) is the master of the cell style's look.
    TuiGridColumnCellEditor(TuiGridColumn& column, TuiLookAndFeel* lookAndFeel);
    ~TuiGridColumnCellEditor();
    TuiGridColumnCellEditor(const TuiGridColumnCellEditor&) = delete;
    TuiGridColumnCellEditor& operator=(const TuiGridColumnCellEditor&) = delete;

    TuiGridColumn& Column() const { return FColumn; }
    TuiCustomEditProperties& Properties() const { return *FProperties; }
    TuiEditStyle& Style() const { return *FStyle; }
    TuiCustomEditViewData& ViewData() const { return *FViewData; }
    // A view info of the properties' class, for one cell.
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const;
    // The cell style takes a cell's colours and font.
    void ApplyCellStyle(vcl::TColor color, vcl::TColor textColor, const vcl::TFont* font);
    // The height the editor needs for an empty value in font, plus 2 when not 0.
    int32_t DefaultCellHeight(TuiCanvas& canvas, const vcl::TFont* font);

private:
    TuiGridColumn& FColumn;
    std::unique_ptr<TuiCustomEditProperties> FFallbackProperties;
    TuiCustomEditProperties* FProperties; // not owned unless it is the fallback
    std::unique_ptr<TuiEditStyle> FStyle;
    std::unique_ptr<TuiCustomEditViewData> FViewData;
};

} // namespace ui
