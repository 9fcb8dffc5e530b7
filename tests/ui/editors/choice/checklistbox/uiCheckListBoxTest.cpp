// The check list box as a form and a user drive it: the states held in one EditValue in each format, the grayed state
// and the 64-item rule of cvfInteger, renames under cvfCaptions, toggling by mouse, space and double click, the
// repainting of hot and pressed checks, and the rows painted on a 32-bit DIB.

#include "ui/editors/choice/checklistbox/uiCheckListBox.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/objects/uxException.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/graphics/Font.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

namespace ui {
namespace {

class CheckListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(360, 240);
        List = ui_test::PlaceOnForm<TuiCheckListBox>(*Form, 10, 10, 160, 120);
        AddItems({u"A", u"B", u"C"});
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
    }

    void AddItems(std::initializer_list<const char16_t*> texts) {
        for (const char16_t* text : texts) {
            List->Items().AddItem()->SetText(text);
        }
    }
    TuiCheckListBoxItem& Item(int32_t index) const { return *List->Items().GetItem(index); }
    TuiCustomInnerCheckListBox& Inner() const { return List->InnerCheckListBox(); }
    std::vector<TuiCheckBoxState> States() const {
        std::vector<TuiCheckBoxState> states;
        for (int32_t i = 0; i < List->GetItemCount(); ++i) {
            states.push_back(Item(i).State());
        }
        return states;
    }
    vcl::TRect CheckRect(int32_t index) const { return Inner().GetCheckRect(Inner().ItemRect(index), false); }
    vcl::TPoint CheckCentre(int32_t index) const {
        const vcl::TRect rect = CheckRect(index);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
    // A point on the text of item index, right of its check.
    vcl::TPoint TextPoint(int32_t index) const {
        const vcl::TRect rect = Inner().ItemRect(index);
        return {Inner().GetCheckRegionWidth() + 10, (rect.Top + rect.Bottom) / 2};
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TuiCheckListBox* List = nullptr;
};

constexpr TuiCheckBoxState U = cbsUnchecked;
constexpr TuiCheckBoxState X = cbsChecked;
constexpr TuiCheckBoxState G = cbsGrayed;

TEST_F(CheckListBoxTest, CheckedItemsMakeOneInt64AndAnAssignedNumberChecksItsBits) {
    EXPECT_EQ(List->EditValueFormat(), cvfInteger);
    Item(0).SetState(X);
    Item(2).SetState(X);
    ASSERT_EQ(List->EditValue().VarType(), rtl::varInt64);
    EXPECT_EQ(List->EditValue().StoredSigned(), 5);

    List->SetEditValue(rtl::Variant(int32_t{6}));
    EXPECT_EQ(States(), (std::vector{U, X, X}));
    List->SetEditValue(rtl::Variant(u"5x"));
    EXPECT_EQ(States(), (std::vector{U, U, U})) << "a value that does not decode unchecks every item";
}

TEST_F(CheckListBoxTest, EachFormatEncodesTheStatesOfTheList) {
    struct Case {
        TuiCheckStatesValueFormat Format;
        rtl::Variant Expected;
    };
    const Case cases[] = {{cvfCaptions, rtl::Variant(u"1:B;1:A")},
                          {cvfIndices, rtl::Variant(u"1;0")},
                          {cvfStatesString, rtl::Variant(u"120")}};
    for (const Case& test : cases) {
        List->SetEditValueFormat(test.Format);
        Item(0).SetState(X);
        Item(1).SetState(G);
        EXPECT_EQ(rtl::VarToStr(List->EditValue()), rtl::VarToStr(test.Expected)) << int(test.Format);
        // Assigned back after clearing, the value gives the same states.
        List->SetEditValue(rtl::Variant::Null());
        EXPECT_EQ(States(), (std::vector{U, U, U}));
        List->SetEditValue(test.Expected);
        EXPECT_EQ(States(), (std::vector{X, G, U})) << int(test.Format);
        List->SetEditValue(rtl::Variant::Null());
    }
}

TEST_F(CheckListBoxTest, WithAllowGrayedAClickCyclesThroughGrayedExceptUnderInteger) {
    List->SetAllowGrayed(true);
    std::vector<TuiCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        Inner().Toggle(0);
        seen.push_back(Item(0).State());
    }
    EXPECT_EQ(seen, (std::vector{X, U, X})) << "cvfInteger has no grayed state";

    List->SetEditValueFormat(cvfIndices);
    Item(0).SetState(U);
    seen.clear();
    for (int i = 0; i < 3; ++i) {
        Inner().Toggle(0);
        seen.push_back(Item(0).State());
    }
    EXPECT_EQ(seen, (std::vector{G, X, U}));
}

TEST_F(CheckListBoxTest, SwitchingFromStatesStringToIntegerAfterAToggleUnchecksGrayedItems) {
    List->SetEditValueFormat(cvfStatesString);
    List->SetAllowGrayed(true);
    Inner().Toggle(0);
    Inner().Toggle(1);
    Inner().Toggle(1);
    EXPECT_EQ(rtl::VarToStr(List->EditValue()), u"210");
    List->SetEditValueFormat(cvfInteger);
    EXPECT_EQ(States(), (std::vector{U, X, U}));
    ASSERT_EQ(List->EditValue().VarType(), rtl::varInt64);
    EXPECT_EQ(List->EditValue().StoredSigned(), 2);
}

TEST_F(CheckListBoxTest, A65thItemRaisesUnderIntegerOnly) {
    for (int32_t i = 3; i < uiCheckStatesIntegerBits; ++i) {
        List->Items().AddItem()->SetText(u"item");
    }
    EXPECT_THROW(List->Items().AddItem(), EuxException);
    List->Items().Delete(List->GetItemCount() - 1);

    List->SetEditValueFormat(cvfCaptions);
    EXPECT_NO_THROW(List->Items().AddItem());
    EXPECT_EQ(List->GetItemCount(), 65);
    try {
        List->SetEditValueFormat(cvfInteger);
        ADD_FAILURE() << "cvfInteger over 65 items";
    } catch (const EuxException& error) {
        EXPECT_EQ(error.Message(),
                  u"The number of items cannot be greater than 64, if the EditValueFormat is cvfInteger");
    }
    EXPECT_EQ(List->EditValueFormat(), cvfCaptions) << "a refused format leaves the list as it was";
}

TEST_F(CheckListBoxTest, UnderCaptionsARenameFollowsAToggleButIsReadAgainstAnAssignedValue) {
    List->SetEditValueFormat(cvfCaptions);
    Inner().Toggle(0);
    EXPECT_EQ(rtl::VarToStr(List->EditValue()), u";1:A");
    Item(0).SetText(u"Ab");
    EXPECT_EQ(rtl::VarToStr(List->EditValue()), u";2:Ab") << "the states were the last to change";

    List->SetEditValue(rtl::Variant(u";1:B"));
    EXPECT_EQ(States(), (std::vector{U, X, U}));
    Item(1).SetText(u"Bee");
    EXPECT_EQ(States(), (std::vector{U, U, U})) << "the value names no item Bee";
    EXPECT_EQ(rtl::VarToStr(List->EditValue()), u";1:B");
}

TEST_F(CheckListBoxTest, AnUnchangedValueFiresNoEditValueChanged) {
    int changes = 0;
    List->SetOnEditValueChanged([&changes](rtl::TObject*) { ++changes; });
    List->SetEditValue(rtl::Variant(int64_t{1}));
    EXPECT_EQ(changes, 1);
    List->SetEditValue(rtl::Variant(int64_t{1}));
    Item(0).SetState(X);
    EXPECT_EQ(changes, 1);
    Inner().Toggle(1);
    EXPECT_EQ(changes, 2);
    List->SetEditValue(rtl::Variant(int32_t{3}));
    EXPECT_EQ(changes, 3) << "the same number of another type is a change";
}

TEST_F(CheckListBoxTest, AClickOnACheckTogglesOnlyWhenReleasedOverItAndReportsTheChange) {
    std::vector<int32_t> clicked;
    List->SetOnClickCheck([&](rtl::TObject* sender, int32_t index, TuiCheckBoxState previous, TuiCheckBoxState next) {
        EXPECT_EQ(sender, List);
        EXPECT_EQ(previous, U);
        EXPECT_EQ(next, X);
        clicked.push_back(index);
    });
    ui_test::MouseDown(Inner(), vcl::mbLeft, CheckCentre(1));
    EXPECT_EQ(Inner().PressedCheck(), 1);
    ui_test::MouseMove(Inner(), TextPoint(1), {vcl::ssLeft});
    EXPECT_EQ(Inner().PressedCheck(), -1) << "off the check it no longer shows pressed";
    ui_test::MouseUp(Inner(), vcl::mbLeft, TextPoint(1));
    EXPECT_EQ(States(), (std::vector{U, U, U}));

    ui_test::Click(Inner(), CheckCentre(1));
    EXPECT_EQ(States(), (std::vector{U, X, U}));
    EXPECT_EQ(clicked, std::vector{1});
}

TEST_F(CheckListBoxTest, ADoubleClickOnTheTextTogglesOnlyWithAllowDblClickToggle) {
    ui_test::DoubleClick(Inner(), TextPoint(2));
    EXPECT_EQ(Item(2).State(), X);
    List->SetAllowDblClickToggle(false);
    ui_test::DoubleClick(Inner(), TextPoint(2));
    EXPECT_EQ(Item(2).State(), X);
    EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(CheckListBoxTest, SpaceTogglesTheCurrentItemAndADisabledItemNeverToggles) {
    List->SetFocus();
    List->SetItemIndex(0);
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_SPACE);
    EXPECT_EQ(States(), (std::vector{X, U, U}));

    Item(1).SetEnabled(false);
    List->SetItemIndex(1);
    ui_test::PressKey(VK_SPACE);
    ui_test::Click(Inner(), CheckCentre(1));
    ui_test::DoubleClick(Inner(), TextPoint(1));
    Inner().Toggle(1);
    EXPECT_EQ(States(), (std::vector{X, U, U}));
}

TEST_F(CheckListBoxTest, AReadOnlyBindingRefusesEveryToggle) {
    List->SetReadOnly(true);
    ui_test::Click(Inner(), CheckCentre(0));
    List->SetFocus();
    List->SetItemIndex(1);
    ui_test::PressKey(VK_SPACE);
    EXPECT_EQ(States(), (std::vector{U, U, U}));
}

// The region waiting to be painted, compared with the given rectangles joined.
bool UpdateRegionIs(HWND window, std::initializer_list<vcl::TRect> rects) {
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    HRGN expected = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, update, FALSE);
    for (const vcl::TRect& rect : rects) {
        HRGN part = CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
        CombineRgn(expected, expected, part, RGN_OR);
        DeleteObject(part);
    }
    const bool equal = EqualRgn(update, expected) != FALSE;
    DeleteObject(update);
    DeleteObject(expected);
    return equal;
}

LPARAM PointParam(vcl::TPoint point) {
    return MAKELPARAM(point.X, point.Y);
}

TEST_F(CheckListBoxTest, AHotOrPressedChangeRepaintsOnlyTheTwoCheckRectangles) {
    const HWND window = Inner().WindowHandle();
    const auto inflated = [this](int32_t index) { return Inner().GetCheckRect(Inner().ItemRect(index), true); };
    SetCursorPos(0, 0);
    ValidateRect(window, nullptr);
    SendMessageW(window, WM_MOUSEMOVE, 0, PointParam(CheckCentre(0)));
    EXPECT_EQ(Inner().HotCheck(), 0);
    EXPECT_TRUE(UpdateRegionIs(window, {inflated(0)}));

    ValidateRect(window, nullptr);
    SendMessageW(window, WM_MOUSEMOVE, 0, PointParam(CheckCentre(2)));
    EXPECT_EQ(Inner().HotCheck(), 2);
    EXPECT_TRUE(UpdateRegionIs(window, {inflated(0), inflated(2)}));

    ValidateRect(window, nullptr);
    SendMessageW(window, WM_MOUSEMOVE, 0, PointParam(TextPoint(2)));
    EXPECT_EQ(Inner().HotCheck(), -1);
    EXPECT_TRUE(UpdateRegionIs(window, {inflated(2)}));
}

TEST_F(CheckListBoxTest, AToggledCheckRepaintedAloneLooksAsAFullRepaint) {
    const HWND window = Inner().WindowHandle();
    ui_test::TDibSurface partial(Inner().Width(), Inner().Height());
    ui_test::TDibSurface full(Inner().Width(), Inner().Height());
    Inner().Toggle(1);
    UpdateWindow(window);
    ui_test::CopyWindowPixels(window, partial);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    ui_test::CopyWindowPixels(window, full);
    EXPECT_EQ(partial.Pixels(), full.Pixels());
}

// Paints the list on a surface of its size.
class CheckListBoxPaintTest : public CheckListBoxTest {
protected:
    std::unique_ptr<ui_test::TDibSurface> Paint() {
        ui_test::ProcessPendingMessages();
        auto surface = std::make_unique<ui_test::TDibSurface>(List->Width(), List->Height());
        ui_test::PaintControl(*List, *surface);
        return surface;
    }
    // Item index's row in the list's coordinates.
    vcl::TRect Row(int32_t index) const {
        vcl::TRect rect = Inner().ItemRect(index);
        const vcl::TPoint offset{Inner().Left(), Inner().Top()};
        return {rect.Left + offset.X, rect.Top + offset.Y, rect.Right + offset.X, rect.Bottom + offset.Y};
    }
    // The text of the row drawn alone, in the row's size, as DrawTextEx draws it with flags from the check region's
    // width plus 2, over the window colour.
    std::unique_ptr<ui_test::TDibSurface> ReferenceText(int32_t index, uint32_t flags, int32_t tabWidth) {
        const vcl::TRect row = Row(index);
        auto reference = std::make_unique<ui_test::TDibSurface>(row.Width(), row.Height());
        ui_test::TDibSurface& surface = *reference;
        surface.Fill(vcl::clWindow);
        const HGDIOBJ previousFont = SelectObject(surface.DC(), List->EffectiveFont().Handle());
        SetBkMode(surface.DC(), TRANSPARENT);
        SetTextColor(surface.DC(), static_cast<COLORREF>(vcl::ColorToRGB(List->EffectiveFont().Color())));
        RECT text{Inner().GetCheckRegionWidth() + 2, 0, row.Width(), row.Height()};
        DRAWTEXTPARAMS params{};
        params.cbSize = sizeof params;
        params.iTabLength = tabWidth;
        const std::u16string caption = Item(index).Text();
        DrawTextExW(surface.DC(), const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(caption.c_str())),
                    static_cast<int>(caption.size()), &text, flags, &params);
        SelectObject(surface.DC(), previousFont);
        return reference;
    }
    // Whether the text part of row index on surface matches reference.
    bool TextMatches(const ui_test::TDibSurface& surface, int32_t index, const ui_test::TDibSurface& reference) {
        const vcl::TRect row = Row(index);
        for (int y = 0; y < row.Height(); ++y) {
            for (int x = Inner().GetCheckRegionWidth(); x < row.Width(); ++x) {
                if (surface.Pixel(row.Left + x, row.Top + y) != reference.Pixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST_F(CheckListBoxPaintTest, TheTextIsDrawnAsDrawTextExDrawsItAfterTheCheckRegion) {
    struct Case {
        const char16_t* Text;
        int32_t TabWidth;
        uint32_t Flags;
    };
    const Case cases[] = {{u"&Wide\tTab", 0, 0x824}, {u"&Wide\tTab", 12, 0x8E4}};
    for (const Case& test : cases) {
        Item(1).SetText(test.Text);
        List->SetTabWidth(test.TabWidth);
        const auto surface = Paint();
        EXPECT_TRUE(TextMatches(*surface, 1, *ReferenceText(1, test.Flags, test.TabWidth))) << test.TabWidth;
        EXPECT_FALSE(TextMatches(*surface, 1, *ReferenceText(1, test.Flags ^ DT_NOPREFIX, test.TabWidth)))
            << "the ampersand is shown as it is";
    }
}

TEST_F(CheckListBoxPaintTest, ASelectedRowIsFilledWithTheSelectionColourAndADisabledTextTakesTheAssignedColour) {
    List->SetItemSelected(0, true);
    Item(2).SetText(u"WWWW");
    Item(2).SetEnabled(false);
    List->StyleDisabled().SetTextColor(vcl::clRed);
    const auto painted = Paint();
    const ui_test::TDibSurface& surface = *painted;
    // On the screen, the fill reaches the row's right end.
    ui_test::TDibSurface screen(Inner().Width(), Inner().Height());
    ui_test::CopyWindowPixels(Inner().WindowHandle(), screen);
    const vcl::TRect selected = Inner().ItemRect(0);
    const vcl::TColor selection = vcl::ColorToRGB(List->LookAndFeel().ActivePainter()->SelectionColor());
    EXPECT_EQ(screen.Pixel(selected.Right - 1, selected.Top + 1), selection);
    EXPECT_EQ(surface.Pixel(Row(0).Left + Inner().GetCheckRegionWidth(), Row(0).Top + 1), selection);

    const vcl::TRect disabled = Row(2);
    const vcl::TColor redText = vcl::ColorToRGB(vcl::clRed);
    int red = 0;
    for (int y = disabled.Top; y < disabled.Bottom; ++y) {
        for (int x = disabled.Left + Inner().GetCheckRegionWidth(); x < disabled.Right; ++x) {
            red += surface.Pixel(x, y) == redText ? 1 : 0;
        }
    }
    EXPECT_GT(red, 10);
}

TEST_F(CheckListBoxPaintTest, ChecksAreDrawnInEveryLookAndPaintingTwiceGivesTheSamePixels) {
    Item(0).SetState(X);
    for (const TuiLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
        List->LookAndFeel().SetKind(kind);
        const auto painted = Paint();
        const ui_test::TDibSurface& first = *painted;
        EXPECT_EQ(first.Pixels(), Paint()->Pixels()) << int(kind);
        // A checked and an unchecked check differ; the text after the region does not.
        const vcl::TRect checked = Row(0);
        const vcl::TRect unchecked = Row(1);
        int differing = 0;
        for (int y = 0; y < checked.Height(); ++y) {
            for (int x = 0; x < Inner().GetCheckRegionWidth(); ++x) {
                differing +=
                    first.Pixel(checked.Left + x, checked.Top + y) != first.Pixel(unchecked.Left + x, unchecked.Top + y)
                        ? 1
                        : 0;
            }
        }
        EXPECT_GT(differing, 4) << int(kind);
    }
}

} // namespace
} // namespace ui
