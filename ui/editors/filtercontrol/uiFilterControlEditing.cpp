// The filter control: the rows' changes and the focus that moves over their parts.

#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"

#include <algorithm>

namespace ui {

namespace {

// The margin a part keeps from the right edge when the view scrolls to show it.
constexpr int32_t VisiblePartMargin = 2;

} // namespace

bool TuiCustomFilterControl::IsPartFocusable(const TuiCustomRowViewInfo& row, TuiFilterControlPart part,
                                             int32_t valueIndex) const {
    switch (part) {
    case fcpButton:
        return true;
    case fcpBoolOperator:
        return row.IsGroup();
    case fcpItem:
    case fcpOperator:
        return !row.IsGroup();
    case fcpValue: {
        const auto* condition = dynamic_cast<const TuiConditionViewInfo*>(&row);
        return condition != nullptr && condition->TakesValues() && valueIndex >= 0 &&
               valueIndex < condition->Values().Count();
    }
    case fcpAddValue: {
        const auto* condition = dynamic_cast<const TuiConditionViewInfo*>(&row);
        return condition != nullptr && condition->IsListOperator();
    }
    default:
        return false;
    }
}

void TuiCustomFilterControl::FocusPart(TuiCustomRowViewInfo* row, TuiFilterControlPart part, int32_t valueIndex) {
    if (part == fcpAddCondition) {
        row = nullptr;
    } else if (row == nullptr || !IsPartFocusable(*row, part, valueIndex)) {
        return;
    }
    FFocusedRow = row;
    FFocusedPart = part;
    FFocusedValue = part == fcpValue ? valueIndex : -1;
    LayoutChanged();
    MakeFocusedVisible();
}

void TuiCustomFilterControl::FocusRowStart(TuiCustomRowViewInfo& row) {
    FocusPart(&row, row.IsGroup() ? fcpBoolOperator : fcpItem);
}

void TuiCustomFilterControl::FocusRowEnd(TuiCustomRowViewInfo& row) {
    if (row.IsGroup()) {
        FocusPart(&row, fcpBoolOperator);
        return;
    }
    auto& condition = static_cast<TuiConditionViewInfo&>(row);
    if (condition.IsListOperator()) {
        FocusPart(&row, fcpAddValue);
    } else if (condition.TakesValues()) {
        FocusPart(&row, fcpValue, condition.Values().Count() - 1);
    } else {
        FocusPart(&row, fcpOperator);
    }
}

void TuiCustomFilterControl::FocusNextRow(bool tab) {
    if (FFocusedPart == fcpAddCondition) {
        return;
    }
    const int32_t index = IndexOfRow(FFocusedRow);
    if (index + 1 >= RowCount()) {
        FocusPart(nullptr, fcpAddCondition);
    } else if (tab) {
        FocusPart(&Rows(index + 1), fcpButton);
    } else {
        FocusRowStart(Rows(index + 1));
    }
}

void TuiCustomFilterControl::FocusPreviousRow(bool tab) {
    TuiCustomRowViewInfo* previous = nullptr;
    if (FFocusedPart == fcpAddCondition) {
        previous = &Rows(RowCount() - 1);
    } else if (const int32_t index = IndexOfRow(FFocusedRow); index > 0) {
        previous = &Rows(index - 1);
    }
    if (previous == nullptr) {
        return;
    }
    if (tab) {
        FocusRowEnd(*previous);
    } else {
        FocusRowStart(*previous);
    }
}

void TuiCustomFilterControl::MoveFocusRight(bool tab) {
    if (FFocusedPart == fcpAddCondition) {
        if (!tab) {
            FocusRowStart(Rows(RowCount() - 1));
        }
        return;
    }
    TuiCustomRowViewInfo& row = *FFocusedRow;
    auto* condition = dynamic_cast<TuiConditionViewInfo*>(&row);
    switch (FFocusedPart) {
    case fcpButton:
        FocusRowStart(row);
        return;
    case fcpItem:
        FocusPart(&row, fcpOperator);
        return;
    case fcpOperator:
        if (condition->TakesValues()) {
            FocusPart(&row, fcpValue, 0);
            return;
        }
        break;
    case fcpValue:
        if (FFocusedValue + 1 < condition->Values().Count()) {
            FocusPart(&row, fcpValue, FFocusedValue + 1);
            return;
        }
        if (condition->IsListOperator()) {
            FocusPart(&row, fcpAddValue);
            return;
        }
        break;
    default:
        break;
    }
    if (tab) {
        FocusNextRow(true);
    }
}

void TuiCustomFilterControl::MoveFocusLeft(bool tab) {
    if (FFocusedPart == fcpAddCondition) {
        FocusRowEnd(Rows(RowCount() - 1));
        return;
    }
    TuiCustomRowViewInfo& row = *FFocusedRow;
    switch (FFocusedPart) {
    case fcpBoolOperator:
    case fcpItem:
        FocusPart(&row, fcpButton);
        break;
    case fcpOperator:
        FocusPart(&row, fcpItem);
        break;
    case fcpValue:
        if (FFocusedValue > 0) {
            FocusPart(&row, fcpValue, FFocusedValue - 1);
        } else {
            FocusPart(&row, fcpOperator);
        }
        break;
    case fcpAddValue:
        FocusPart(&row, fcpValue, static_cast<TuiConditionViewInfo&>(row).Values().Count() - 1);
        break;
    case fcpButton:
        if (tab) {
            FocusPreviousRow(true);
        }
        break;
    default:
        break;
    }
}

void TuiCustomFilterControl::MakeFocusedVisible() {
    if (!HandleAllocated() || FRowLockCount > 0) {
        return;
    }
    const vcl::TRect client = GetClientBounds();
    const int32_t rowHeight = FViewInfo->RowHeight();
    const int32_t rowIndex = FFocusedPart == fcpAddCondition ? RowCount() : IndexOfRow(FFocusedRow);
    vcl::TRect part = FViewInfo->PartRect(FFocusedRow, FFocusedPart, FFocusedValue);
    if (rowIndex < FTopRow) {
        FTopRow = rowIndex;
    } else if (rowHeight > 0) {
        const int32_t rowTop = client.Top + (rowIndex - FTopRow) * rowHeight;
        const int32_t bottomInRow = part.Bottom - rowTop;
        while (FTopRow < rowIndex && client.Top + (rowIndex - FTopRow) * rowHeight + bottomInRow > client.Bottom) {
            ++FTopRow;
        }
    }
    if (part.Left < client.Left) {
        FLeftOffset = std::max(0, FLeftOffset - (client.Left - part.Left));
    } else if (part.Right > client.Right) {
        FLeftOffset += part.Right - client.Right + VisiblePartMargin;
    }
    LayoutChanged();
}

// The rows' changes.

TuiConditionViewInfo& TuiCustomFilterControl::AddConditionRow(TuiGroupViewInfo& group) {
    EndValueEditing(true);
    auto& condition =
        static_cast<TuiConditionViewInfo&>(group.AddRow(std::make_unique<TuiConditionViewInfo>(*this, group)));
    RebuildRowList();
    FocusPart(&condition, fcpItem);
    return condition;
}

TuiConditionViewInfo& TuiCustomFilterControl::AddGroupRow(TuiGroupViewInfo& group) {
    EndValueEditing(true);
    auto& nested =
        static_cast<TuiGroupViewInfo&>(group.AddRow(std::make_unique<TuiGroupViewInfo>(*this, &group, fboAnd)));
    auto& condition =
        static_cast<TuiConditionViewInfo&>(nested.AddRow(std::make_unique<TuiConditionViewInfo>(*this, nested)));
    RebuildRowList();
    FocusPart(&condition, fcpItem);
    return condition;
}

void TuiCustomFilterControl::RemoveFocused() {
    if (FFocusedRow == nullptr) {
        return;
    }
    auto* condition = dynamic_cast<TuiConditionViewInfo*>(FFocusedRow);
    if (condition != nullptr && FFocusedPart == fcpValue && condition->IsListOperator() &&
        condition->Values().Count() > 1) {
        RemoveValue(*condition, FFocusedValue);
    } else {
        RemoveRow(*FFocusedRow);
    }
}

void TuiCustomFilterControl::RemoveRow(TuiCustomRowViewInfo& row) {
    if (row.IsRoot()) {
        return;
    }
    TuiCustomRowViewInfo* removed = &row;
    while (!removed->Parent()->IsRoot() && removed->Parent()->RowCount() == 1) {
        removed = removed->Parent();
    }
    EndValueEditing(false);
    CloseSelectors();
    TuiCustomRowViewInfo& previous = Rows(IndexOfRow(removed) - 1);
    FHot = {};
    FFocusedRow = &previous;
    FFocusedPart = fcpButton;
    removed->Parent()->RemoveRow(*removed);
    RebuildRowList();
    FocusRowStart(previous);
}

void TuiCustomFilterControl::AddValue(TuiConditionViewInfo& condition) {
    EndValueEditing(true);
    condition.Values().Add(rtl::Variant::Null());
    FocusPart(&condition, fcpValue, condition.Values().Count() - 1);
}

void TuiCustomFilterControl::RemoveValue(TuiConditionViewInfo& condition, int32_t index) {
    if (!condition.IsListOperator() || condition.Values().Count() < 2) {
        return;
    }
    EndValueEditing(false);
    condition.Values().Remove(index);
    FHot = {};
    FocusPart(&condition, fcpValue, std::max(index - 1, 0));
}

void TuiCustomFilterControl::SetConditionItem(TuiConditionViewInfo& condition, int32_t itemIndex) {
    EndValueEditing(false);
    condition.SetItem(itemIndex);
    FocusPart(&condition, fcpOperator);
}

void TuiCustomFilterControl::SetConditionOperator(TuiConditionViewInfo& condition, int32_t number) {
    EndValueEditing(false);
    condition.SetOperator(number);
    if (condition.TakesValues()) {
        FocusPart(&condition, fcpValue, 0);
    } else {
        FocusPart(&condition, fcpOperator);
    }
}

void TuiCustomFilterControl::SetConditionValue(TuiConditionViewInfo& condition, int32_t index,
                                               const rtl::Variant& value, rtl::UnicodeStringView displayText) {
    if (index < 0 || index >= condition.Values().Count()) {
        return;
    }
    TuiValueInfo& info = condition.Values().Value(index);
    info.Value = value;
    info.DisplayText = displayText;
    LayoutChanged();
}

void TuiCustomFilterControl::SetGroupBoolOperator(TuiGroupViewInfo& group, TuiFilterBoolOperatorKind kind) {
    group.SetBoolOperator(kind);
    LayoutChanged();
}

} // namespace ui
