#pragma once
// The cells of a table view's records. TuiGridTableCellViewInfo is any cell of a record (a data cell, a group row's
// cell). TuiGridTableDataCellViewInfo shows one item's value through a view info of the item's editor, which holds
// the colours and font it is drawn with: custom drawing hands those to the item's OnCustomDrawCell and then the view's,
// and hints come from the editor (a cut text, a button's hint) and the item's OnGetCellHint.

#include "rtl/variants/Variant.h"
#include "ui/grid/cells/uiGridViewCellViewInfo.h"

#include <memory>

namespace vcl {
class TFont;
}

namespace ui {

class TuiCustomEditViewInfo;
class TuiCustomGridRecord;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;

class TuiGridTableCellViewInfo : public TuiCustomGridViewCellViewInfo {
public:
    using TuiCustomGridViewCellViewInfo::TuiCustomGridViewCellViewInfo;

    // The record the cell shows; nullptr when the view data has none for its row.
    virtual TuiCustomGridRecord* GridRecord() const = 0;
    // Drawn in the selection's colours.
    virtual bool Selected() const = 0;
};

class TuiGridTableDataCellViewInfo : public TuiGridTableCellViewInfo {
public:
    TuiGridTableDataCellViewInfo(TuiCustomGridViewInfo& gridViewInfo, TuiCustomGridTableItem& item);
    ~TuiGridTableDataCellViewInfo() override;

    TuiCustomGridTableItem& Item() const { return FItem; }
    TuiCustomGridTableView& TableView() const;
    // The editor's picture of the cell's value: bounds, colours, font, text.
    virtual TuiCustomEditViewInfo& EditViewInfo() const = 0;
    // The value the cell shows: the record's display text when the editor shows the data's own text, else its value.
    virtual rtl::Variant CellDisplayValue() const = 0;
    // The focused record's cell of the focused item.
    virtual bool IsFocusedCell() const = 0;
    // The cell's in-place editor is open over it.
    bool IsBeingEdited() const;

    // The colours and font are the editor view info's.
    void SaveParams(TuiDrawParams& params) const override;
    void RestoreParams(const TuiDrawParams& params) override;
    // The item's or the view's OnCustomDrawCell is assigned.
    bool HasCustomDraw() const override;
    // The editor's hint at mousePos under CellHints, and what the item's OnGetCellHint makes of it; a cell whose hint
    // text ends empty has none.
    bool NeedsHint(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect, bool& multiLine) override;

protected:
    // The item's handler first, the view's while done stays false.
    bool DoCustomDraw(TuiCanvas& canvas) override;
    // A font the handlers left on the canvas is kept by the cell while it draws with it.
    void AfterCustomDraw(TuiCanvas& canvas) override;
    // Under CellHints or with the item's OnGetCellHint, while the cell is not edited.
    bool CanShowHint() const override;

private:
    // The editor's hint at point: a cut text's whole text over its rectangle, else a button's hint.
    bool GetEditorHint(vcl::TPoint point, rtl::UnicodeString& text, vcl::TRect& textRect, bool& multiLine);

    TuiCustomGridTableItem& FItem;
    std::unique_ptr<vcl::TFont> FCustomDrawFont;
};

} // namespace ui
