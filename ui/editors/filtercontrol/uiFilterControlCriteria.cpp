#include "ui/editors/filtercontrol/uiFilterControlCriteria.h"

#include "rtl/text/StringUtils.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlLink.h"

namespace ui {

int32_t IndexOfFilterItemLink(IuiFilterControl* link, const rtl::TObject* itemLink) {
    if (link == nullptr || itemLink == nullptr) {
        return -1;
    }
    for (int32_t index = 0; index < link->ItemCount(); ++index) {
        if (link->ItemLinkAt(index) == itemLink) {
            return index;
        }
    }
    return -1;
}

TuiCustomFilterControl& TuiFilterControlCriteriaItem::Control() const {
    return static_cast<TuiFilterControlCriteria&>(OwnerCriteria()).Control();
}

int32_t TuiFilterControlCriteriaItem::LinkIndex() const {
    return IndexOfFilterItemLink(Control().GetLinkInterface(), ItemLink());
}

rtl::UnicodeString TuiFilterControlCriteriaItem::FieldCaptionText() const {
    const int32_t index = LinkIndex();
    return index >= 0 ? Control().GetLinkInterface()->ItemCaption(index) : rtl::UnicodeString();
}

rtl::UnicodeString TuiFilterControlCriteriaItem::FieldNameText() const {
    const int32_t index = LinkIndex();
    return index >= 0 ? Control().GetLinkInterface()->ItemFieldName(index) : rtl::UnicodeString();
}

const rtl::TMetaclass& TuiFilterControlCriteriaItem::GetOperatorClass() const {
    return Control().AdjustOperatorClass(*this, TuiFilterCriteriaItem::GetOperatorClass());
}

TuiFilterControlCriteria::TuiFilterControlCriteria(TuiCustomFilterControl& control) : FControl(control) {
    SetStreamVersion(CurrentFilterStreamVersion);
}

IuiFilterControl* TuiFilterControlCriteria::Link() const {
    return FControl.GetLinkInterface();
}

int32_t TuiFilterControlCriteria::GetIDByItemLink(rtl::TObject* itemLink) const {
    const int32_t index = IndexOfFilterItemLink(Link(), itemLink);
    return index >= 0 ? Link()->ItemIDAt(index) : -1;
}

rtl::UnicodeString TuiFilterControlCriteria::GetNameByItemLink(rtl::TObject* itemLink) const {
    const int32_t index = IndexOfFilterItemLink(Link(), itemLink);
    return index >= 0 ? Link()->ItemNameAt(index) : rtl::UnicodeString();
}

rtl::TObject* TuiFilterControlCriteria::GetItemLinkByID(int32_t id) const {
    IuiFilterControl* link = Link();
    for (int32_t index = 0; link != nullptr && index < link->ItemCount(); ++index) {
        if (link->ItemIDAt(index) == id) {
            return link->ItemLinkAt(index);
        }
    }
    return nullptr;
}

rtl::TObject* TuiFilterControlCriteria::GetItemLinkByName(rtl::UnicodeStringView name) const {
    IuiFilterControl* link = Link();
    for (int32_t index = 0; link != nullptr && index < link->ItemCount(); ++index) {
        if (rtl::SameText(link->ItemNameAt(index), name)) {
            return link->ItemLinkAt(index);
        }
    }
    return nullptr;
}

} // namespace ui
