#include "ui/editors/dropdown/edit/uiDropDownEditProperties.h"

#include "ui/editors/dropdown/edit/uiDropDownEditViewData.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

TuiCustomDropDownEditProperties::TuiCustomDropDownEditProperties(rtl::TPersistent* owner)
    : TuiCustomMaskEditProperties(owner) {
    BeginUpdate();
    Buttons().Clear();
    Buttons().Add().SetKind(bkDown);
    EndUpdate(false);
}

void TuiCustomDropDownEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* dropDown = dynamic_cast<const TuiCustomDropDownEditProperties*>(source);
    if (dropDown == nullptr) {
        TuiCustomMaskEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomMaskEditProperties::Assign(source);
        FImmediateDropDown = dropDown->FImmediateDropDown;
        FImmediatePopup = dropDown->FImmediatePopup;
        SetKeepDropDownButtonDown(dropDown->FKeepDropDownButtonDown);
        FPopupAutoSize = dropDown->FPopupAutoSize;
        SetPopupClientEdge(dropDown->FPopupClientEdge);
        FPopupOpenDirection = dropDown->FPopupOpenDirection;
        SetPopupHorzAlign(dropDown->FPopupHorzAlign);
        FPopupVertAlign = dropDown->FPopupVertAlign;
        SetPopupMinHeight(dropDown->FPopupMinHeight);
        SetPopupMinWidth(dropDown->FPopupMinWidth);
        SetPopupHeight(dropDown->FPopupHeight);
        SetPopupWidth(dropDown->FPopupWidth);
        SetPopupSizeable(dropDown->FPopupSizeable);
        SetPopupSysPanelStyle(dropDown->FPopupSysPanelStyle);
        FPostPopupValueOnTab = dropDown->FPostPopupValueOnTab;
        FOnCloseQuery = dropDown->FOnCloseQuery;
        FOnCloseUp = dropDown->FOnCloseUp;
        FOnInitPopup = dropDown->FOnInitPopup;
        FOnPopup = dropDown->FOnPopup;
        FOnPopupFinished = dropDown->FOnPopupFinished;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

vcl::TBitmap* TuiCustomDropDownEditProperties::ButtonGlyph() const {
    const int32_t index = GetDropDownButtonIndex();
    if (index < 0 || index >= Buttons().Count() || !Buttons().Items(index).HasGlyph()) {
        return nullptr;
    }
    return &Buttons().Items(index).Glyph();
}

void TuiCustomDropDownEditProperties::SetButtonGlyph(const vcl::TBitmap* value) {
    const int32_t index = GetDropDownButtonIndex();
    if (index >= 0 && index < Buttons().Count()) {
        Buttons().Items(index).SetGlyph(value);
    }
}

void TuiCustomDropDownEditProperties::ApplyGlyphButtonKind() {
    const int32_t index = GetDropDownButtonIndex();
    if (index < 0 || index >= Buttons().Count()) {
        return;
    }
    TuiEditButton& button = Buttons().Items(index);
    const bool hasGlyph = button.HasGlyph() && !button.Glyph().Empty();
    if (hasGlyph && button.Kind() != bkGlyph) {
        button.SetKind(bkGlyph);
    } else if (!hasGlyph && button.Kind() == bkGlyph) {
        button.SetKind(bkDown);
    }
}

void TuiCustomDropDownEditProperties::DoChanged() {
    BeginUpdate();
    try {
        ApplyGlyphButtonKind();
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(false);
    TuiCustomMaskEditProperties::DoChanged();
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomDropDownEditProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                       bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomDropDownEditViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

void TuiCustomDropDownEditProperties::SetPopupHeight(int32_t value) {
    FPopupHeight = std::max(value, FPopupMinHeight);
}

void TuiCustomDropDownEditProperties::SetPopupWidth(int32_t value) {
    FPopupWidth = value <= 0 ? 0 : std::max(value, FPopupMinWidth);
}

void TuiCustomDropDownEditProperties::SetPopupMinHeight(int32_t value) {
    FPopupMinHeight = std::max(value, 0);
    SetPopupHeight(FPopupHeight);
}

void TuiCustomDropDownEditProperties::SetPopupMinWidth(int32_t value) {
    FPopupMinWidth = std::max(value, 0);
    SetPopupWidth(FPopupWidth);
}

vcl::TAlignment TuiCustomDropDownEditProperties::PopupAlignment() const {
    switch (FPopupHorzAlign) {
    case pwhCenter:
        return vcl::taCenter;
    case pwhRight:
        return vcl::taRightJustify;
    case pwhLeft:
        break;
    }
    return vcl::taLeftJustify;
}

void TuiCustomDropDownEditProperties::SetPopupAlignment(vcl::TAlignment value) {
    switch (value) {
    case vcl::taCenter:
        SetPopupHorzAlign(pwhCenter);
        return;
    case vcl::taRightJustify:
        SetPopupHorzAlign(pwhRight);
        return;
    case vcl::taLeftJustify:
        break;
    }
    SetPopupHorzAlign(pwhLeft);
}

} // namespace ui
