#include "tests/tools/TabsGallery.h"

#include "rtl/core/Component.h"
#include "tests/tools/GalleryWindow.h"
#include "ui/pagecontrol/tabs/uiPageControl.h"
#include "ui/pagecontrol/tabs/uiTabSheet.h"
#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Edit.h"

#include <memory>

namespace gallery {

namespace {

constexpr int32_t CellWidth = 150;
constexpr int32_t CellHeight = 100;
constexpr int32_t Spacing = 8;

struct TTabsGalleryStyle {
    ui::TuiPCStyleID Style;
    bool NativeStyle;
};

void AddTabs(ui::TuiTabControl& control) {
    const char16_t* const captions[] = {u"&General", u"销售清单", u"Invoice", u"税率", u"Options", u"Help"};
    for (const char16_t* caption : captions) {
        control.Tabs().Add(caption);
    }
    control.Tabs().Tab(3).SetHighlighted(true);
    control.Tabs().Tab(4).SetEnabled(false);
    control.SetTabIndex(1);
}

// A page control of the default look with three pages, each holding an edit, and its go-dialog button.
void AddPageControl(vcl::TForm& form, int32_t top) {
    auto* control = new ui::TuiPageControl(&form);
    control->SetBounds(Spacing, top, 2 * CellWidth + Spacing, CellHeight);
    control->SetParent(&form);
    control->SetOptions(ui::uiPCDefaultOptions + ui::TuiPCOptions{ui::pcoGoDialog});
    for (const char16_t* caption : {u"购买方", u"&Lines", u"Totals"}) {
        auto* page = new ui::TuiTabSheet(&form);
        page->SetCaption(caption);
        page->SetPageControl(control);
        auto* edit = new vcl::TEdit(&form);
        edit->SetBounds(8, 8, 120, 22);
        edit->SetText(caption);
        edit->SetParent(page);
    }
}

} // namespace

int ShowTabsGallery() {
    const TTabsGalleryStyle looks[] = {{1, false}, {1, true},  {7, false}, {2, false},
                                      {3, false}, {5, false}, {6, false}, {8, false}};
    const ui::TuiTabPosition sides[] = {ui::tpTop, ui::tpBottom, ui::tpLeft, ui::tpRight};
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetCaption(u"Painter gallery, tabs: Tabs, Tabs themed, Flat, Buttons, FlatButtons, ExtraFlat, UltraFlat, "
                     u"Office11; single line, then multi-line; a page control");
    form->SetClientWidth(8 * (CellWidth + Spacing) + Spacing);
    form->SetClientHeight(9 * (CellHeight + Spacing) + Spacing);
    int32_t top = Spacing;
    for (const TTabsGalleryStyle& look : looks) {
        int32_t left = Spacing;
        for (const bool multiLine : {false, true}) {
            for (const ui::TuiTabPosition side : sides) {
                auto* control = new ui::TuiTabControl(form.get());
                control->SetBounds(left, top, CellWidth, CellHeight);
                control->SetParent(form.get());
                control->LookAndFeel().SetKind(ui::lfStandard);
                control->LookAndFeel().SetNativeStyle(look.NativeStyle);
                control->SetStyle(look.Style);
                control->SetTabPosition(side);
                control->SetMultiLine(multiLine);
                control->SetHotTrack(true);
                control->SetOptions(ui::uiPCDefaultOptions + ui::TuiPCOptions{ui::pcoGoDialog, ui::pcoCloseButton});
                AddTabs(*control);
                left += CellWidth + Spacing;
            }
        }
        top += CellHeight + Spacing;
    }
    AddPageControl(*form, top);
    return ShowUntilClosed(*form);
}

} // namespace gallery
