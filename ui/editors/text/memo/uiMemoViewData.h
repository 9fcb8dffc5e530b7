#pragma once
// TuiCustomMemoViewData: lays a memo's value out as text rows where no memo window shows it (a cell, a paint copy):
// rows broken at words while the lines wrap, tabs expanded, at most VisibleLineCount rows when it is set; and
// measures the height auto size gives: VisibleLineCount rows of "Zg" and the offsets, with the horizontal scroll bar
// of an editor that shows one.

#include "ui/editors/text/memo/uiMemoProperties.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"

namespace ui {

class TuiCustomMemoViewData : public TuiCustomTextEditViewData {
    RTL_DECLARE_CLASS(TuiCustomMemoViewData, TuiCustomTextEditViewData)
public:
    using TuiCustomTextEditViewData::TuiCustomTextEditViewData;

    uint32_t GetTextFlags() const override;
    int32_t GetMaxLineCount() const override;
    TuiCustomMemoProperties& MemoProperties() const { return static_cast<TuiCustomMemoProperties&>(Properties()); }

    // Host field: the view data measures a memo editor, whose window shows its horizontal scroll bar.
    bool ForEditor = false;

protected:
    vcl::TSize GetContentSize(TuiCanvas& canvas, const rtl::Variant& value, const TuiEditSizeRequest& request) override;
};

} // namespace ui
