#pragma once
// What the filter control's tests share: a fixture that shows a filter control linked to a TTestFilterLink on a test
// form, the editors' units started as the application starts them.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/filtercontrol/FilterControlUnits.h"
#include "tests/ui/editors/filtercontrol/FilterTestLink.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlCriteria.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// Posts the keys to window while a popup menu's own loop runs (it reads the thread's key messages).
inline void PressMenuKeysLater(HWND window, std::vector<WPARAM> keys) {
    RunLater(100, [window, keys] {
        for (const WPARAM key : keys) {
            PostMessageW(window, WM_KEYDOWN, key, 1);
            PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
        }
    });
}

// A filter control of 400 x 260 on a shown form, linked to a TTestFilterLink and focused.
class FilterControlTest : public testing::Test {
protected:
    void SetUp() override {
        Units = std::make_unique<TFilterControlUnits>();
        Form = ShowNewTestForm(440, 300);
        Link = new TTestFilterLink(Form.get());
        Control = CreateControl();
        Control->SetParent(Form.get());
        Control->SetBounds(10, 10, 400, 260);
        Control->SetLinkComponent(Link);
        Control->SetFocus();
        ProcessPendingMessages();
    }
    void TearDown() override {
        Form.reset();
        Units.reset();
    }
    virtual ui::TuiFilterControl* CreateControl() { return new ui::TuiFilterControl(Form.get()); }

    ui::TuiConditionViewInfo& ConditionAt(int32_t rowIndex) const {
        return dynamic_cast<ui::TuiConditionViewInfo&>(Control->Rows(rowIndex));
    }
    ui::TuiGroupViewInfo& GroupAt(int32_t rowIndex) const {
        return dynamic_cast<ui::TuiGroupViewInfo&>(Control->Rows(rowIndex));
    }
    // A condition in the root on item with the operator number.
    ui::TuiConditionViewInfo& AddCondition(int32_t item, int32_t number) {
        ui::TuiConditionViewInfo& condition = Control->AddConditionRow(Control->Root());
        Control->SetConditionItem(condition, item);
        Control->SetConditionOperator(condition, number);
        return condition;
    }
    void SetValues(ui::TuiConditionViewInfo& condition, std::initializer_list<int32_t> values) {
        condition.Values().Resize(static_cast<int32_t>(values.size()));
        int32_t index = 0;
        for (const int32_t value : values) {
            const std::string digits = std::to_string(value);
            Control->SetConditionValue(condition, index++, rtl::Variant(value),
                                       rtl::UnicodeString(digits.begin(), digits.end()));
        }
    }
    // The centre of a part of a row (client coordinates).
    vcl::TPoint PartCentre(const ui::TuiCustomRowViewInfo* row, ui::TuiFilterControlPart part,
                           int32_t valueIndex = -1) const {
        const vcl::TRect rect = Control->ViewInfo().PartRect(row, part, valueIndex);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
    void ClickPart(const ui::TuiCustomRowViewInfo* row, ui::TuiFilterControlPart part, int32_t valueIndex = -1) {
        Click(*Control, PartCentre(row, part, valueIndex));
        ProcessPendingMessages();
    }

    std::unique_ptr<TFilterControlUnits> Units;
    TFormPtr<vcl::TForm> Form;
    TTestFilterLink* Link = nullptr;
    ui::TuiFilterControl* Control = nullptr;
};

} // namespace ui_test
