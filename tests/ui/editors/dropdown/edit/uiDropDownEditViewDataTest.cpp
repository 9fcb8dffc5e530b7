#include "ui/editors/dropdown/edit/uiDropDownEditViewData.h"

#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr vcl::TRect comboBounds{0, 0, 100, 22};
constexpr vcl::TPoint overTheText{20, 10};
constexpr vcl::TPoint awayFromIt{-1, -1};

// A combo box's view data calculated on a small surface.
struct TComboViewData {
    ui::TuiComboBoxProperties Properties{nullptr};
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> ViewData;
    std::unique_ptr<ui::TuiCustomEditViewInfo> ViewInfo = Properties.CreateViewInfo();
    ui_test::TCanvasSurface On{110, 30};

    explicit TComboViewData(ui::TuiEditDropDownListStyle listStyle) {
        Style.SetIgnoresDefaultController(true);
        Properties.SetDropDownListStyle(listStyle);
        ViewData = Properties.CreateViewData(Style, false);
    }
    ui::TuiCustomDropDownEditViewData& DropDown() { return static_cast<ui::TuiCustomDropDownEditViewData&>(*ViewData); }
    void Calculate(vcl::TPoint mouse) {
        ViewData->Calculate(On.Canvas, comboBounds, false, *ViewInfo, {}, std::nullopt, mouse);
    }
};

struct TComboStateCase {
    const char* Name;
    bool Enabled;
    bool Focused;
    bool PopupShown;
    vcl::TPoint Mouse;
    int32_t ListOnlyState;
    int32_t EditableState;
};

// A fixed list on Windows 6.1 takes the combo box's states, where focus alone changes nothing; an editable list keeps
// the edit field's.
TEST(DropDownEditViewData, AFixedListTakesTheThemedComboBoxStatesOnWindows6) {
    const ui_test::TPinnedSystemInfo windows7({ui::uxPlatformWinNT, 6, 1});
    const TComboStateCase cases[] = {
        {"normal", true, false, false, awayFromIt, 1, 1},      {"focused", true, true, false, awayFromIt, 1, 5},
        {"hot", true, false, false, overTheText, 2, 2},        {"open", true, true, true, awayFromIt, 3, 5},
        {"open and hot", true, true, true, overTheText, 3, 2}, {"disabled", false, false, false, overTheText, 4, 4},
    };
    for (const TComboStateCase& sample : cases) {
        for (const bool listOnly : {true, false}) {
            TComboViewData combo(listOnly ? ui::lsFixedList : ui::lsEditList);
            combo.ViewData->Enabled = sample.Enabled;
            combo.ViewData->Focused = sample.Focused;
            combo.DropDown().PopupShown = sample.PopupShown;
            combo.Calculate(sample.Mouse);
            EXPECT_EQ(combo.ViewData->GetEditNativeState(), listOnly ? sample.ListOnlyState : sample.EditableState)
                << sample.Name << (listOnly ? ", fixed list" : ", editable list");
            if (ui::AreVisualStylesActive({ui::totEdit, ui::totComboBox}) && listOnly) {
                combo.Style.LookAndFeel().SetNativeStyle(true);
                combo.Calculate(sample.Mouse);
                EXPECT_EQ(combo.ViewInfo->ThemeState, sample.ListOnlyState) << sample.Name << ", painted natively";
            }
        }
    }
}

TEST(DropDownEditViewData, BeforeWindows6AFixedListKeepsTheEditFieldStates) {
    const ui_test::TPinnedSystemInfo windowsXP({ui::uxPlatformWinNT, 5, 1});
    TComboViewData combo(ui::lsFixedList);
    combo.ViewData->Focused = true;
    combo.DropDown().PopupShown = true;
    combo.Calculate(awayFromIt);
    EXPECT_EQ(combo.ViewData->GetEditNativeState(), 5);
}

// The popup is hot only while it is open and the pointer lies over the editor with no mouse button held.
TEST(DropDownEditViewData, ThePopupIsHotWhileOpenWithThePointerOverTheEditor) {
    TComboViewData combo(ui::lsFixedList);
    combo.Calculate(overTheText);
    EXPECT_FALSE(combo.DropDown().IsPopupHot()) << "closed";
    combo.DropDown().PopupShown = true;
    combo.Calculate(awayFromIt);
    EXPECT_FALSE(combo.DropDown().IsPopupHot()) << "pointer away";
    combo.Calculate(overTheText);
    EXPECT_TRUE(combo.DropDown().IsPopupHot());
    combo.ViewData->Calculate(combo.On.Canvas, comboBounds, false, *combo.ViewInfo, vcl::TShiftState{vcl::ssLeft},
                              std::nullopt, overTheText);
    EXPECT_FALSE(combo.DropDown().IsPopupHot()) << "left button held";
}

} // namespace
