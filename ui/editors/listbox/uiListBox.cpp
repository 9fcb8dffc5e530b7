#include "ui/editors/listbox/uiListBox.h"

#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/editors/framework/control/uiEditDataBinding.h"

namespace ui {

TuiListBox::TuiListBox(rtl::TComponent* owner)
    : TuiListBox(owner, TuiInnerListBox::StaticClass(), TuiDataBinding::StaticClass()) {}

void TuiListBox::SetItems(const rtl::TStringList& items) {
    // The list box's strings keep their own settings (sorting among them) and reach the window one by one.
    if (&items != &Items()) {
        Items().Clear();
        Items().AddStrings(items);
    }
    SyncInnerControlHook();
}

void TuiListBox::SetOnMeasureItem(TMeasureItemEvent handler) {
    FOnMeasureItem = std::move(handler);
    if (!FOnMeasureItem) {
        InnerListBox().SetOnMeasureItem({});
        return;
    }
    InnerListBox().SetOnMeasureItem([this](rtl::TObject*, int32_t index, int32_t& height) {
        if (FOnMeasureItem) {
            FOnMeasureItem(*this, index, height);
        }
    });
}

bool TuiListBox::DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) {
    if (!FOnDrawItem) {
        return false;
    }
    FOnDrawItem(*this, canvas, index, rect, state);
    return true;
}

int32_t TuiListBox::IntegralRowHeight(int32_t index) {
    switch (ListStyle()) {
    case vcl::lbOwnerDrawFixed:
        return ItemHeight();
    case vcl::lbOwnerDrawVariable: {
        int32_t height = ItemHeight();
        if (index < Count() && InnerListBox().OnMeasureItem()) {
            InnerListBox().OnMeasureItem()(&InnerListBox(), index, height);
        }
        return height;
    }
    default:
        return GetSharedScreenCanvas()->FontHeight(InnerListBox().Font());
    }
}

} // namespace ui
