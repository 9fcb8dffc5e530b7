#pragma once
// What the spin and time editor tests share: an editor of the class under test whose calculated view info a test
// reads (the buttons' places and states), on a form beside an ordinary edit that takes the focus away, with the
// invariant format settings whatever the machine's locale says.

#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <gtest/gtest.h>
#include <memory>

namespace ui_test {

template <class TEditor>
class TInspectedEdit : public TEditor {
public:
    using TEditor::TEditor;

    // The view info with the pointer at point.
    std::unique_ptr<ui::TuiCustomEditViewInfo> ViewInfoAt(vcl::TPoint point = {-1, -1}) {
        return this->CalculateViewInfoAt(this->UICanvas(), point);
    }
    // The bounds of the button with that index (the step direction).
    vcl::TRect ButtonBounds(int32_t index) {
        const auto viewInfo = ViewInfoAt();
        for (int32_t slot = 0; slot < viewInfo->ButtonCount(); ++slot) {
            if (viewInfo->Buttons(slot).ButtonIndex == index) {
                return viewInfo->Buttons(slot).Bounds;
            }
        }
        return {};
    }
    vcl::TPoint ButtonCentre(int32_t index) {
        const vcl::TRect bounds = ButtonBounds(index);
        return {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
    }
    // The state of the button with that index, the pointer at point.
    ui::TuiEditButtonVisualState ButtonState(int32_t index, vcl::TPoint point = {-1, -1}) {
        const auto viewInfo = ViewInfoAt(point);
        for (int32_t slot = 0; slot < viewInfo->ButtonCount(); ++slot) {
            if (viewInfo->Buttons(slot).ButtonIndex == index) {
                return viewInfo->Buttons(slot).State;
            }
        }
        return ui::ebvsDisabled;
    }
};

template <class TEditor>
class TEditorFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = rtl::FormatSettings();
        rtl::FormatSettings() = rtl::TFormatSettings::Invariant();
        Form = ShowNewTestForm(400, 200);
        Other = PlaceFocusTaker(*Form);
        Edit = PlaceOnForm<TInspectedEdit<TEditor>>(*Form, 10, 10, 200, 21);
        ProcessPendingMessages();
    }
    void TearDown() override {
        Form.reset();
        rtl::FormatSettings() = FSaved;
    }
    void Focus() {
        Edit->InnerEdit().SetFocus();
        ProcessPendingMessages();
    }
    void FocusOther() {
        Other->SetFocus();
        ProcessPendingMessages();
    }
    static void Type(const char16_t* text) {
        TypeText(text);
        ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        PressKey(key, shift);
        ProcessPendingMessages();
    }
    // Focused, the text selected and deleted.
    void FocusEmpty() {
        Focus();
        Edit->SelectAll();
        Press(VK_DELETE);
    }

    TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;             // owned by the form
    TInspectedEdit<TEditor>* Edit = nullptr; // owned by the form

private:
    rtl::TFormatSettings FSaved;
};

} // namespace ui_test
