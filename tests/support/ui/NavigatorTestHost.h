#pragma once
// A control that shows a navigator bar over its whole client area, for the navigator's tests and the painter gallery.
// It is both the bar's host and the object the bar controls, over an unbound data controller of one Integer item:
// the buttons move through its records, insert, edit and delete them, and the Filter button opens the filter builder
// over FilterLink. It records what the bar reports to it.

#include "tests/ui/data/controller/ControllerTestSupport.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/editors/navigator/uiNavigatorButtons.h"
#include "ui/editors/navigator/uiNavigatorViewInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace ui_test {

class TNavigatorTestHost : public ui::TuiControl, public ui::IuiNavigatorOwner, public ui::IuiNavigator {
    RTL_DECLARE_CLASS(TNavigatorTestHost, ui::TuiControl)
public:
    explicit TNavigatorTestHost(rtl::TComponent* owner);
    ~TNavigatorTestHost() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    ui::TuiNavigatorControlButtons& Buttons() const { return *FButtons; }
    ui::TuiNavigatorViewInfo& ViewInfo() const { return *FViewInfo; }
    ui::test::TTestDataController& Data() const { return *FData; }
    // Replaces the records by count records numbered 1 to count and focuses the first.
    void FillRecords(int32_t count);

    // What the bar reported, in order: "state" (NavigatorButtonsStateChanged), "changed 0" to "changed 2"
    // (NavigatorChanged), "refresh" (RefreshNavigator).
    std::vector<std::string> Reports;
    // The actions DoAction ran, by button index.
    std::vector<int32_t> Actions;
    // IsActive's answer.
    bool DataActive = true;
    // The rows PriorPage and NextPage move by.
    int32_t PageSize = 3;
    // The component the filter builder links to (not owned).
    rtl::TComponent* FilterLink = nullptr;

    // IuiNavigatorOwner: the bar fills the client area.
    void NavigatorChanged(ui::TuiNavigatorChangeKind kind) override;
    vcl::TRect GetNavigatorBounds() override { return ClientRect(); }
    ui::TuiCustomNavigatorButtons& GetNavigatorButtons() override { return *FButtons; }
    vcl::TCanvas& GetNavigatorCanvas() override;
    vcl::TWinControl& GetNavigatorControl() override { return *this; }
    bool GetNavigatorFocused() override { return Focused(); }
    ui::TuiLookAndFeel& GetNavigatorLookAndFeel() override { return LookAndFeel(); }
    bool GetNavigatorShowHint() override { return ShowHint(); }
    bool GetNavigatorTabStop() override { return TabStop(); }
    void RefreshNavigator() override;
    void NavigatorButtonsStateChanged() override;

    // IuiNavigator over the data controller.
    bool CanAppend() override { return CanDo(ui::dceoAppend); }
    bool CanDelete() override { return CanDo(ui::dceoDelete); }
    bool CanEdit() override { return CanDo(ui::dceoEdit); }
    bool CanInsert() override { return CanDo(ui::dceoInsert); }
    bool IsActive() override { return DataActive; }
    bool IsBof() override { return FData->IsFirstRowFocused(); }
    bool IsBookmarkAvailable() override { return FData->IsBookmarkAvailable(); }
    bool IsEditing() override { return FData->IsEditingRecord(); }
    bool IsEof() override { return FData->IsLastRowFocused(); }
    void ClearBookmark() override { FData->ClearBookmark(); }
    void DoAction(int32_t buttonIndex) override;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave(vcl::TControl* control) override;
    void BoundsChanged() override;
    void FocusChanged() override;
    void LookAndFeelChanged(ui::TuiLookAndFeel* sender, ui::TuiLookAndFeelValues changed) override;

private:
    bool CanDo(ui::TuiDataEditOperation operation) const { return FData->GetEditOperations().Contains(operation); }
    void MoveFocusBy(int32_t rows);
    void Relayout();

    std::unique_ptr<ui::test::TTestDataController> FData;
    std::unique_ptr<ui::TuiNavigatorControlButtons> FButtons;
    std::unique_ptr<ui::TuiNavigatorViewInfo> FViewInfo;
};

} // namespace ui_test
