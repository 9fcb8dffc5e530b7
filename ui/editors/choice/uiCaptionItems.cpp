#include "ui/editors/choice/uiCaptionItems.h"

#include "ui/data/locale/uiLocale.h"

namespace ui {

void TuiCaptionItem::Assign(const rtl::TPersistent* source) {
    const auto* item = dynamic_cast<const TuiCaptionItem*>(source);
    if (!item) {
        rtl::TCollectionItem::Assign(source);
        return;
    }
    SetCaption(item->Caption());
    FTag = item->Tag();
}

void TuiCaptionItem::SetCaption(rtl::UnicodeStringView value) {
    if (value == FCaption) {
        return;
    }
    FCaption = rtl::UnicodeString(value);
    const auto* items = dynamic_cast<const TuiCaptionItems*>(Collection());
    // A change of the whole list sorts a sorted collection before it reports the change.
    Changed(items && items->Sorted());
}

int TuiCaptionItems::CompareByIndex(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2) const {
    return GetLocale().CompareText(static_cast<TuiCaptionItem&>(item1).Caption(),
                                   static_cast<TuiCaptionItem&>(item2).Caption(), true);
}

} // namespace ui
