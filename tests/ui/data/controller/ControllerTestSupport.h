#pragma once
// Helpers of the data controller's tests: an unbound controller whose items are plain objects, and a log of the
// notices and events it delivers.

#include "rtl/core/Component.h"
#include "ui/data/controller/uiDataController.h"
#include "ui/data/controller/uiUpdateControlInfo.h"

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

private:
    std::vector<std::unique_ptr<rtl::TObject>> FItems;
};

// The notices a controller sends, as text: "data 0 1 2" (kind, item, record), "layout", "selection 3 4" (the listed
// rows), "search", "bookmark"; other notices by class name.
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
