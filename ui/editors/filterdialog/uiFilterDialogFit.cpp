#include "ui/editors/filterdialog/uiFilterDialogFit.h"

#include "ui/data/filter/uiFilterCriteria.h"

#include <set>

namespace ui {

namespace {

const TuiFilterCriteriaItem* DialogCondition(const TuiCustomFilterCriteriaItem* entry) {
    const auto* condition = dynamic_cast<const TuiFilterCriteriaItem*>(entry);
    return condition != nullptr && condition->OperatorKind() <= fokNotLike ? condition : nullptr;
}

// The item of an entry the dialog can show as one row or a pair of rows; nullptr when it cannot.
const rtl::TObject* DialogEntryItem(const TuiCustomFilterCriteriaItem& entry) {
    if (const TuiFilterCriteriaItem* condition = DialogCondition(&entry)) {
        return condition->ItemLink();
    }
    const auto* group = dynamic_cast<const TuiFilterCriteriaItemList*>(&entry);
    if (group == nullptr || group->GetCount() != 2 ||
        (group->BoolOperator() != fboAnd && group->BoolOperator() != fboOr)) {
        return nullptr;
    }
    const TuiFilterCriteriaItem* first = DialogCondition(group->GetItem(0));
    const TuiFilterCriteriaItem* second = DialogCondition(group->GetItem(1));
    if (first == nullptr || second == nullptr || first->ItemLink() != second->ItemLink()) {
        return nullptr;
    }
    return first->ItemLink();
}

} // namespace

bool NeedsFilterBuilder(const TuiFilterCriteria& criteria) {
    const TuiFilterCriteriaItemList& root = criteria.Root();
    if (root.BoolOperator() != fboAnd) {
        return true;
    }
    std::set<const rtl::TObject*> items;
    for (int32_t i = 0; i < root.GetCount(); ++i) {
        const rtl::TObject* item = DialogEntryItem(*root.GetItem(i));
        if (item == nullptr || !items.insert(item).second) {
            return true;
        }
    }
    return false;
}

} // namespace ui
