#include "ui/grid/view/uiCustomGridView.h"

#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/uiDataController.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiGridChanges.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridPainter.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/grid/view/uiGridViewInfoCache.h"
#include "ui/grid/view/uiGridViewOptions.h"
#include "ui/grid/view/uiGridViewStyles.h"

#include <algorithm>

namespace ui {

namespace {

// The data controller of a view whose items are fields without item objects (the table view's items come with it).
class TuiGridViewDataController final : public TuiDataController {
public:
    using TuiDataController::TuiDataController;
    rtl::TObject* GetItem(int32_t /*index*/) const override { return nullptr; }
};

} // namespace

TuiGridListenerLink::TuiGridListenerLink(TuiCustomGridView* gridView) : FGridView(gridView) {
    if (FGridView) {
        FGridView->FListenerLinks.push_back(this);
    }
}

TuiGridListenerLink::~TuiGridListenerLink() {
    if (FGridView) {
        std::erase(FGridView->FListenerLinks, this);
    }
}

namespace {

std::unique_ptr<TuiCustomDataController> MakeGridViewDataController(TuiCustomGridView& gridView) {
    return std::make_unique<TuiGridViewDataController>(&gridView);
}

} // namespace

TuiCustomGridView::TuiCustomGridView(rtl::TComponent* owner) : TuiCustomGridView(owner, MakeGridViewDataController) {}

TuiCustomGridView::TuiCustomGridView(rtl::TComponent* owner, TDataControllerMaker make)
    : TuiControlChildComponent(owner), FDataController(make(*this)) {
    FDataController->SetControlNotification([this](TuiUpdateControlInfo& info) { DataChanged(info); });
}

TuiCustomGridView::~TuiCustomGridView() {
    Destroying();
    SetFocused(false);
    if (FLevel && FLevel->GridView() == this) {
        FLevel->SetGridView(nullptr);
    }
    if (TuiCustomGrid* grid = Grid()) {
        grid->RemoveChildComponent(this);
    }
    FDataController->SetControlNotification(nullptr);
    FDataController.reset();
    FStyles.reset();
    FOptionsView.reset();
    FOptionsSelection.reset();
    FOptionsData.reset();
    FOptionsBehavior.reset();
    FViewInfo.reset();
    FViewInfoCache.reset();
    FPainter.reset();
    FController.reset();
    for (TuiGridListenerLink* link : FListenerLinks) {
        link->FGridView = nullptr;
    }
}

namespace {

// The handler or options object in holder, made through create on first use.
template <class T, class TCreate>
T& MadeOnFirstUse(std::unique_ptr<T>& holder, TCreate&& create) {
    if (!holder) {
        holder = create();
    }
    return *holder;
}

} // namespace

TuiCustomGridController& TuiCustomGridView::Controller() {
    return MadeOnFirstUse(FController, [this] { return CreateController(); });
}

TuiCustomGridPainter& TuiCustomGridView::Painter() {
    return MadeOnFirstUse(FPainter, [this] { return CreatePainter(); });
}

TuiCustomGridViewInfo& TuiCustomGridView::ViewInfo() {
    return MadeOnFirstUse(FViewInfo, [this] { return CreateViewInfo(); });
}

const TuiCustomGridViewInfo& TuiCustomGridView::ViewInfo() const {
    return const_cast<TuiCustomGridView*>(this)->ViewInfo();
}

TuiCustomGridViewInfoCache* TuiCustomGridView::ViewInfoCache() {
    if (!FViewInfoCacheCreated) {
        FViewInfoCacheCreated = true;
        FViewInfoCache = CreateViewInfoCache();
    }
    return FViewInfoCache.get();
}

TuiCustomGridOptionsBehavior& TuiCustomGridView::OptionsBehavior() {
    return MadeOnFirstUse(FOptionsBehavior, [this] { return CreateOptionsBehavior(); });
}

TuiCustomGridOptionsData& TuiCustomGridView::OptionsData() {
    return MadeOnFirstUse(FOptionsData, [this] { return CreateOptionsData(); });
}

TuiCustomGridOptionsSelection& TuiCustomGridView::OptionsSelection() {
    return MadeOnFirstUse(FOptionsSelection, [this] { return CreateOptionsSelection(); });
}

TuiCustomGridOptionsView& TuiCustomGridView::OptionsView() {
    return MadeOnFirstUse(FOptionsView, [this] { return CreateOptionsView(); });
}

TuiCustomGridViewStyles& TuiCustomGridView::Styles() {
    return MadeOnFirstUse(FStyles, [this] { return CreateStyles(); });
}

std::unique_ptr<TuiCustomGridOptionsBehavior> TuiCustomGridView::CreateOptionsBehavior() {
    return std::make_unique<TuiCustomGridOptionsBehavior>(*this);
}

std::unique_ptr<TuiCustomGridOptionsData> TuiCustomGridView::CreateOptionsData() {
    return std::make_unique<TuiCustomGridOptionsData>(*this);
}

std::unique_ptr<TuiCustomGridOptionsSelection> TuiCustomGridView::CreateOptionsSelection() {
    return std::make_unique<TuiCustomGridOptionsSelection>(*this);
}

std::unique_ptr<TuiCustomGridOptionsView> TuiCustomGridView::CreateOptionsView() {
    return std::make_unique<TuiCustomGridOptionsView>(*this);
}

std::unique_ptr<TuiCustomGridViewStyles> TuiCustomGridView::CreateStyles() {
    return std::make_unique<TuiCustomGridViewStyles>(*this);
}

void TuiCustomGridView::AddOptions(TuiCustomGridOptions* options) {
    FOptionsList.push_back(options);
}

void TuiCustomGridView::RemoveOptions(TuiCustomGridOptions* options) {
    std::erase(FOptionsList, options);
}

void TuiCustomGridView::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiControlChildComponent::Notification(component, operation);
    for (TuiCustomGridOptions* options : FOptionsList) {
        options->Notification(component, operation);
    }
}

const TuiCustomLookAndFeelPainter* TuiCustomGridView::LookAndFeelPainter() const {
    const TuiCustomGrid* grid = Grid();
    return grid ? grid->GetPainter() : &TuiStandardLookAndFeelPainter::Instance();
}

TuiGridSite& TuiCustomGridView::Site() const {
    return ViewInfo().Site();
}

std::unique_ptr<TuiCustomGridController> TuiCustomGridView::CreateController() {
    return std::make_unique<TuiCustomGridController>(*this);
}

std::unique_ptr<TuiCustomGridPainter> TuiCustomGridView::CreatePainter() {
    return std::make_unique<TuiCustomGridPainter>(*this);
}

std::unique_ptr<TuiCustomGridViewInfo> TuiCustomGridView::CreateViewInfo() {
    return std::make_unique<TuiCustomGridViewInfo>(*this);
}

std::unique_ptr<TuiCustomGridViewInfoCache> TuiCustomGridView::CreateViewInfoCache() {
    return nullptr;
}

TuiCustomGrid* TuiCustomGridView::Grid() const {
    return dynamic_cast<TuiCustomGrid*>(Control());
}

void TuiCustomGridView::BeginUpdate() {
    if (TuiCustomGrid* grid = Grid()) {
        grid->BeginUpdate();
    }
    ++FUpdateLockCount;
    FDataController->LockInfoUpdate();
}

void TuiCustomGridView::EndUpdate() {
    // Without a lock of its own the view would release a lock another holder took.
    if (FUpdateLockCount == 0) {
        return;
    }
    FDataController->UnlockInfoUpdate();
    --FUpdateLockCount;
    if (TuiCustomGrid* grid = Grid()) {
        grid->EndUpdate();
    }
}

void TuiCustomGridView::CancelUpdate() {
    if (FUpdateLockCount == 0) {
        return;
    }
    FDataController->UnlockInfoUpdate();
    --FUpdateLockCount;
    if (TuiCustomGrid* grid = Grid()) {
        grid->CancelUpdate();
    }
}

bool TuiCustomGridView::PostChange(std::unique_ptr<TuiCustomGridChange> change) {
    const rtl::TComponentStates state = ComponentState();
    if (state.Contains(rtl::TComponentState::csLoading) || state.Contains(rtl::TComponentState::csDestroying) ||
        IsCalculating()) {
        return false;
    }
    if (TuiCustomGrid* grid = Grid()) {
        grid->AddChange(std::move(change));
    } else {
        change->Execute();
    }
    return true;
}

void TuiCustomGridView::LayoutChanged(bool onlyThisView) {
    PostChange(std::make_unique<TuiGridLayoutChange>(onlyThisView ? this : nullptr));
}

bool TuiCustomGridView::SizeChanged(bool onlyThisView, bool keepMaster) {
    return PostChange(std::make_unique<TuiGridSizeChange>(this, onlyThisView || Grid() == nullptr, keepMaster));
}

void TuiCustomGridView::Invalidate() {
    PostChange(std::make_unique<TuiGridViewChange>(this, vcl::TRect{}));
}

void TuiCustomGridView::InvalidateRect(const vcl::TRect& rect) {
    if (!rect.IsEmpty()) {
        PostChange(std::make_unique<TuiGridViewChange>(this, rect));
    }
}

void TuiCustomGridView::Changed(int32_t kind) {
    if (FDataController->IsProviderLocked()) {
        return;
    }
    BeginUpdate();
    try {
        if (kind == 1) {
            LayoutChanged(true);
        } else if (kind == 2) {
            SizeChanged(false, false);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TuiCustomGridView::IsFocused() const {
    const TuiCustomGrid* grid = Grid();
    return grid && grid->FocusedView() == this;
}

void TuiCustomGridView::SetFocused(bool value) {
    TuiCustomGrid* grid = Grid();
    if (grid && value != IsFocused()) {
        grid->SetFocusedView(value ? this : nullptr);
    }
}

bool TuiCustomGridView::CanFocus() const {
    return IsAvailable(FLevel && FLevel->IsVisibleInTree());
}

void TuiCustomGridView::FocusChanged(bool focused) {
    if (focused) {
        Controller().MakeFocused();
    } else {
        Controller().LoseFocus();
    }
}

bool TuiCustomGridView::HasFocus() const {
    const TuiCustomGrid* grid = Grid();
    return grid && grid->IsFocused();
}

bool TuiCustomGridView::CanUpdateLayout() const {
    return (IsVisible() || IsPattern()) && Control() != nullptr;
}

bool TuiCustomGridView::IsVisible() const {
    return !ComponentState().Contains(rtl::TComponentState::csDestroying) && IsAvailable(FLevel && FLevel->IsShown());
}

bool TuiCustomGridView::IsAvailable(bool levelShown) const {
    return levelShown && !IsPattern() && MasterGridView() == nullptr;
}

bool TuiCustomGridView::IsCalculating() const {
    return FViewInfo && FViewInfo->IsCalculating();
}

void TuiCustomGridView::Repaint(const vcl::TRect& rect) {
    if (rect.IsEmpty()) {
        Painter().Invalidate();
    } else {
        Painter().InvalidateRect(rect);
    }
}

bool TuiCustomGridView::IsPattern() const {
    return FDataController->IsTemplateController();
}

bool TuiCustomGridView::IsDetail() const {
    return FDataController->IsDetailMode();
}

bool TuiCustomGridView::IsDetailOf(const TuiCustomGridView* gridView) const {
    for (const TuiCustomGridView* master = MasterGridView(); master; master = master->MasterGridView()) {
        if (master == gridView) {
            return true;
        }
    }
    return false;
}

void TuiCustomGridView::DataChanged(TuiUpdateControlInfo& info) {
    const rtl::TComponentStates state = ComponentState();
    if (state.Contains(rtl::TComponentState::csLoading) || state.Contains(rtl::TComponentState::csDestroying) ||
        IsPattern() || dynamic_cast<TuiDataChangedInfo*>(&info) == nullptr) {
        return;
    }
    if (TuiCustomGrid* grid = Grid(); grid && MasterGridView() == nullptr) {
        grid->RootLevelDataChanged();
    }
}

} // namespace ui
