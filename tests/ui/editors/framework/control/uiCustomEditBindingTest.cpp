// An editor bound to data through its binding: painted as a copy for another window it shows the data's stored
// value, Escape restores that value; and the questions about the background an editor lets through.

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace ui {
namespace {

using ui_test::TTestEdit;

// Shows its value, a colour, over the whole client area.
class TColorValueViewInfo : public TuiCustomEditViewInfo {
public:
    void Paint(TuiCanvas& canvas) override {
        TuiCustomEditViewInfo::Paint(canvas);
        canvas.FillRectColor(ClientRect, ValueColor);
    }
    vcl::TColor ValueColor = vcl::clWhite;
};

class TColorValueViewData : public TuiCustomEditViewData {
public:
    using TuiCustomEditViewData::TuiCustomEditViewData;
    // Values that are no colours (the texts typed into the editor) show white.
    void ApplyDisplayValue(TuiCanvas&, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override {
        static_cast<TColorValueViewInfo&>(viewInfo).ValueColor =
            value.VarType() == rtl::varInteger ? static_cast<vcl::TColor>(rtl::VarToInt64(value)) : vcl::clWhite;
    }
};

class TColorValueProperties : public ui_test::TTestEditProperties {
    RTL_DECLARE_CLASS(TColorValueProperties, ui_test::TTestEditProperties)
public:
    using TTestEditProperties::TTestEditProperties;
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace, bool) override {
        return std::make_unique<TColorValueViewData>(*this, style, isInplace);
    }
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override {
        return std::make_unique<TColorValueViewInfo>();
    }
};

class TColorValueEdit : public TTestEdit {
    RTL_DECLARE_CLASS(TColorValueEdit, TTestEdit)
public:
    explicit TColorValueEdit(rtl::TComponent* owner) : TTestEdit(owner, TColorValueProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TColorValueProperties::StaticClass(); }
    using TuiCustomEdit::PaintCopy;
};

// The data says the editor is bound to it.
class TBoundDataProvider : public TuiCustomEditDefaultValuesProvider {
    RTL_DECLARE_CLASS(TBoundDataProvider, TuiCustomEditDefaultValuesProvider)
public:
    using TuiCustomEditDefaultValuesProvider::TuiCustomEditDefaultValuesProvider;
    bool IsBoundToData() override { return true; }
};

// A binding to a stored value of its own.
class TStoredValueBinding : public TuiEditDataBinding {
public:
    explicit TStoredValueBinding(TuiCustomEdit* editor)
        : TuiEditDataBinding(editor, TBoundDataProvider::StaticClass()) {}
    void GetStoredValue(rtl::Variant& value) override { value = Stored; }
    rtl::Variant Stored;
};

class TBoundEdit : public TColorValueEdit {
    RTL_DECLARE_CLASS(TBoundEdit, TColorValueEdit)
public:
    explicit TBoundEdit(rtl::TComponent* owner) : TColorValueEdit(owner) {
        auto binding = std::make_unique<TStoredValueBinding>(this);
        Binding = binding.get();
        SetDataBinding(std::move(binding));
    }
    TStoredValueBinding* Binding;
};

class TuiCustomEditBindingTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Bound = Place(new TBoundEdit(Form.get()), 10);
        Unbound = Place(new TColorValueEdit(Form.get()), 50);
        ui_test::ProcessPendingMessages();
    }

    template <class TEdit>
    TEdit* Place(TEdit* edit, int top) {
        edit->SetAutoSize(false);
        edit->SetParent(Form.get());
        edit->SetBounds(10, top, 120, 25);
        TuiEditStyle& normal = edit->EditStyle(essNormal);
        normal.SetBorderStyle(ebsSingle);
        normal.SetBorderColor(vcl::clBlack);
        normal.SetTransparentBorder(false);
        normal.SetHotTrack(false);
        return edit;
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TBoundEdit* Bound = nullptr;
    TColorValueEdit* Unbound = nullptr;
};

TEST_F(TuiCustomEditBindingTest, OnlyABindingWhoseDataSaysSoBindsTheEditor) {
    EXPECT_TRUE(Bound->IsDataBound());
    EXPECT_FALSE(Unbound->IsDataBound());
    EXPECT_FALSE(Bound->IsPaintCopy()) << "painted on screen it shows its own value";
}

TEST_F(TuiCustomEditBindingTest, ACopyOfABoundEditorShowsTheStoredValue) {
    Bound->Binding->Stored = rtl::Variant(static_cast<int32_t>(vcl::clRed));
    Bound->SetEditValue(rtl::Variant(static_cast<int32_t>(vcl::clBlue)));
    Unbound->SetEditValue(rtl::Variant(static_cast<int32_t>(vcl::clRed)));

    ui_test::TDibSurface copy(Bound->Width(), Bound->Height());
    ui_test::PaintControl(*Bound, copy);
    ui_test::TDibSurface reference(Unbound->Width(), Unbound->Height());
    ui_test::PaintControl(*Unbound, reference);
    EXPECT_EQ(copy.Pixel(Bound->Width() / 2, Bound->Height() / 2), vcl::clRed);
    EXPECT_EQ(copy.Pixels(), reference.Pixels()) << "the copy is the editor painted with the stored value";

    Unbound->SetEditValue(rtl::Variant(static_cast<int32_t>(vcl::clBlue)));
    ui_test::PaintControl(*Unbound, reference);
    EXPECT_EQ(reference.Pixel(Unbound->Width() / 2, Unbound->Height() / 2), vcl::clBlue)
        << "a copy of an unbound editor shows its value";
}

TEST_F(TuiCustomEditBindingTest, ACopyLeavesTheEditorsRectangleOutOfTheClip) {
    Bound->Binding->Stored = rtl::Variant(static_cast<int32_t>(vcl::clRed));
    ui_test::TCanvasSurface surface(Bound->Width() + 20, Bound->Height() + 20);
    Bound->PaintCopy(surface.Canvas);
    surface.Canvas.FillRectColor({0, 0, Bound->Width() + 20, Bound->Height() + 20}, vcl::clLime);
    GdiFlush();
    EXPECT_EQ(surface.Surface.Pixel(Bound->Width() / 2, Bound->Height() / 2), vcl::clRed);
    EXPECT_EQ(surface.Surface.Pixel(0, 0), vcl::clBlack) << "the border";
    EXPECT_EQ(surface.Surface.Pixel(Bound->Width() + 10, Bound->Height() + 10), vcl::clLime);
}

TEST_F(TuiCustomEditBindingTest, EscapeRestoresTheStoredValueOfABoundEditor) {
    Bound->Binding->Stored = rtl::Variant(u"stored");
    Bound->SetEditValue(rtl::Variant(u"entry"));
    Bound->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::TypeText(u"x");
    ASSERT_EQ(Bound->Text, u"entryx");
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(rtl::VarToStr(Bound->EditValue()), u"stored");
    EXPECT_FALSE(Bound->ChangedByUser());
    EXPECT_TRUE(Bound->ChangedSinceEnter());
}

TEST_F(TuiCustomEditBindingTest, TheListBindingIsMadeByClassForItsControl) {
    const std::unique_ptr<TuiCustomDataBinding> binding =
        CreateDataBinding(TuiDataBinding::StaticClass(), Form.get(), Form.get());
    EXPECT_EQ(&binding->ClassType(), &TuiDataBinding::StaticClass());
    EXPECT_EQ(binding->GetOwner(), Form.get());
    EXPECT_TRUE(binding->CanModify());
    EXPECT_TRUE(binding->GetStoredValue(dbvsValue, false).IsNull());
}

class TThemedFaceEdit : public TTestEdit {
    RTL_DECLARE_CLASS(TThemedFaceEdit, TTestEdit)
public:
    using TTestEdit::TTestEdit;
    bool UsesParentThemedBackground() const override { return true; }
};

TEST_F(TuiCustomEditBindingTest, AStandaloneSeeThroughOrThemedFaceEditorNeedsItsParentsBackground) {
    auto* themed = Place(new TThemedFaceEdit(Form.get()), 90);
    TuiCustomEdit* inplace = TuiCustomEdit::CreateInplace(TTestEdit::StaticClass(), Form.get());
    const struct {
        TuiCustomEdit* Editor;
        bool Transparent;
        bool Standalone;
        bool Needs;
    } cases[] = {{Unbound, false, false, false},
                 {Unbound, true, true, true},
                 {themed, false, false, true},
                 {inplace, true, false, false}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        c.Editor->SetTransparent(c.Transparent);
        EXPECT_EQ(c.Editor->IsTransparentStandalone(), c.Standalone);
        EXPECT_EQ(c.Editor->NeedsParentBackground(), c.Needs);
    }
}

TEST_F(TuiCustomEditBindingTest, ASeeThroughEditorRepaintsWhenItMoves) {
    Unbound->SetTransparent(true);
    for (TuiCustomEdit* edit : {static_cast<TuiCustomEdit*>(Unbound), static_cast<TuiCustomEdit*>(Bound)}) {
        edit->Update();
        ValidateRect(edit->WindowHandle(), nullptr);
        edit->SetBounds(edit->Left() + 30, edit->Top(), edit->Width(), edit->Height());
    }
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(Unbound->WindowHandle(), &update, FALSE)) << "it shows another part of the form";
}

TEST_F(TuiCustomEditBindingTest, TheBackgroundIsNativeOnlyForTheNativeLook) {
    EXPECT_FALSE(Unbound->IsNativeBackground());
    Unbound->Style().LookAndFeel().SetNativeStyle(true);
    EXPECT_EQ(Unbound->IsNativeBackground(), AreVisualStylesActive({totEdit}));
}

} // namespace
} // namespace ui
