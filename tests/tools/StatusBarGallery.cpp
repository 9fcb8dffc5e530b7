#include "tests/tools/StatusBarGallery.h"

#include "rtl/core/Component.h"
#include "tests/tools/GalleryWindow.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarIndicatorPanelStyles.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/forms/Form.h"

#include <memory>

namespace gallery {

namespace {

constexpr int32_t GalleryWidth = 914;
constexpr int32_t BarSpacing = 40;

void AddPanels(ui::TuxStatusBar& bar, const char16_t* name) {
    ui::TuxStatusBarPanel& first = bar.CreatePanel();
    first.SetWidth(350);
    first.SetText(name);
    ui::TuxStatusBarPanel& path = bar.CreatePanel();
    path.SetWidth(120);
    auto& pathStyle = static_cast<ui::TuxStatusBarTextPanelStyle&>(*path.PanelStyle());
    pathStyle.SetAlignment(vcl::taCenter);
    pathStyle.SetEllipsisType(ui::uxetSmartPath);
    path.SetText(u"C:\\用户\\财务部\\销售清单\\开票明细.xlsx");
    bar.CreatePanel().SetPanelStyleClassName(u"TuxStatusBarKeyboardStatePanelStyle");
    ui::TuxStatusBarPanel& lights = bar.CreatePanel();
    lights.SetPanelStyleClassName(u"TuxStatusBarStateIndicatorPanelStyle");
    auto& indicators = static_cast<ui::TuxStatusBarStateIndicatorPanelStyle&>(*lights.PanelStyle()).Indicators();
    for (ui::TuxStatusBarStateIndicatorType type :
         {ui::sitOff, ui::sitYellow, ui::sitBlue, ui::sitGreen, ui::sitRed, ui::sitTeal, ui::sitPurple}) {
        indicators.Add().SetIndicatorType(type);
    }
    bar.CreatePanel().SetText(u"Ready");
}

} // namespace

int ShowStatusBarGallery() {
    struct TLook {
        const char16_t* Name;
        ui::TuxStatusBarPaintStyle PaintStyle;
    };
    const TLook looks[] = {{u"Standard", ui::stpsStandard},
                           {u"Flat", ui::stpsFlat},
                           {u"Office 2003", ui::stpsOffice11},
                           {u"Themed", ui::stpsXP}};
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetCaption(u"Painter gallery, status bars");
    form->SetClientWidth(GalleryWidth);
    form->SetClientHeight(BarSpacing * 4);
    int32_t top = 0;
    for (const TLook& look : looks) {
        auto* bar = new ui::TuxStatusBar(form.get());
        bar->SetAlign(vcl::alNone);
        bar->SetBounds(0, top + BarSpacing - bar->Height(), GalleryWidth, bar->Height());
        bar->SetParent(form.get());
        bar->SetPaintStyle(look.PaintStyle);
        AddPanels(*bar, look.Name);
        top += BarSpacing;
    }
    return ShowUntilClosed(*form);
}

} // namespace gallery
