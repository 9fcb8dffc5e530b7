// The list box page of the painter gallery: a column per look and skin, each with a styled list box over a check list
// box whose items show every state, a disabled item and a tabbed text, to compare the looks side by side and try the
// checks with the mouse and the keys.

#include "tests/tools/ListBoxGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "ui/editors/choice/checklistbox/uiCheckListBox.h"
#include "ui/editors/listbox/uiListBox.h"
#include "vcl/stdctrls/Label.h"

namespace gallery {

namespace {

constexpr int32_t ListGalleryWidth = 140;
constexpr int32_t ListGalleryHeight = 110;
constexpr int32_t ListGalleryGap = 10;
constexpr int32_t ListGalleryTop = 32;

struct TGalleryCheckItem {
    const char16_t* Text;
    ui::TuiCheckBoxState State;
    bool Enabled;
};

constexpr TGalleryCheckItem GalleryCheckItems[] = {
    {u"Unchecked", ui::cbsUnchecked, true}, {u"Checked", ui::cbsChecked, true},     {u"Grayed", ui::cbsGrayed, true},
    {u"Disabled", ui::cbsChecked, false},   {u"Tab\tstop", ui::cbsUnchecked, true}, {u"Last", ui::cbsUnchecked, true},
};

void AddListLookLabel(vcl::TForm& form, const char16_t* text, int32_t left) {
    auto* label = new vcl::TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(left, 8, ListGalleryWidth, 20);
    label->SetCaption(text);
}

void AddListBox(vcl::TForm& form, const TGalleryLook& look, int32_t left) {
    auto* list = new ui::TuiListBox(&form);
    list->SetParent(&form);
    list->SetBounds(left, ListGalleryTop, ListGalleryWidth, ListGalleryHeight);
    ApplyGalleryLook(list->LookAndFeel(), look);
    rtl::TStringList items;
    for (const TGalleryCheckItem& item : GalleryCheckItems) {
        items.Add(item.Text);
    }
    list->SetItems(items);
    list->SetItemIndex(1);
}

void AddCheckListBox(vcl::TForm& form, const TGalleryLook& look, int32_t left) {
    auto* list = new ui::TuiCheckListBox(&form);
    list->SetParent(&form);
    list->SetBounds(left, ListGalleryTop + ListGalleryHeight + ListGalleryGap, ListGalleryWidth, ListGalleryHeight);
    ApplyGalleryLook(list->LookAndFeel(), look);
    list->SetEditValueFormat(ui::cvfStatesString);
    list->SetAllowGrayed(true);
    list->SetTabWidth(8);
    for (const TGalleryCheckItem& source : GalleryCheckItems) {
        ui::TuiCheckListBoxItem* item = list->Items().AddItem();
        item->SetText(source.Text);
        item->SetState(source.State);
        item->SetEnabled(source.Enabled);
    }
}

void FillListBoxGallery(vcl::TForm& form) {
    int32_t left = ListGalleryGap;
    for (const TGalleryLook& look : GalleryLooks) {
        AddListLookLabel(form, look.Name, left);
        AddListBox(form, look, left);
        AddCheckListBox(form, look, left);
        left += ListGalleryWidth + ListGalleryGap;
    }
    form.SetClientWidth(left);
    form.SetClientHeight(ListGalleryTop + 2 * (ListGalleryHeight + ListGalleryGap));
}

} // namespace

int ShowListBoxGallery() {
    return RunGalleryForm(u"Painter gallery, list boxes", FillListBoxGallery);
}

} // namespace gallery
