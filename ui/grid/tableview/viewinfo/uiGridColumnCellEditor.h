#pragma once
// TuiGridColumnCellEditor: what paints one column's cells without a control while a layout lasts: the column's
// editor properties, the cell style every cell of the column fills with its colours and font, and the view data they
// share, whose text the column's OnGetDisplayText has the last word over for the record a cell points it at. A column
// with no editor registered for its values paints through plain editor properties (background only).

#include "rtl/variants/Variant.h"
#include "vcl/graphics/Colors.h"

#include <memory>
#include <vector>

namespace vcl {
class TFont;
}

namespace ui {

class TuiCanvas;
class TuiCustomGridRecord;
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
    // The cell style takes a cell's colours and font (the font only when it differs, as a new font costs a GDI font),
    // and shows the editor's buttons or hides them while the cell is not edited.
    void ApplyCellStyle(vcl::TColor color, vcl::TColor textColor, const vcl::TFont* font, bool showButtons);
    // A font equal to the cell style's present one, kept for the layout's life and shared by every cell filled with
    // it, so that the cells of a column make one GDI font rather than one each.
    const vcl::TFont& SharedCellFont();
    // The height the editor needs for an empty value in font, plus 2 when not 0.
    int32_t DefaultCellHeight(TuiCanvas& canvas, const vcl::TFont* font);
    // What a cell of the column shows for record (nullptr: nothing): the record's display text when the editor shows
    // the data's own text, else its value.
    rtl::Variant CellDisplayValue(TuiCustomGridRecord* record) const;

private:
    TuiGridColumn& FColumn;
    std::unique_ptr<TuiCustomEditProperties> FFallbackProperties;
    TuiCustomEditProperties* FProperties; // not owned unless it is the fallback
    std::unique_ptr<TuiEditStyle> FStyle;
    std::unique_ptr<TuiCustomEditViewData> FViewData;
    std::vector<std::unique_ptr<vcl::TFont>> FCellFonts;
};

} // namespace ui
