#include "tests/support/ui/NavigatorTestHost.h"

#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/filterdialog/uiFilterControlDialog.h"

#include <algorithm>

namespace ui_test {

TNavigatorTestHost::TNavigatorTestHost(rtl::TComponent* owner)
    : TuiControl(owner), FData(std::make_unique<ui::test::TTestDataController>()),
      FButtons(std::make_unique<ui::TuiNavigatorControlButtons>(*this)),
      FViewInfo(std::make_unique<ui::TuiNavigatorViewInfo>(*this, false)) {
    FData->AddTypedItem(&ui::TuiIntegerValueType::Instance());
    FButtons->SetNavigatorSource([this]() -> ui::IuiNavigator* { return this; });
}

TNavigatorTestHost::~TNavigatorTestHost() = default;

bool TNavigatorTestHost::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<ui::IuiNavigatorOwner, ui::IuiNavigator>(this, iid, object) ||
           TuiControl::QueryInterface(iid, object);
}

void TNavigatorTestHost::FillRecords(int32_t count) {
    FData->SetRecordCount(0);
    for (int32_t number = 1; number <= count; ++number) {
        FData->AddRecord({rtl::Variant(number)});
    }
    FData->ChangeFocusedRowIndex(0);
}

void TNavigatorTestHost::Relayout() {
    FViewInfo->MakeDirty();
    Invalidate();
}

void TNavigatorTestHost::NavigatorChanged(ui::TuiNavigatorChangeKind kind) {
    Reports.push_back("changed " + std::to_string(kind));
    // The bar keeps the hints it read with its layout, so a change with nothing to show calculates again at once.
    if (kind == ui::nckProperties) {
        FViewInfo->Calculate();
    } else {
        Relayout();
    }
}

vcl::TCanvas& TNavigatorTestHost::GetNavigatorCanvas() {
    return Canvas();
}

void TNavigatorTestHost::RefreshNavigator() {
    Reports.push_back("refresh");
    FViewInfo->UpdateButtonsEnabled();
}

void TNavigatorTestHost::NavigatorButtonsStateChanged() {
    Reports.push_back("state");
    Relayout();
}

void TNavigatorTestHost::MoveFocusBy(int32_t rows) {
    FData->ChangeFocusedRowIndex(std::max(FData->GetFocusedRowIndex() + rows, 0));
}

void TNavigatorTestHost::DoAction(int32_t buttonIndex) {
    Actions.push_back(buttonIndex);
    switch (buttonIndex) {
    case ui::nbiFirst:
        FData->GotoFirst();
        break;
    case ui::nbiPriorPage:
        MoveFocusBy(-PageSize);
        break;
    case ui::nbiPrior:
        MoveFocusBy(-1);
        break;
    case ui::nbiNext:
        MoveFocusBy(1);
        break;
    case ui::nbiNextPage:
        MoveFocusBy(PageSize);
        break;
    case ui::nbiLast:
        FData->GotoLast();
        break;
    case ui::nbiInsert:
        FData->Insert();
        break;
    case ui::nbiAppend:
        FData->Append();
        break;
    case ui::nbiDelete:
        FData->DeleteFocused();
        break;
    case ui::nbiEdit:
        FData->Edit();
        break;
    case ui::nbiPost:
        FData->Post();
        break;
    case ui::nbiCancel:
        FData->Cancel();
        break;
    case ui::nbiRefresh:
        FData->Refresh();
        break;
    case ui::nbiSaveBookmark:
        FData->SaveBookmark();
        break;
    case ui::nbiGotoBookmark:
        FData->GotoBookmark();
        break;
    case ui::nbiFilter:
        ui::ShowFilterBuilderDialog(FilterLink, &LookAndFeel());
        break;
    default:
        break;
    }
}

void TNavigatorTestHost::Paint() {
    FViewInfo->Paint();
}

void TNavigatorTestHost::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseDown(button, shift, x, y);
    if (button == vcl::mbLeft) {
        FViewInfo->TrackMouseDown(x, y);
    }
}

void TNavigatorTestHost::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    FViewInfo->TrackMouseMove(x, y);
}

void TNavigatorTestHost::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseUp(button, shift, x, y);
    if (button == vcl::mbLeft) {
        FViewInfo->TrackMouseUp(x, y);
    }
}

void TNavigatorTestHost::MouseLeave(vcl::TControl* control) {
    TuiControl::MouseLeave(control);
    FViewInfo->TrackMouseMove(-1, -1);
}

void TNavigatorTestHost::BoundsChanged() {
    TuiControl::BoundsChanged();
    Relayout();
}

void TNavigatorTestHost::FocusChanged() {
    TuiControl::FocusChanged();
    FViewInfo->UpdateSelected();
    Invalidate();
}

void TNavigatorTestHost::LookAndFeelChanged(ui::TuiLookAndFeel* sender, ui::TuiLookAndFeelValues changed) {
    TuiControl::LookAndFeelChanged(sender, changed);
    Relayout();
}

} // namespace ui_test
