#include "ui/grid/control/uiGridLevel.h"

#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevelStyles.h"
#include "ui/grid/view/uiCustomGridView.h"

#include <algorithm>
#include <utility>

namespace ui {

void TuiGridLevelOptions::Assign(const TuiGridLevelOptions& source) {
    FDetailFrameColor = source.FDetailFrameColor;
    FDetailFrameWidth = source.FDetailFrameWidth;
    FDetailTabsPosition = source.FDetailTabsPosition;
    FTabsForEmptyDetails = source.FTabsForEmptyDetails;
    Changed(true);
}

vcl::TColor TuiGridLevelOptions::GetDetailFrameColor() const {
    if (FDetailFrameColor != vcl::clDefault || FLevel.Control() == nullptr) {
        return FDetailFrameColor;
    }
    return FLevel.Control()->GetPainter()->FixedSeparatorColor();
}

void TuiGridLevelOptions::SetDetailFrameColor(vcl::TColor value) {
    if (FDetailFrameColor != value) {
        FDetailFrameColor = value;
        Changed(false);
    }
}

void TuiGridLevelOptions::SetDetailFrameWidth(int32_t value) {
    value = std::max(value, 0);
    if (FDetailFrameWidth != value) {
        FDetailFrameWidth = value;
        Changed(true);
    }
}

void TuiGridLevelOptions::SetDetailTabsPosition(TuiGridDetailTabsPosition value) {
    if (FDetailTabsPosition != value) {
        FDetailTabsPosition = value;
        Changed(true);
    }
}

void TuiGridLevelOptions::SetTabsForEmptyDetails(bool value) {
    if (FTabsForEmptyDetails != value) {
        FTabsForEmptyDetails = value;
        Changed(true);
    }
}

void TuiGridLevelOptions::Changed(bool hard) {
    FLevel.Changed(hard);
}

TuiGridLevel::TuiGridLevel(rtl::TComponent* owner) : TuiGridLevel(owner, 1) {}

TuiGridLevel::TuiGridLevel(rtl::TComponent* owner, int32_t detailFrameWidth)
    : TuiComponent(owner), FOptions(std::make_unique<TuiGridLevelOptions>(*this, detailFrameWidth)),
      FStyles(std::make_unique<TuiGridLevelStyles>(*this)) {}

void TuiGridLevel::SetControl(TuiCustomGrid* control) {
    FControl = control;
    for (TuiGridLevel* child : FItems) {
        child->SetControl(control);
    }
}

TuiGridLevel::~TuiGridLevel() {
    while (!FItems.empty()) {
        Free(FItems.back());
    }
    SetGridView(nullptr);
    if (FParent) {
        FParent->RemoveItem(this);
    }
}

void TuiGridLevel::SetCaption(const rtl::UnicodeString& value) {
    if (FCaption != value) {
        FCaption = value;
        Changed(true);
    }
}

rtl::UnicodeString TuiGridLevel::GetDisplayCaption() const {
    // "&&" shows one ampersand; a single one marks the accelerator and is not shown.
    rtl::UnicodeString result;
    for (size_t position = 0; position < FCaption.size(); ++position) {
        if (FCaption[position] == u'&') {
            if (position + 1 < FCaption.size() && FCaption[position + 1] == u'&') {
                result += u'&';
                ++position;
            }
            continue;
        }
        result += FCaption[position];
    }
    return result;
}

void TuiGridLevel::SetImageIndex(int32_t value) {
    value = std::max(value, -1);
    if (FImageIndex != value) {
        FImageIndex = value;
        Changed(true);
    }
}

void TuiGridLevel::SetMaxDetailHeight(int32_t value) {
    value = std::max(value, 0);
    if (FMaxDetailHeight != value) {
        FMaxDetailHeight = value;
        Changed(true);
    }
}

void TuiGridLevel::CheckHeight(int32_t& height) const {
    height = std::max(height, 0);
    if (FMaxDetailHeight != 0 && FMaxDetailHeight < height) {
        height = FMaxDetailHeight;
    }
}

void TuiGridLevel::SetVisible(bool value) {
    if (FVisible == value) {
        return;
    }
    FVisible = value;
    if (value) {
        AttachViewToRelation();
    }
    if (FParent) {
        FParent->ItemVisibilityChanged(this);
    }
    if (!value) {
        SetActive(false);
    } else if (FControl && FControl->ActiveLevel() == nullptr) {
        SetActive(true);
    }
    Changed(true);
    if (FControl) {
        FControl->UpdateFocusedView();
    }
    if (!value) {
        AttachViewToRelation();
    }
}

void TuiGridLevel::SetGridView(TuiCustomGridView* view) {
    if (FGridView == view) {
        return;
    }
    if (view && view->Level()) {
        view->Level()->SetGridView(nullptr);
    }
    TuiCustomGridView* oldView = FGridView;
    if (oldView) {
        oldView->BeginUpdate();
        for (TuiGridLevel* child : FItems) {
            DestroyDataRelation(*child);
        }
        oldView->CancelUpdate();
        oldView->SetLevel(nullptr);
    }
    FGridView = view;
    if (view && FControl) {
        FControl->AddChildComponent(view);
    }
    if (FParent) {
        FParent->RefreshVisibleItems();
    }
    if (view) {
        view->BeginUpdate();
        try {
            BindView(*view, oldView);
        } catch (...) {
            view->EndUpdate();
            RepairFocusAfterBinding(oldView, view);
            throw;
        }
        view->EndUpdate();
    } else if (oldView) {
        oldView->DataController().SetMasterRelation(nullptr, true);
    }
    RepairFocusAfterBinding(oldView, view);
}

void TuiGridLevel::BindView(TuiCustomGridView& view, TuiCustomGridView* oldView) {
    if (oldView) {
        oldView->DataController().SetMasterRelation(nullptr, true);
    }
    view.SetLevel(this);
    AttachViewToRelation();
    for (TuiGridLevel* child : FItems) {
        CreateDataRelation(*child);
    }
    Changed(false);
}

void TuiGridLevel::AttachViewToRelation() {
    if (FGridView == nullptr) {
        return;
    }
    if (FVisible) {
        FGridView->DataController().SetMasterRelation(FDataRelation, !IsTop());
    } else {
        FGridView->DataController().SetMasterRelation(nullptr, true);
    }
}

void TuiGridLevel::CreateDataRelation(TuiGridLevel& child) {
    if (FGridView == nullptr || child.FDataRelation != nullptr) {
        return;
    }
    child.FDataRelation = &FGridView->DataController().GetRelations().AddRelation(&child);
    if (child.FGridView && child.FVisible) {
        TuiCustomDataController& detail = child.FGridView->DataController();
        detail.SetMasterRelation(child.FDataRelation, detail.IsTemplateController());
    }
}

void TuiGridLevel::DestroyDataRelation(TuiGridLevel& child) {
    if (child.FDataRelation == nullptr) {
        return;
    }
    TuiCustomDataRelation* relation = std::exchange(child.FDataRelation, nullptr);
    relation->RelationList().RemoveRelation(*relation);
}

void TuiGridLevel::RepairFocusAfterBinding(TuiCustomGridView* oldView, TuiCustomGridView* newView) {
    if (FControl == nullptr) {
        return;
    }
    if (newView) {
        if ((FControl->FocusedView() == nullptr && oldView == nullptr) || FControl->FocusedView() == oldView) {
            newView->SetFocused(true);
        }
    } else if (oldView) {
        oldView->SetFocused(false);
    }
}

int32_t TuiGridLevel::IndexOf(const TuiGridLevel* child) const {
    const auto found = std::find(FItems.begin(), FItems.end(), child);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuiGridLevel::SetIndex(int32_t value) {
    if (FParent) {
        FParent->MoveItem(this, value);
    }
}

TuiGridLevel* TuiGridLevel::FirstVisibleItem() const {
    if (FVisibleItems.empty() || (FControl && FControl->IsDestroying())) {
        return nullptr;
    }
    return FVisibleItems.front();
}

TuiGridLevel& TuiGridLevel::Add() {
    auto* child = new TuiGridLevel(nullptr);
    AddItem(child);
    return *child;
}

void TuiGridLevel::AddItem(TuiGridLevel* child) {
    WithGridLocked(FControl, [&] {
        FItems.push_back(child);
        child->FParent = this;
        child->SetControl(FControl);
        RefreshVisibleItems();
        CreateDataRelation(*child);
        if (IsRoot() && FControl->ActiveLevel() == nullptr) {
            FControl->SetActiveLevel(FirstVisibleItem());
        }
        Changed(true);
    });
}

void TuiGridLevel::RemoveItem(TuiGridLevel* child) {
    const auto found = std::find(FItems.begin(), FItems.end(), child);
    if (found == FItems.end()) {
        return;
    }
    WithGridLocked(FControl, [&] {
        FItems.erase(found);
        RefreshVisibleItems();
        child->FParent = nullptr;
        DestroyDataRelation(*child);
        if (FControl && FControl->ActiveLevel() == child) {
            FControl->SetActiveLevel(nullptr);
        }
        Changed(true);
    });
}

void TuiGridLevel::MoveItem(TuiGridLevel* child, int32_t index) {
    const int32_t current = IndexOf(child);
    if (current < 0) {
        return;
    }
    index = std::clamp(index, 0, Count() - 1);
    FItems.erase(FItems.begin() + current);
    FItems.insert(FItems.begin() + index, child);
    RefreshVisibleItems();
    if (TuiCustomDataRelation* relation = child->FDataRelation) {
        relation->RelationList().MoveRelation(relation->IndexInList(), index);
    }
    Changed(true);
}

bool TuiGridLevel::Active() const {
    return FControl && FControl->ActiveLevel() == this;
}

void TuiGridLevel::SetActive(bool value) {
    if (Active() == value || FControl == nullptr) {
        return;
    }
    if (!value) {
        FControl->SetActiveLevel(nullptr);
    } else if (IsTop()) {
        FControl->SetActiveLevel(this);
    }
}

bool TuiGridLevel::IsRoot() const {
    return FControl && &FControl->Levels() == this;
}

bool TuiGridLevel::IsTop() const {
    return FParent && FParent->IsRoot();
}

bool TuiGridLevel::IsShown() const {
    for (const TuiGridLevel* level = this; level && !level->IsRoot(); level = level->FParent) {
        if (!level->FVisible || (level->IsTop() && !level->Active())) {
            return false;
        }
    }
    return true;
}

bool TuiGridLevel::IsVisibleInTree() const {
    for (const TuiGridLevel* level = this; level; level = level->FParent) {
        if (!level->FVisible) {
            return false;
        }
    }
    return true;
}

void TuiGridLevel::Changed(bool hard) {
    if (FControl == nullptr) {
        return;
    }
    if (hard) {
        FControl->SizeChanged();
    } else {
        FControl->LayoutChanged();
    }
}

void TuiGridLevel::ItemVisibilityChanged(TuiGridLevel* child) {
    const int32_t oldCount = VisibleCount();
    RefreshVisibleItems();
    if (FGridView) {
        FGridView->DetailVisibilityChanged(child, oldCount, VisibleCount());
    }
}

void TuiGridLevel::RefreshVisibleItems() {
    FVisibleItems.clear();
    std::copy_if(FItems.begin(), FItems.end(), std::back_inserter(FVisibleItems),
                 [](const TuiGridLevel* item) { return item->FVisible; });
}

TuiGridRootLevel::TuiGridRootLevel(TuiCustomGrid* grid) : TuiGridLevel(nullptr, 0) {
    SetControl(grid);
}

} // namespace ui
