#pragma once
// TuiGridGroupCellViewInfo: the cell of a group row, right of its outer levels' indents: the group's caption with its
// summary text in the group colours of its level. The view's OnCustomDrawGroupCell may paint it, or change the colours
// and font it is painted in.

#include "ui/grid/customtable/viewinfo/uiGridTableCellViewInfo.h"

namespace ui {

class TuiGridDataRowViewInfo;

class TuiGridGroupCellViewInfo : public TuiGridTableCellViewInfo {
public:
    explicit TuiGridGroupCellViewInfo(TuiGridDataRowViewInfo& row);

    TuiGridDataRowViewInfo& Row() const { return FRow; }
    TuiCustomGridRecord* GridRecord() const override;
    bool Selected() const override { return false; }
    // Where the caption is written: right of the expand button when the row has one.
    vcl::TRect GetTextAreaBounds() const override;
    bool HasCustomDraw() const override;

protected:
    rtl::UnicodeString GetText() const override;
    void GetViewParams(TuiDrawParams& params) const override;
    bool DoCustomDraw(TuiCanvas& canvas) override;

private:
    TuiGridDataRowViewInfo& FRow;
};

} // namespace ui
