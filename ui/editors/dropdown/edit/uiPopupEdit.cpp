#include "ui/editors/dropdown/edit/uiPopupEdit.h"

#include "ui/core/controls/popups/uiPopupHooks.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/strings/uiEditExceptions.h"

namespace ui {

TuiCustomPopupEditProperties::TuiCustomPopupEditProperties(rtl::TPersistent* owner)
    : TuiCustomDropDownEditProperties(owner), FControlWatcher(std::make_unique<TuiFreeNotificator>(nullptr)) {
    FControlWatcher->SetOnFreeNotification([this](rtl::TComponent* component) {
        if (component == FPopupControl) {
            FPopupControl = nullptr;
        }
    });
    SetPopupAutoSize(true);
    SetPopupMinHeight(100);
    SetPopupMinWidth(100);
    SetPopupHeight(200);
    SetPopupWidth(250);
    BeginUpdate();
    SetPopupSizeable(true);
    EndUpdate(false);
}

TuiCustomPopupEditProperties::~TuiCustomPopupEditProperties() = default;

void TuiCustomPopupEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* popup = dynamic_cast<const TuiCustomPopupEditProperties*>(source);
    if (popup == nullptr) {
        TuiCustomDropDownEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomDropDownEditProperties::Assign(source);
        SetPopupControl(popup->FPopupControl);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomPopupEditProperties::SetPopupControl(vcl::TControl* value) {
    if (value == FPopupControl) {
        return;
    }
    FControlWatcher->UnwatchComponent(FPopupControl);
    FPopupControl = value;
    FControlWatcher->WatchComponent(FPopupControl);
}

const rtl::TMetaclass& TuiCustomPopupEditProperties::GetContainerClass() const {
    return TuiPopupEdit::StaticClass();
}

const rtl::TMetaclass& TuiCustomPopupEditProperties::GetPopupWindowClass() const {
    return TuiPopupEditPopupWindow::StaticClass();
}

TuiPopupEditProperties::TuiPopupEditProperties(rtl::TPersistent* owner) : TuiCustomPopupEditProperties(owner) {
    SetImmediateDropDown(true);
    SetImmediatePopup(true);
}

const rtl::TMetaclass& TuiPopupEditProperties::GetContainerClass() const {
    return TuiPopupEdit::StaticClass();
}

TuiCustomPopupEdit::TuiCustomPopupEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomDropDownEdit(owner, propertiesClass) {}

TuiCustomPopupEdit::~TuiCustomPopupEdit() {
    if (IsPopupShown()) {
        RestorePopupControl();
    }
    DestroyPopupWindow();
}

TuiCustomPopupEditProperties& TuiCustomPopupEdit::GetPopupEditProperties() {
    return static_cast<TuiCustomPopupEditProperties&>(GetEffectiveProperties());
}

// The editor itself, a control holding it, or the popup window: the control would have to hold itself.
bool TuiCustomPopupEdit::IsCircularPopupControl(vcl::TControl* control) {
    if (control == this || control == PopupWindow()) {
        return true;
    }
    for (vcl::TWinControl* parent = Parent(); parent != nullptr; parent = parent->Parent()) {
        if (parent == control) {
            return true;
        }
    }
    return false;
}

void TuiCustomPopupEdit::InitPopup() {
    if (IsCircularPopupControl(GetPopupEditProperties().PopupControl())) {
        throw EuiEditError(LoadResStringText(uiSEditPopupCircularReferencingError));
    }
    TuiCustomDropDownEdit::InitPopup();
}

void TuiCustomPopupEdit::SavePopupControlState() {
    vcl::TControl* control = GetPopupEditProperties().PopupControl();
    FSaved.Align = control->Align();
    if (auto* form = dynamic_cast<vcl::TCustomForm*>(control)) {
        FSaved.BorderStyle = form->BorderStyle();
        form->SetBorderStyle(vcl::bsNone);
    }
    FSaved.Bounds = control->BoundsRect();
    FSaved.Parent = control->Parent();
    FSaved.Visible = control->Visible();
    FShownControl = control;
}

void TuiCustomPopupEdit::RestorePopupControl() {
    vcl::TControl* control = std::exchange(FShownControl, nullptr);
    if (control == nullptr || control != GetPopupEditProperties().PopupControl()) {
        return;
    }
    control->Hide();
    control->SetParent(FSaved.Parent);
    control->SetAlign(FSaved.Align);
    control->SetBoundsRect(FSaved.Bounds);
    control->SetVisible(FSaved.Visible);
    if (auto* form = dynamic_cast<vcl::TCustomForm*>(control)) {
        form->SetBorderStyle(FSaved.BorderStyle);
    }
}

void TuiCustomPopupEdit::PreparePopup() {
    vcl::TControl* control = GetPopupEditProperties().PopupControl();
    SavePopupControlState();
    control->SetParent(PopupWindow());
    control->SetVisible(true);
    TuiCustomDropDownEdit::PreparePopup();
    control->SetAlign(vcl::alClient);
}

vcl::TSize TuiCustomPopupEdit::GetPopupContentSize() {
    const vcl::TControl* control = GetPopupEditProperties().PopupControl();
    return control != nullptr ? vcl::TSize{control->Width(), control->Height()} : vcl::TSize{0, 0};
}

vcl::TWinControl* TuiCustomPopupEdit::GetPopupFocusControl() {
    return dynamic_cast<vcl::TWinControl*>(GetPopupEditProperties().PopupControl());
}

void TuiCustomPopupEdit::PositionPopupContent(const vcl::TRect& rect) {
    if (vcl::TControl* control = GetPopupEditProperties().PopupControl()) {
        control->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
}

void TuiCustomPopupEdit::PopupWindowClosed() {
    RestorePopupControl();
    TuiCustomDropDownEdit::PopupWindowClosed();
}

void TuiCustomPopupEdit::ClosePopupWith(TuiPopupCloseReason reason) {
    RecordCloseReason(reason);
    if (PopupWindow() != nullptr) {
        PostPopupCloseRequest(PopupWindow());
    }
}

// Without the native look the 3D frame is two raised edges, a ring in the inactive border colour and one in the
// button face.
void TuiPopupEditPopupWindowViewInfo::DrawBorder(TuiCanvas& canvas, vcl::TRect& rect) const {
    if (NativeStyle || PopupBorderStyle != epbsFrame3D) {
        TuiCustomEditPopupWindowViewInfo::DrawBorder(canvas, rect);
        return;
    }
    canvas.DrawEdge(rect, false, true);
    rect = InflateRectBy(rect, -1, -1);
    canvas.DrawEdge(rect, false, false);
    rect = InflateRectBy(rect, -1, -1);
    canvas.FrameRect(rect, vcl::clInactiveBorder);
    rect = InflateRectBy(rect, -1, -1);
    canvas.FrameRect(rect, vcl::clBtnFace);
    rect = InflateRectBy(rect, -1, -1);
}

} // namespace ui
