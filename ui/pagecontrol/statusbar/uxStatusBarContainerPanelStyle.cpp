#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"

#include "rtl/numbers/NumberConversions.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"

#include <algorithm>

namespace ui {

namespace {

bool IsDesigning(const rtl::TComponent& component) {
    return component.ComponentState().Contains(rtl::TComponentState::csDesigning);
}

bool SameNameIgnoringCase(rtl::UnicodeStringView a, rtl::UnicodeStringView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

} // namespace

TuxStatusBarContainerControl::TuxStatusBarContainerControl(rtl::TComponent* owner) : TuiControl(owner) {
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csAcceptsControls);
    style.Include(vcl::csNoDesignVisible);
    SetControlStyle(style);
    SetScrollBars(vcl::ssNone);
}

TuxStatusBarContainerControl::~TuxStatusBarContainerControl() {
    if (FStyle) {
        TuxStatusBarContainerPanelStyle* style = FStyle;
        FStyle = nullptr;
        style->ContainerDestroyed();
    }
}

void TuxStatusBarContainerControl::Paint() {
    if (FStyle) {
        FStyle->StatusBar().Painter().DrawContainerControl(*FStyle);
        return;
    }
    UICanvas().FillRectColor(ClientRect(), vcl::clBtnFace);
}

TuxStatusBarContainerPanelStyle::TuxStatusBarContainerPanelStyle(TuxStatusBarPanel* owner)
    : TuxStatusBarPanelStyle(owner) {
    TuxCustomStatusBar& bar = StatusBar();
    if (bar.IsLoadingOrUpdating()) {
        return;
    }
    auto* container = new TuxStatusBarContainerControl(bar.Owner());
    if (IsDesigning(bar)) {
        for (int32_t number = owner->ID();; ++number) {
            const rtl::UnicodeString name = bar.Name() + u"Container" + rtl::IntToStr(number);
            if (!bar.Owner() || !bar.Owner()->FindComponent(name)) {
                container->SetName(name);
                break;
            }
        }
    }
    container->SetParent(&bar);
    SetContainer(container);
}

TuxStatusBarContainerPanelStyle::~TuxStatusBarContainerPanelStyle() {
    if (!FContainer) {
        return;
    }
    TuxStatusBarContainerControl* container = FContainer;
    FContainer = nullptr;
    container->FStyle = nullptr;
    if (!StatusBar().IsLoadingOrUpdating()) {
        rtl::TComponent::Free(container);
    }
}

void TuxStatusBarContainerPanelStyle::SetAlignControl(bool value) {
    if (FAlignControl != value) {
        FAlignControl = value;
        Changed();
    }
}

void TuxStatusBarContainerPanelStyle::SetContainer(TuxStatusBarContainerControl* value) {
    if (FContainer == value) {
        return;
    }
    TuxStatusBarContainerControl* old = FContainer;
    FContainer = value;
    if (old) {
        old->FStyle = nullptr;
        if (!value && !StatusBar().IsLoadingOrUpdating()) {
            rtl::TComponent::Free(old);
        }
    }
    if (value) {
        if (value->FStyle) {
            value->FStyle->FContainer = nullptr;
        }
        value->FStyle = this;
    }
    VisibleChanged();
}

bool TuxStatusBarContainerPanelStyle::CanDelete() const {
    return !FContainer || !FContainer->ComponentState().Contains(rtl::TComponentState::csAncestor);
}

void TuxStatusBarContainerPanelStyle::DrawContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                  const TuxStatusBarPainter& painter) {
    TuxStatusBarPanelStyle::DrawContent(canvas, rect, painter);
    if (!FContainer) {
        return;
    }
    vcl::TRect bounds = rect;
    if (painter.ExcludesSizeGripFromPanels(StatusBar())) {
        AdjustRectForSizeGrip(bounds);
    }
    FContainer->SetBoundsRect(bounds);
    if (!FAlignControl || IsDesigning(StatusBar())) {
        return;
    }
    for (int32_t i = 0; i < FContainer->ControlCount(); ++i) {
        FContainer->Controls(i)->SetBounds(0, 0, FContainer->Width(), FContainer->Height());
    }
}

void TuxStatusBarContainerPanelStyle::VisibleChanged() {
    if (FContainer) {
        FContainer->SetVisible(Panel().Visible());
    }
}

void TuxStatusBarContainerPanelStyle::DoAssign(const TuxStatusBarPanelStyle& source) {
    TuxStatusBarPanelStyle::DoAssign(source);
    const auto* other = dynamic_cast<const TuxStatusBarContainerPanelStyle*>(&source);
    if (!other) {
        return;
    }
    FAlignControl = other->FAlignControl;
    if (!other->FContainer) {
        return;
    }
    TuxCustomStatusBar& bar = StatusBar();
    for (int32_t i = 0; i < bar.ControlCount(); ++i) {
        auto* container = dynamic_cast<TuxStatusBarContainerControl*>(bar.Controls(i));
        if (container && SameNameIgnoringCase(container->Name(), other->FContainer->Name())) {
            SetContainer(container);
            return;
        }
    }
    SetContainer(nullptr);
}

void TuxStatusBarContainerPanelStyle::ContainerDestroyed() {
    FContainer = nullptr;
    Panel().SetPanelStyleClass(nullptr);
}

} // namespace ui
