// The button page of the painter gallery: a form with the push button in every look and skin, a column each, and
// its kinds and states in rows, so the looks of the button can be compared side by side and tried with the mouse;
// under them the group box in each look: captioned with an ultra-flat frame, and as a panel; and under those the check
// box in each look, checked and grayed (it steps through grayed when clicked).

#include "tests/tools/ButtonGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/choice/uiGroupBox.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/stdctrls/Label.h"

#include <memory>
#include <string>

namespace {

enum class TGalleryRow { Plain, Default, Disabled, Glyph, DropDownButton, FlatSpeedDown };

constexpr const char16_t* GalleryRowNames[] = {u"plain",           u"default",      u"disabled",
                                               u"two-image glyph", u"split button", u"flat speed, down"};

constexpr int32_t ButtonWidth = 110;
constexpr int32_t ButtonHeight = 28;
constexpr int32_t ButtonNameWidth = 110;
constexpr int32_t CellGap = 8;
constexpr int32_t GroupBoxHeight = 70;
constexpr int32_t CheckBoxHeight = 21;
constexpr ui::TuiCheckBoxState GalleryCheckStates[] = {ui::cbsChecked, ui::cbsGrayed};

// A green disk for the up image and a grey one for the disabled image.
std::unique_ptr<vcl::TBitmap> TwoImageGlyph() {
    auto bitmap = std::make_unique<vcl::TBitmap>(32, 16, vcl::pf24bit);
    vcl::TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetColor(vcl::clFuchsia);
    canvas.FillRect({0, 0, 32, 16});
    canvas.Brush().SetColor(vcl::clGreen);
    canvas.Ellipse({2, 2, 14, 14});
    canvas.Brush().SetColor(vcl::clGray);
    canvas.Ellipse({18, 2, 30, 14});
    bitmap->SetTransparentColor(vcl::clFuchsia);
    return bitmap;
}

// Each column's speed button has a group of its own, so that all of them stay down.
void SetUpButton(ui::TuiButton& button, TGalleryRow row, int32_t column, vcl::TPopupMenu* menu) {
    switch (row) {
    case TGalleryRow::Default:
        button.SetDefault(true);
        break;
    case TGalleryRow::Disabled:
        button.SetEnabled(false);
        break;
    case TGalleryRow::Glyph:
        button.SetGlyph(TwoImageGlyph().get());
        break;
    case TGalleryRow::DropDownButton:
        button.SetKind(ui::uibkDropDownButton);
        button.SetDropDownMenu(menu);
        break;
    case TGalleryRow::FlatSpeedDown:
        button.SetGroupIndex(column + 1);
        button.SetCanBeFocused(false);
        button.SpeedButtonOptions().SetFlat(true);
        button.SetDown(true);
        break;
    case TGalleryRow::Plain:
        break;
    }
}

void AddLabel(vcl::TForm& form, rtl::UnicodeStringView text, int32_t left, int32_t top) {
    auto* label = new vcl::TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(left, top, ButtonNameWidth, 20);
    label->SetCaption(rtl::UnicodeString(text));
}

// A captioned ultra-flat box, and a panel, in the look of the column.
void AddGroupBoxes(vcl::TForm& form, const gallery::TGalleryLook& look, int32_t left, int32_t top) {
    for (int32_t index = 0; index < 2; ++index) {
        auto* box = new ui::TuiGroupBox(&form);
        box->SetParent(&form);
        box->SetBounds(left, top + index * (GroupBoxHeight + CellGap), ButtonWidth, GroupBoxHeight);
        ui::TuiEditStyle& style = box->EditStyle(ui::essNormal);
        gallery::ApplyGalleryLook(style.LookAndFeel(), look);
        style.SetBorderStyle(ui::ebsUltraFlat);
        if (index == 0) {
            box->SetCaption(u"发 票 信 息");
            box->SetAlignment(ui::alTopCenter);
        } else {
            box->PanelStyle().SetActive(true);
            box->SetCaption(u"panel");
        }
    }
}

// A checked and a grayed check box in the look of the column.
void AddCheckBoxes(vcl::TForm& form, const gallery::TGalleryLook& look, int32_t left, int32_t top) {
    int32_t row = 0;
    for (const ui::TuiCheckBoxState state : GalleryCheckStates) {
        auto* box = new ui::TuiCheckBox(&form);
        box->SetParent(&form);
        box->SetBounds(left, top + row++ * (CheckBoxHeight + CellGap), ButtonWidth, CheckBoxHeight);
        gallery::ApplyGalleryLook(box->EditStyle(ui::essNormal).LookAndFeel(), look);
        box->Properties().SetAllowGrayed(true);
        box->SetCaption(u"含税金额");
        box->SetState(state);
    }
}

void FillGallery(vcl::TForm& form) {
    auto* menu = new vcl::TPopupMenu(&form);
    auto* item = new vcl::TMenuItem(menu);
    item->SetCaption(u"Item");
    menu->Items().Add(item);
    const int32_t rows = static_cast<int32_t>(std::size(GalleryRowNames));
    int32_t column = 0;
    for (const gallery::TGalleryLook& look : gallery::GalleryLooks) {
        const int32_t left = ButtonNameWidth + column * (ButtonWidth + CellGap);
        AddLabel(form, look.Name, left, 8);
        for (int32_t row = 0; row < rows; ++row) {
            auto* button = new ui::TuiButton(&form);
            button->SetParent(&form);
            button->SetBounds(left, 32 + row * (ButtonHeight + CellGap), ButtonWidth, ButtonHeight);
            button->SetCaption(u"生成开票文件");
            gallery::ApplyGalleryLook(button->LookAndFeel(), look);
            SetUpButton(*button, static_cast<TGalleryRow>(row), column, menu);
        }
        const int32_t groupBoxesTop = 32 + rows * (ButtonHeight + CellGap);
        AddGroupBoxes(form, look, left, groupBoxesTop);
        AddCheckBoxes(form, look, left, groupBoxesTop + 2 * (GroupBoxHeight + CellGap));
        ++column;
    }
    for (int32_t row = 0; row < rows; ++row) {
        AddLabel(form, GalleryRowNames[row], 8, 36 + row * (ButtonHeight + CellGap));
    }
    form.SetClientWidth(ButtonNameWidth + column * (ButtonWidth + CellGap) + CellGap);
    AddLabel(form, u"group box", 8, 36 + rows * (ButtonHeight + CellGap));
    AddLabel(form, u"panel", 8, 36 + rows * (ButtonHeight + CellGap) + GroupBoxHeight + CellGap);
    const int32_t checkBoxesTop = 32 + rows * (ButtonHeight + CellGap) + 2 * (GroupBoxHeight + CellGap);
    AddLabel(form, u"check box", 8, checkBoxesTop);
    AddLabel(form, u"grayed", 8, checkBoxesTop + CheckBoxHeight + CellGap);
    form.SetClientHeight(checkBoxesTop + 2 * (CheckBoxHeight + CellGap) + CellGap);
}

} // namespace

int RunButtonGallery() {
    vcl::Application().Initialize();
    auto* form = vcl::Application().CreateForm<vcl::TForm>();
    form->SetCaption(u"Painter gallery, buttons");
    FillGallery(*form);
    vcl::Application().Run();
    return 0;
}
