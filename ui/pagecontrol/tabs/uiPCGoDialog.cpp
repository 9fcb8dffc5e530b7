#include "ui/pagecontrol/tabs/uiPCGoDialog.h"

#include "rtl/text/StringUtils.h"
#include "ui/core/text/uiTextLayout.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

struct TGoDialogEntry {
    rtl::UnicodeString PlainCaption;
    const TuiTab* Tab;
};

} // namespace

void TuiPCGoDialog::BuildItems(const TuiCustomTabControl& control, bool sort) {
    const TuiVisibleTabList& visibleTabs = control.VisibleTabs();
    std::vector<TGoDialogEntry> entries;
    entries.reserve(static_cast<size_t>(visibleTabs.Count()));
    for (int32_t i = 0; i < visibleTabs.Count(); ++i) {
        const TuiTab& tab = visibleTabs.Tab(i);
        entries.push_back({RemoveAccelerators(tab.Caption()), &tab});
    }
    if (sort) {
        std::stable_sort(entries.begin(), entries.end(), [](const TGoDialogEntry& a, const TGoDialogEntry& b) {
            return rtl::WideCompareText(a.PlainCaption, b.PlainCaption) < 0;
        });
    }
    SetImages(control.Images());
    Items().Clear();
    for (const TGoDialogEntry& entry : entries) {
        const TuiTab& tab = *entry.Tab;
        auto* item = new vcl::TMenuItem(nullptr);
        item->SetCaption(tab.Caption());
        item->SetTag(tab.Index());
        item->SetChecked(tab.IsActiveTab());
        item->SetDefault(tab.IsActiveTab());
        item->SetImageIndex(control.GetTabImageIndex(tab.Index()));
        item->SetOnClick([this, item](rtl::TObject*) {
            if (FOnGoTo) {
                FOnGoTo(static_cast<int32_t>(item->Tag()));
            }
        });
        Items().Add(item);
    }
}

} // namespace ui
