#include "ui/grid/control/uiGridLevelTabControl.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridDetailsSite.h"
#include "ui/grid/control/uiGridLevel.h"
#include "vcl/system/Messages.h"

#include <utility>

namespace ui {

void TuiGridDetailsSiteTabHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiCustomGridHitTest::Assign(source);
    if (const auto* tabHitTest = dynamic_cast<const TuiGridDetailsSiteTabHitTest*>(source)) {
        FLevel = tabHitTest->FLevel;
        FControl = tabHitTest->FControl;
    }
}

TuiGridLevelTabControl::TuiGridLevelTabControl(TuiCustomGridDetailsSiteViewInfo& site)
    : TuiTabControl(nullptr), FSiteViewInfo(&site) {
    SetFocusable(false);
    SetTabStripMode(true);
    SetOptions(Options() + TuiPCOptions{pcoFixedTabWidthWhenRotated});
    SetParentBackground(false);
}

TuiGridLevelTabControl::~TuiGridLevelTabControl() = default;

void TuiGridLevelTabControl::SetShowAccelerators(bool value) {
    if (FShowAccelerators == value) {
        return;
    }
    FShowAccelerators = value;
    for (int32_t i = 0; i < Tabs().Count(); ++i) {
        if (const TuiGridLevel* level = LevelOfTab(i)) {
            Tabs().SetStrings(i, GetLevelCaption(*level));
        }
    }
}

rtl::UnicodeString TuiGridLevelTabControl::GetLevelCaption(const TuiGridLevel& level) const {
    if (FShowAccelerators) {
        return level.Caption();
    }
    rtl::UnicodeString caption;
    for (const char16_t character : level.GetDisplayCaption()) {
        caption += character;
        if (character == u'&') {
            caption += u'&';
        }
    }
    return caption;
}

void TuiGridLevelTabControl::AddLevel(TuiGridLevel& level) {
    const int32_t index = Tabs().Add(GetLevelCaption(level));
    TuiTab& tab = Tabs().Tab(index);
    tab.SetObject(&level);
    tab.SetImageIndex(level.ImageIndex());
    level.FreeNotification(this);
}

TuiGridLevel* TuiGridLevelTabControl::LevelOfTab(int32_t tabIndex) const {
    return tabIndex < 0 ? nullptr : static_cast<TuiGridLevel*>(Tabs().Objects(tabIndex));
}

int32_t TuiGridLevelTabControl::TabOfLevel(const TuiGridLevel* level) const {
    for (int32_t i = 0; i < Tabs().Count(); ++i) {
        if (level != nullptr && LevelOfTab(i) == level) {
            return i;
        }
    }
    return -1;
}

void TuiGridLevelTabControl::SetActiveLevel(const TuiGridLevel* level) {
    const int32_t index = TabOfLevel(level);
    FSettingActiveLevel = true;
    try {
        SetTabIndex(index == -1 && Tabs().Count() > 0 ? 0 : index);
    } catch (...) {
        FSettingActiveLevel = false;
        throw;
    }
    FSettingActiveLevel = false;
}

TuiGridDetailsSiteTabHitTest* TuiGridLevelTabControl::GetHitTest(vcl::TPoint point) {
    const int32_t tabIndex = TabIndexAtPoint(point.X, point.Y);
    if (tabIndex == -1 || FSiteViewInfo == nullptr) {
        return nullptr;
    }
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridDetailsSiteTabHitTest>(point);
    hitTest.SetViewInfo(nullptr);
    hitTest.SetLevel(LevelOfTab(tabIndex));
    FSiteViewInfo->InitTabHitTest(hitTest);
    return &hitTest;
}

bool TuiGridLevelTabControl::HandleAccelerator(char16_t key) {
    bool handled = false;
    RunAsMessage([&] { handled = TuiTabControl::HandleAccelerator(key); });
    return handled;
}

bool TuiGridLevelTabControl::CanTakeAccelerators() const {
    return vcl::TWinControl::CanFocus();
}

void TuiGridLevelTabControl::DoChange() {
    TuiTabControl::DoChange();
    if (FSiteViewInfo && !FSettingActiveLevel) {
        if (TuiGridLevel* level = ActiveLevel()) {
            // The site may be rebuilt, and this strip discarded, by what follows: nothing is touched after it.
            FSiteViewInfo->ActiveLevelChanged(*level);
        }
    }
}

void TuiGridLevelTabControl::Discard() {
    FSiteViewInfo = nullptr;
    if (FMessageDepth > 0) {
        FDiscardPending = true;
        return;
    }
    rtl::TComponent::Free(this);
}

template <class TAction>
void TuiGridLevelTabControl::RunAsMessage(TAction&& action) {
    // The parent going meanwhile takes the strip with it.
    const vcl::TControlLink link(this);
    ++FMessageDepth;
    try {
        action();
    } catch (...) {
        if (link.Alive()) {
            MessageDone();
        }
        throw;
    }
    if (link.Alive()) {
        MessageDone();
    }
}

void TuiGridLevelTabControl::MessageDone() {
    // Cleared first: the window's destruction brings messages of its own.
    if (--FMessageDepth == 0 && std::exchange(FDiscardPending, false)) {
        rtl::TComponent::Free(this);
    }
}

void TuiGridLevelTabControl::WndProc(vcl::TMessage& message) {
    RunAsMessage([&] { TuiTabControl::WndProc(message); });
}

void TuiGridLevelTabControl::Dispatch(vcl::TMessage& message) {
    // The grid hands its accelerators to the tabs itself.
    if (message.Msg == vcl::CM_DIALOGCHAR) {
        return;
    }
    TuiTabControl::Dispatch(message);
}

void TuiGridLevelTabControl::PrepareTabFont(TuiTab& tab, TuiCanvas& canvas) {
    TuiTabControl::PrepareTabFont(tab, canvas);
    auto* level = static_cast<TuiGridLevel*>(tab.Object());
    if (level == nullptr || FSiteViewInfo == nullptr || LookAndFeel().SkinPainter() != nullptr) {
        return;
    }
    TuiDrawParams params;
    FSiteViewInfo->GetTabParams(*level, params);
    if (params.Font) {
        canvas.SetFont(*params.Font);
    }
    if (params.TextColor != vcl::clDefault) {
        canvas.Font().SetColor(params.TextColor);
    }
}

void TuiGridLevelTabControl::PrepareMeasuringFont(TuiTab& tab, TuiCanvas& canvas) {
    PrepareTabFont(tab, canvas);
}

void TuiGridLevelTabControl::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiTabControl::Notification(component, operation);
    if (operation != rtl::TOperation::opRemove) {
        return;
    }
    // A level tells from its last destructor, where only its component part is left: compared as an object.
    const rtl::TObject* object = component;
    for (int32_t i = Tabs().Count() - 1; i >= 0; --i) {
        if (Tabs().Objects(i) == object) {
            Tabs().Delete(i);
        }
    }
}

template <class THandle, class TPass>
void TuiGridLevelTabControl::HandleAndPass(THandle&& handle, TPass&& pass) {
    const vcl::TControlLink link(this);
    handle();
    if (!link.Alive()) {
        return;
    }
    if (auto* grid = dynamic_cast<TuiCustomGrid*>(Parent())) {
        pass(*grid);
    }
}

void TuiGridLevelTabControl::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    HandleAndPass([&] { TuiTabControl::MouseDown(button, shift, x, y); },
                  [&](TuiCustomGrid& grid) { grid.MouseDown(button, shift, x + Left(), y + Top()); });
}

void TuiGridLevelTabControl::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    HandleAndPass([&] { TuiTabControl::MouseMove(shift, x, y); },
                  [&](TuiCustomGrid& grid) { grid.MouseMove(shift, x + Left(), y + Top()); });
}

void TuiGridLevelTabControl::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    HandleAndPass([&] { TuiTabControl::MouseUp(button, shift, x, y); },
                  [&](TuiCustomGrid& grid) { grid.MouseUp(button, shift, x + Left(), y + Top()); });
}

void TuiGridLevelTabControl::DblClick() {
    HandleAndPass([&] { TuiTabControl::DblClick(); }, [](TuiCustomGrid& grid) { grid.DblClick(); });
}

} // namespace ui
