#pragma once
// A filter criteria over a small table for the filter's tests: items are named objects with IDs, records map items
// to values, and the criteria counts the changes it reports.

#include "rtl/core/Object.h"
#include "ui/data/filter/uiFilterCriteria.h"

#include <map>
#include <memory>
#include <vector>

namespace ui::test {

// An ANSI text value.
inline rtl::Variant Ansi(const char* text) {
    return rtl::Variant::FromAnsiString(text);
}

class TTestFilterItem : public rtl::TObject {
public:
    TTestFilterItem(rtl::UnicodeString name, int32_t id, rtl::UnicodeString caption)
        : Name(std::move(name)), ID(id), Caption(std::move(caption)) {}

    rtl::UnicodeString Name;
    int32_t ID;
    rtl::UnicodeString Caption;
};

// A condition whose values come from its criteria's table.
class TTestFilterCondition : public TuiFilterCriteriaItem {
    RTL_DECLARE_CLASS(TTestFilterCondition, TuiFilterCriteriaItem)
public:
    using TuiFilterCriteriaItem::TuiFilterCriteriaItem;

    rtl::Variant FetchRecordValue(int32_t recordIndex) override;
    rtl::UnicodeString FieldCaptionText() const override { return Item().Caption; }
    rtl::UnicodeString FieldNameText() const override { return Item().Name; }

private:
    const TTestFilterItem& Item() const { return *static_cast<const TTestFilterItem*>(ItemLink()); }
};

class TTestFilterCriteria : public TuiFilterCriteria {
    RTL_DECLARE_CLASS(TTestFilterCriteria, TuiFilterCriteria)
public:
    // Items Name (ID 1), Price (ID 2) and Qty (ID 3).
    explicit TTestFilterCriteria(uint8_t streamVersion = CurrentFilterStreamVersion) {
        SetStreamVersion(streamVersion);
        for (const auto& [name, caption] :
             {std::pair{u"Name", u"Customer"}, {u"Price", u"Unit price"}, {u"Qty", u"Quantity"}}) {
            Items.push_back(std::make_unique<TTestFilterItem>(name, static_cast<int32_t>(Items.size()) + 1, caption));
        }
        SetOnChanged([this](rtl::TObject*) { ++Changes; });
    }

    TTestFilterItem* Item(int32_t index) const { return Items.at(static_cast<size_t>(index)).get(); }
    TTestFilterItem* NameItem() const { return Item(0); }
    TTestFilterItem* PriceItem() const { return Item(1); }
    TTestFilterItem* QtyItem() const { return Item(2); }
    // Appends a record of Name, Price and Qty values.
    int32_t AddRecord(std::initializer_list<rtl::Variant> values) {
        std::map<const rtl::TObject*, rtl::Variant> record;
        int32_t index = 0;
        for (const rtl::Variant& value : values) {
            record[Item(index++)] = value;
        }
        Records.push_back(std::move(record));
        return static_cast<int32_t>(Records.size()) - 1;
    }
    // The records that pass.
    std::vector<int32_t> Passing() {
        std::vector<int32_t> passing;
        for (int32_t record = 0; record < static_cast<int32_t>(Records.size()); ++record) {
            if (EvaluateRecord(record)) {
                passing.push_back(record);
            }
        }
        return passing;
    }

    int32_t GetIDByItemLink(rtl::TObject* itemLink) const override {
        return itemLink ? static_cast<const TTestFilterItem*>(itemLink)->ID : -1;
    }
    rtl::UnicodeString GetNameByItemLink(rtl::TObject* itemLink) const override {
        return itemLink ? static_cast<const TTestFilterItem*>(itemLink)->Name : rtl::UnicodeString();
    }
    rtl::TObject* GetItemLinkByID(int32_t id) const override {
        for (const auto& item : Items) {
            if (item->ID == id) {
                return item.get();
            }
        }
        return nullptr;
    }
    rtl::TObject* GetItemLinkByName(rtl::UnicodeStringView name) const override {
        for (const auto& item : Items) {
            if (item->Name == name) {
                return item.get();
            }
        }
        return nullptr;
    }
    const rtl::TMetaclass& GetItemClass() const override { return TTestFilterCondition::StaticClass(); }

    std::vector<std::unique_ptr<TTestFilterItem>> Items;
    std::vector<std::map<const rtl::TObject*, rtl::Variant>> Records;
    int32_t Changes = 0;
};

inline rtl::Variant TTestFilterCondition::FetchRecordValue(int32_t recordIndex) {
    const auto& record =
        static_cast<TTestFilterCriteria&>(OwnerCriteria()).Records.at(static_cast<size_t>(recordIndex));
    const auto found = record.find(ItemLink());
    return found == record.end() ? rtl::Variant::Null() : found->second;
}

} // namespace ui::test
