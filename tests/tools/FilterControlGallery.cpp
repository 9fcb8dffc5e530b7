#include "tests/tools/FilterControlGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "tests/ui/editors/filtercontrol/FilterControlUnits.h"
#include "tests/ui/editors/filtercontrol/FilterTestLink.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Label.h"

namespace gallery {

namespace {

constexpr int32_t ControlWidth = 330;
constexpr int32_t ControlHeight = 190;
constexpr int32_t CellGap = 10;
constexpr int32_t LabelHeight = 20;
constexpr int32_t Columns = 3;

// Customer like "北京%" or, in a group, a unit price between 10 and 100 and a quantity in 1, 2 or 3.
void FillFilter(ui_test::TTestFilterLink& link) {
    ui::test::TTestFilterCriteria& criteria = link.Criteria;
    criteria.Root().ChangeBoolOperator(ui::fboOr);
    criteria.AddItem(nullptr, criteria.NameItem(), ui::fokLike, rtl::Variant(u"北京%"), u"北京%");
    ui::TuiFilterCriteriaItemList& group = criteria.Root().AddGroup(ui::fboAnd);
    criteria.AddItem(&group, criteria.PriceItem(), ui::fokBetween,
                     rtl::Variant::ArrayOf({rtl::Variant(10), rtl::Variant(100)}), u"10;100");
    criteria.AddItem(&group, criteria.QtyItem(), ui::fokInList,
                     rtl::Variant::ArrayOf({rtl::Variant(1), rtl::Variant(2), rtl::Variant(3)}), u"1;2;3");
}

void FillGallery(vcl::TForm& form) {
    auto* link = new ui_test::TTestFilterLink(&form);
    FillFilter(*link);
    int32_t index = 0;
    for (const TGalleryLook& look : GalleryLooks) {
        const int32_t left = CellGap + (index % Columns) * (ControlWidth + CellGap);
        const int32_t top = CellGap + (index / Columns) * (ControlHeight + LabelHeight + CellGap);
        auto* label = new vcl::TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(left, top, ControlWidth, LabelHeight);
        label->SetCaption(look.Name);
        auto* control = new ui::TuiFilterControl(&form);
        control->SetParent(&form);
        control->SetBounds(left, top + LabelHeight, ControlWidth, ControlHeight);
        ApplyGalleryLook(control->LookAndFeel(), look);
        control->SetLinkComponent(link);
        ++index;
    }
    const int32_t rows = (index + Columns - 1) / Columns;
    form.SetClientWidth(CellGap + Columns * (ControlWidth + CellGap));
    form.SetClientHeight(CellGap + rows * (ControlHeight + LabelHeight + CellGap));
}

} // namespace

int RunWithFilterControlUnits(rtl::UnicodeStringView caption, const std::function<void(vcl::TForm&)>& fill) {
    ui::InitializeEditFrameworkUnit();
    int result = 0;
    {
        const ui_test::TFilterControlUnits units;
        result = RunGalleryForm(caption, fill);
    }
    ui::FinalizeEditFrameworkUnit();
    return result;
}

int ShowFilterControlGallery() {
    return RunWithFilterControlUnits(u"Painter gallery, filter controls", FillGallery);
}

} // namespace gallery
