#pragma once
// What the navigator's tests share: a navigator test host of 290 x 16 under the standard look on a shown test form,
// holding five records with the first focused.

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/NavigatorTestHost.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/painters/uiLookAndFeels.h"

#include <gtest/gtest.h>

namespace ui_test {

class NavigatorTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ShowNewTestForm(400, 120);
        Host = new TNavigatorTestHost(Form.get());
        Host->SetParent(Form.get());
        Host->LookAndFeel().SetKind(ui::lfStandard);
        Host->LookAndFeel().SetNativeStyle(false);
        Host->SetBounds(10, 10, 290, 16);
        Host->FillRecords(5);
        ProcessPendingMessages();
        Host->ViewInfo().Calculate();
        Host->Reports.clear();
    }
    void TearDown() override {
        Form.reset();
        ui::FinalizeNavigatorUnit();
    }

    ui::TuiNavigatorControlButtons& Buttons() const { return Host->Buttons(); }
    ui::TuiNavigatorViewInfo& ViewInfo() const { return Host->ViewInfo(); }
    // The laid-out button of index (a TuiNavigatorButtonIndex); fails the test when it is not laid out.
    ui::TuiNavigatorButtonViewInfo& Laid(int32_t index) const {
        ui::TuiNavigatorButtonViewInfo* viewInfo = ViewInfo().FindViewInfo(&Buttons().Buttons(index));
        if (viewInfo == nullptr) {
            throw std::runtime_error("the button is not laid out");
        }
        return *viewInfo;
    }
    vcl::TPoint CentreOf(int32_t index) const {
        const vcl::TRect& bounds = Laid(index).Bounds;
        return {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
    }

    TFormPtr<vcl::TForm> Form;
    TNavigatorTestHost* Host = nullptr;
};

} // namespace ui_test
