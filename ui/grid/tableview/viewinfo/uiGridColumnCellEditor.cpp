#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"

#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/framework/uiEditProperties.h"
#include "ui/editors/framework/uiEditStyle.h"
#include "ui/editors/framework/uiEditViewData.h"
#include "ui/editors/framework/uiEditViewInfo.h"
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
}

TuiGridColumnCellEditor::~TuiGridColumnCellEditor() = default;

std::unique_ptr<TuiCustomEditViewInfo> TuiGridColumnCellEditor::CreateViewInfo() const {
    return FProperties->CreateViewInfo();
}

void TuiGridColumnCellEditor::ApplyCellStyle(vcl::TColor color, vcl::TColor textColor, const vcl::TFont* font) {
    FStyle->SetColor(color);
    FStyle->SetTextColor(textColor);
    if (font) {
        FStyle->Font().Assign(font);
    }
}

int32_t TuiGridColumnCellEditor::DefaultCellHeight(TuiCanvas& canvas, const vcl::TFont* font) {
    if (font) {
        FStyle->Font().Assign(font);
    }
    const int32_t height = FViewData->GetEditSize(canvas, rtl::Variant(), {}).cy;
    return height == 0 ? 0 : height + 2;
}

} // namespace ui
