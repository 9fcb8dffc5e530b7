#include "ui/editors/text/memo/uiMemoViewData.h"

#include "rtl/WindowsApi.h"
#include "ui/core/text/uiTextLayout.h"

#include <algorithm>

namespace ui {

uint32_t TuiCustomMemoViewData::GetTextFlags() const {
    uint32_t flags = tlEditControl | tlExpandTabs | tlPreventLeftExceed;
    if (MemoProperties().WrapsLines()) {
        flags |= tlWordBreak | tlCharBreak;
    }
    switch (HorzAlignment) {
    case vcl::taRightJustify:
        return flags | thaRight;
    case vcl::taCenter:
        return flags | thaCenter;
    default:
        return flags | thaLeft;
    }
}

int32_t TuiCustomMemoViewData::GetMaxLineCount() const {
    const int32_t visible = MemoProperties().VisibleLineCount();
    return visible > 0 ? visible : TuiCustomTextEditViewData::GetMaxLineCount();
}

// With VisibleLineCount the height is that many rows whatever the text; an editor's horizontal bar lies below them.
vcl::TSize TuiCustomMemoViewData::GetContentSize(TuiCanvas& canvas, const rtl::Variant& value,
                                                 const TuiEditSizeRequest& request) {
    const TuiCustomMemoProperties& properties = MemoProperties();
    vcl::TSize size =
        CalculateEditTextSize(canvas, GetDisplayTextFor(value), GetTextFlags(), request, GetMaxLineCount(), true);
    const vcl::TScrollStyle bars = properties.ScrollBars();
    if (ForEditor && (bars == vcl::ssHorizontal || bars == vcl::ssBoth)) {
        size.cy += GetSystemMetrics(SM_CYHSCROLL);
    }
    return size;
}

} // namespace ui
