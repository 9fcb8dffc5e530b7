#pragma once
// A component that links a filter control to three items of a table (a text item "Customer", a currency item "Unit
// price" and an Integer item "Quantity" without editor properties) and owns their filter: for the filter control's
// tests and the painter gallery.

#include "rtl/core/Component.h"
#include "tests/ui/data/filter/FilterTestSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/filtercontrol/uiFilterControlLink.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include <memory>
#include <vector>

namespace ui_test {

// The items of a table as a filter control sees them, with the table's filter.
class TTestFilterLink : public rtl::TComponent, public ui::IuiFilterControl {
public:
    explicit TTestFilterLink(rtl::TComponent* owner) : rtl::TComponent(owner) {
        Captions = {u"Customer", u"Unit price", u"Quantity"};
        Properties.push_back(&NameProperties);
        Properties.push_back(&PriceProperties);
        Properties.push_back(nullptr);
        ValueTypes = {&ui::TuiStringValueType::Instance(), &ui::TuiCurrencyValueType::Instance(),
                      &ui::TuiIntegerValueType::Instance()};
    }

    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<ui::IuiFilterControl>(this, iid, object) ||
               rtl::TComponent::QueryInterface(iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    // A fourth item, "Notes" (ID 4), with the given properties.
    void AddNotesItem(ui::TuiCustomEditProperties* properties, rtl::UnicodeString caption = u"Notes") {
        Criteria.Items.push_back(std::make_unique<ui::test::TTestFilterItem>(u"Notes", 4, caption));
        Captions.push_back(std::move(caption));
        Properties.push_back(properties);
        ValueTypes.push_back(&ui::TuiStringValueType::Instance());
    }

    rtl::UnicodeString ItemCaption(int32_t index) override { return Captions.at(static_cast<size_t>(index)); }
    int32_t ItemCount() override { return static_cast<int32_t>(Captions.size()); }
    ui::TuiFilterCriteria* FilterCriteria() override { return &Criteria; }
    rtl::TObject* ItemLinkAt(int32_t index) override { return Criteria.Item(index); }
    int32_t ItemIDAt(int32_t index) override { return Criteria.Item(index)->ID; }
    rtl::UnicodeString ItemNameAt(int32_t index) override { return Criteria.Item(index)->Name; }
    rtl::UnicodeString ItemFieldName(int32_t index) override { return Criteria.Item(index)->Name; }
    ui::TuiCustomEditProperties* ItemProperties(int32_t index) override {
        return Properties.at(static_cast<size_t>(index));
    }
    const ui::TuiValueType* ItemValueType(int32_t index) override { return ValueTypes.at(static_cast<size_t>(index)); }

    ui::test::TTestFilterCriteria Criteria;
    ui::TuiTextEditProperties NameProperties{nullptr};
    ui::TuiCurrencyEditProperties PriceProperties{nullptr};
    std::vector<rtl::UnicodeString> Captions;
    std::vector<ui::TuiCustomEditProperties*> Properties;
    std::vector<const ui::TuiValueType*> ValueTypes;
};

inline constexpr int32_t NameIndex = 0;
inline constexpr int32_t PriceIndex = 1;
inline constexpr int32_t QtyIndex = 2;

} // namespace ui_test
