#pragma once
// The filter a filter control edits: a criteria of its own that knows its items only through the control's link, so
// it is never evaluated, and whose conditions name their items by the link's captions and field names. It writes
// the filter stream with item names (version 3).

#include "ui/data/filter/uiFilterCriteria.h"

namespace ui {

class IuiFilterControl;
class TuiCustomFilterControl;

class TuiFilterControlCriteriaItem : public TuiFilterCriteriaItem {
    RTL_DECLARE_CLASS(TuiFilterControlCriteriaItem, TuiFilterCriteriaItem)
public:
    using TuiFilterCriteriaItem::TuiFilterCriteriaItem;

    // Never asked: the working filter is not evaluated.
    rtl::Variant FetchRecordValue(int32_t) override { return rtl::Variant::Null(); }
    // The link's caption and field name of the item; empty when the link does not list it.
    rtl::UnicodeString FieldCaptionText() const override;
    rtl::UnicodeString FieldNameText() const override;
    // The control's AdjustOperatorClass decides.
    const rtl::TMetaclass& GetOperatorClass() const override;

private:
    TuiCustomFilterControl& Control() const;
    int32_t LinkIndex() const;
};

class TuiFilterControlCriteria : public TuiFilterCriteria {
    RTL_DECLARE_CLASS(TuiFilterControlCriteria, TuiFilterCriteria)
public:
    explicit TuiFilterControlCriteria(TuiCustomFilterControl& control);

    TuiCustomFilterControl& Control() const { return FControl; }
    // Nothing: the working filter reports to nobody but the control.
    void CopyEvents(const TuiFilterCriteria&) override {}

    const rtl::TMetaclass& GetItemClass() const override { return TuiFilterControlCriteriaItem::StaticClass(); }
    int32_t GetIDByItemLink(rtl::TObject* itemLink) const override;
    rtl::UnicodeString GetNameByItemLink(rtl::TObject* itemLink) const override;
    rtl::TObject* GetItemLinkByID(int32_t id) const override;
    rtl::TObject* GetItemLinkByName(rtl::UnicodeStringView name) const override;

private:
    IuiFilterControl* Link() const;

    TuiCustomFilterControl& FControl; // the owner
};

} // namespace ui
