#pragma once
// Helpers of the data controller's tests: an unbound controller whose items are plain objects, and a log of the
// notices and events it delivers.

#include "rtl/core/Component.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/uiDataController.h"

#include <memory>
#include <string>
#include <vector>

namespace ui::test {

// A controller whose items are objects it keeps in view order.
class TTestDataController : public TuiDataController {
public:
    explicit TTestDataController(rtl::TComponent* owner = nullptr) : TuiDataController(owner) {}

    rtl::TObject* GetItem(int32_t index) const override { return FItems.at(static_cast<size_t>(index)).get(); }

    // Adds an item of the value type (nullptr: none); returns its index.
    int32_t AddTypedItem(TuiValueTypeClass valueType) {
        FItems.push_back(std::make_unique<rtl::TObject>());
        AddItem(FItems.back().get());
        const int32_t index = static_cast<int32_t>(FItems.size()) - 1;
        if (valueType) {
            ChangeValueTypeClass(index, valueType);
        }
        return index;
    }
    // Moves the view's item from one place to another, as a view does when the user drags a column.
    void MoveViewItem(int32_t from, int32_t to) {
        std::unique_ptr<rtl::TObject> item = std::move(FItems.at(static_cast<size_t>(from)));
        FItems.erase(FItems.begin() + from);
        FItems.insert(FItems.begin() + to, std::move(item));
    }

    // Appends a record with these values of the first items.
    int32_t AddRecord(std::initializer_list<rtl::Variant> values) {
        const int32_t record = GetRecordCount();
        SetRecordCount(record + 1);
        int32_t item = 0;
        for (const rtl::Variant& value : values) {
            SetValue(record, item++, value);
        }
        return record;
    }
    // The records that pass filtering, in display order.
    std::vector<int32_t> FilteredRecords() const {
        std::vector<int32_t> records;
        for (int32_t position = 0; position < GetFilteredRecordCount(); ++position) {
            records.push_back(GetFilteredRecordIndex(position));
        }
        return records;
    }

private:
    std::vector<std::unique_ptr<rtl::TObject>> FItems;
};

// An ANSI text value.
inline rtl::Variant Text(const char* text) {
    return rtl::Variant::FromAnsiString(text);
}

// The notices a controller sends, as text: "data 0 1 2" (kind, item, record), "layout", "selection 3 4" (the listed
// rows), "search", "bookmark", "row 5 3" (the focused row, then the previous one), "record 7 2" (the focused record,
// then the previous one); other notices by class name.
class TNoticeLog {
public:
    explicit TNoticeLog(TuiCustomDataController& controller) {
        controller.SetControlNotification([this](TuiUpdateControlInfo& info) { Entries.push_back(Describe(info)); });
    }

    static std::string Describe(const TuiUpdateControlInfo& info) {
        if (const auto* data = dynamic_cast<const TuiDataChangedInfo*>(&info)) {
            return "data " + std::to_string(data->Kind()) + " " + std::to_string(data->ItemIndex()) + " " +
                   std::to_string(data->RecordIndex());
        }
        if (const auto* selection = dynamic_cast<const TuiSelectionChangedInfo*>(&info)) {
            std::string text = "selection";
            for (int32_t i = 0; i < selection->GetRowIndexCount(); ++i) {
                text += " " + std::to_string(selection->GetRowIndex(i));
            }
            return text;
        }
        if (const auto* row = dynamic_cast<const TuiFocusedRowChangedInfo*>(&info)) {
            return "row " + std::to_string(row->FocusedRowIndex()) + " " + std::to_string(row->PrevFocusedRowIndex());
        }
        if (const auto* record = dynamic_cast<const TuiFocusedRecordChangedInfo*>(&info)) {
            return "record " + std::to_string(record->FocusedRecordIndex()) + " " +
                   std::to_string(record->PrevFocusedRecordIndex());
        }
        if (dynamic_cast<const TuiLayoutChangedInfo*>(&info)) {
            return "layout";
        }
        if (dynamic_cast<const TuiSearchChangedInfo*>(&info)) {
            return "search";
        }
        if (dynamic_cast<const TuiBookmarkChangedInfo*>(&info)) {
            return "bookmark";
        }
        std::string name;
        for (const char16_t c : info.ClassName()) {
            name += static_cast<char>(c);
        }
        return name;
    }

    std::vector<std::string> Entries;
};

} // namespace ui::test
