#include "tests/tools/TabsGallery.h"

#include "rtl/core/Component.h"
#include "tests/tools/GalleryWindow.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "vcl/forms/Form.h"

#include <memory>

namespace gallery {

namespace {

constexpr int32_t CellWidth = 190;
constexpr int32_t CellHeight = 150;
constexpr int32_t Spacing = 8;

struct TTabsGalleryLook {
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

} // namespace

int ShowTabsGallery() {
    const TTabsGalleryLook looks[] = {{1, false}, {1, true}, {7, false}};
    const ui::TuiTabPosition sides[] = {ui::tpTop, ui::tpBottom, ui::tpLeft, ui::tpRight};
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetCaption(u"Painter gallery, tabs: Tabs, Tabs themed, Flat; single line, then multi-line");
    form->SetClientWidth(8 * (CellWidth + Spacing) + Spacing);
    form->SetClientHeight(3 * (CellHeight + Spacing) + Spacing);
    int32_t top = Spacing;
    for (const TTabsGalleryLook& look : looks) {
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
    return ShowUntilClosed(*form);
}

} // namespace gallery
