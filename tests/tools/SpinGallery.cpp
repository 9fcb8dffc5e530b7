// The spin editor page of the painter gallery: a form with the spin editor in every look and skin, a column each,
// and its three button arrangements without and with the fast buttons in rows, to compare the looks side by side and
// try them with the mouse and the keys.

#include "tests/tools/SpinGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "ui/editors/spin/uiSpinEdit.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Label.h"

#include <iterator>

namespace {

struct TSpinGalleryRow {
    const char16_t* Name;
    ui::TuiSpinEditButtonsPosition Position;
    bool Fast;
};

constexpr TSpinGalleryRow SpinGalleryRows[] = {
    {u"vertical", ui::sbpVert, false},
    {u"vertical, fast", ui::sbpVert, true},
    {u"right", ui::sbpHorzRight, false},
    {u"right, fast", ui::sbpHorzRight, true},
    {u"left and right", ui::sbpHorzLeftRight, false},
    {u"left and right, fast", ui::sbpHorzLeftRight, true},
};

constexpr int32_t SpinEditorWidth = 130;
constexpr int32_t SpinEditorHeight = 21;
constexpr int32_t SpinRowNameWidth = 130;
constexpr int32_t SpinCellGap = 10;
constexpr int32_t SpinFirstRowTop = 32;

void AddSpinLabel(vcl::TForm& form, const char16_t* text, int32_t left, int32_t top) {
    auto* label = new vcl::TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(left, top, SpinRowNameWidth, 20);
    label->SetCaption(text);
}

void AddSpinEdit(vcl::TForm& form, const gallery::TGalleryLook& look, const TSpinGalleryRow& row, int32_t left,
                 int32_t top) {
    auto* edit = new ui::TuiSpinEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(left, top, SpinEditorWidth, SpinEditorHeight);
    gallery::ApplyGalleryLook(edit->EditStyle(ui::essNormal).LookAndFeel(), look);
    ui::TuiSpinEditProperties& properties = edit->SpinEditProperties();
    properties.SpinButtons().SetPosition(row.Position);
    properties.SpinButtons().SetShowFastButtons(row.Fast);
    properties.SetValueType(ui::vtInt);
    properties.SetMinValue(0);
    properties.SetMaxValue(100);
    edit->SetValue(rtl::Variant(int32_t{50}));
}

void FillSpinGallery(vcl::TForm& form) {
    int32_t column = 0;
    for (const gallery::TGalleryLook& look : gallery::GalleryLooks) {
        const int32_t left = SpinRowNameWidth + column * (SpinEditorWidth + SpinCellGap);
        AddSpinLabel(form, look.Name, left, 8);
        int32_t top = SpinFirstRowTop;
        for (const TSpinGalleryRow& row : SpinGalleryRows) {
            AddSpinEdit(form, look, row, left, top);
            top += SpinEditorHeight + SpinCellGap;
        }
        ++column;
    }
    int32_t top = SpinFirstRowTop;
    for (const TSpinGalleryRow& row : SpinGalleryRows) {
        AddSpinLabel(form, row.Name, 8, top + 3);
        top += SpinEditorHeight + SpinCellGap;
    }
    form.SetClientWidth(SpinRowNameWidth + column * (SpinEditorWidth + SpinCellGap) + SpinCellGap);
    form.SetClientHeight(top + SpinCellGap);
}

} // namespace

int RunSpinGallery() {
    vcl::Application().Initialize();
    auto* form = vcl::Application().CreateForm<vcl::TForm>();
    form->SetCaption(u"Painter gallery, spin editors");
    FillSpinGallery(*form);
    vcl::Application().Run();
    return 0;
}
