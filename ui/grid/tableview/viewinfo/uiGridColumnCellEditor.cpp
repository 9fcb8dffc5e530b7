#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"

#include "rtl/text/CodePages.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "vcl/graphics/Font.h"

namespace ui {

TuiGridColumnCellEditor::TuiGridColumnCellEditor(TuiGridColumn& column, TuiLookAndFeel* lookAndFeel)
    : FColumn(column), FProperties(column.GetProperties()), FStyle(std::make_unique<TuiEditStyle>(nullptr, false)) {
    if (FProperties == nullptr) {
        FFallbackProperties = std::make_unique<TuiCustomEditProperties>(nullptr);
        FProperties = FFallbackProperties.get();
    }
    FStyle->SetIgnoresDefaultController(true);
    FStyle->SetBorderStyle(ebsNone);
    FStyle->SetHotTrack(true);
    if (lookAndFeel) {
        FStyle->LookAndFeel().SetMaster(lookAndFeel);
    }
    FViewData = FProperties->CreateViewData(*FStyle, true);
    FViewData->OnGetDisplayText = [&column](TuiCustomEditViewData& viewData, rtl::UnicodeString& text) {
        column.DoGetDisplayText(static_cast<TuiCustomGridRecord*>(viewData.Data), text);
    };
}

TuiGridColumnCellEditor::~TuiGridColumnCellEditor() = default;

std::unique_ptr<TuiCustomEditViewInfo> TuiGridColumnCellEditor::CreateViewInfo() const {
    return FProperties->CreateViewInfo();
}

void TuiGridColumnCellEditor::ApplyCellStyle(vcl::TColor color, vcl::TColor textColor, const vcl::TFont* font,
                                             bool showButtons) {
    FStyle->SetColor(color);
    FStyle->SetTextColor(textColor);
    const TuiEditButtonTransparency transparency = showButtons ? ebtNone : ebtHideInactive;
    if (FStyle->ButtonTransparency() != transparency) {
        FStyle->SetButtonTransparency(transparency);
    }
    if (font && !FStyle->Font().SameAs(*font)) {
        FStyle->Font().Assign(font);
    }
}

const vcl::TFont& TuiGridColumnCellEditor::SharedCellFont() {
    const vcl::TFont& font = FStyle->Font();
    for (const auto& shared : FCellFonts) {
        if (shared->SameAs(font)) {
            return *shared;
        }
    }
    FCellFonts.push_back(std::make_unique<vcl::TFont>());
    FCellFonts.back()->Assign(&font);
    return *FCellFonts.back();
}

int32_t TuiGridColumnCellEditor::DefaultCellHeight(TuiCanvas& canvas, const vcl::TFont* font) {
    if (font && !FStyle->Font().SameAs(*font)) {
        FStyle->Font().Assign(font);
    }
    // A view data of its own: the shared one keeps the cells' margins, which the 2 pixels below stand for.
    const int32_t height = FProperties->CreateViewData(*FStyle, true)->GetEditSize(canvas, rtl::Variant(), {}).cy;
    return height == 0 ? 0 : height + 2;
}

rtl::Variant TuiGridColumnCellEditor::CellDisplayValue(TuiCustomGridRecord* record) const {
    if (record == nullptr) {
        return {};
    }
    const int32_t itemIndex = FColumn.Index();
    if (FProperties->CanShowDataDisplayText(false)) {
        return rtl::Variant(rtl::AnsiToUnicode(record->GetDisplayText(itemIndex)));
    }
    return record->GetValue(itemIndex);
}

} // namespace ui
