#include "tests/tools/NavigatorGallery.h"

#include "tests/support/ui/NavigatorTestHost.h"
#include "tests/tools/FilterControlGallery.h"
#include "tests/tools/GalleryLooks.h"
#include "tests/ui/editors/filtercontrol/FilterTestLink.h"
#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Label.h"

namespace gallery {

namespace {

constexpr int32_t BarWidth = 300;
constexpr int32_t BarHeight = 22;
constexpr int32_t LabelWidth = 110;
constexpr int32_t RowHeight = 30;
constexpr int32_t BarGap = 10;
constexpr int32_t RecordCount = 12;

void FillNavigatorGallery(vcl::TForm& form) {
    auto* link = new ui_test::TTestFilterLink(&form);
    int32_t top = BarGap;
    for (const TGalleryLook& look : GalleryLooks) {
        auto* label = new vcl::TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(BarGap, top + 4, LabelWidth, BarHeight);
        label->SetCaption(look.Name);
        auto* bar = new ui_test::TNavigatorTestHost(&form);
        bar->SetParent(&form);
        bar->SetBounds(BarGap + LabelWidth, top, BarWidth, BarHeight);
        ApplyGalleryLook(bar->LookAndFeel(), look);
        bar->SetShowHint(true);
        bar->SetTabStop(true);
        bar->FillRecords(RecordCount);
        bar->FilterLink = link;
        top += RowHeight;
    }
    form.SetClientWidth(2 * BarGap + LabelWidth + BarWidth);
    form.SetClientHeight(top + BarGap);
}

} // namespace

int ShowNavigatorGallery() {
    const int result = RunWithFilterControlUnits(u"Painter gallery, navigators", FillNavigatorGallery);
    ui::FinalizeNavigatorUnit();
    return result;
}

} // namespace gallery
