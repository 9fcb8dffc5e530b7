#include "ui/editors/dropdown/edit/uiDropDownEdit.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/popups/uiPopupHooks.h"
#include "ui/editors/dropdown/edit/uiDropDownEditViewData.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "vcl/system/Messages.h"

#include <utility>

namespace ui {

namespace {

TuiPopupAlignHorz PopupAlignHorzOf(TuiPopupWindowHorzAlign align) {
    switch (align) {
    case pwhCenter:
        return pahCenter;
    case pwhRight:
        return pahRight;
    case pwhLeft:
        break;
    }
    return pahLeft;
}

TuiPopupAlignVert PopupAlignVertOf(TuiPopupWindowVertAlign align) {
    switch (align) {
    case pwvTop:
        return pavTop;
    case pwvCenter:
        return pavCenter;
    case pwvBottom:
        break;
    }
    return pavBottom;
}

} // namespace

bool IsAcceptingCloseReason(TuiPopupCloseReason reason) {
    return reason == pcrTab || reason == pcrToggleKey || reason == pcrAccept;
}

const rtl::TMetaclass& TuiCustomDropDownEditProperties::GetPopupWindowClass() const {
    return TuiCustomEditPopupWindow::StaticClass();
}

const rtl::TMetaclass& TuiCustomDropDownEditProperties::GetContainerClass() const {
    return TuiCustomDropDownEdit::StaticClass();
}

TuiCustomDropDownEdit::TuiCustomDropDownEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomMaskEdit(owner, propertiesClass) {
    if (!ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        CreatePopupWindow();
    }
}

TuiCustomDropDownEdit::~TuiCustomDropDownEdit() {
    DestroyPopupWindow();
}

// A shown popup goes without its closing events: the editor is going too.
void TuiCustomDropDownEdit::DestroyPopupWindow() {
    DiscardQueuedShow();
    rtl::TComponent::Free(std::exchange(FPopupWindow, nullptr));
}

TuiCustomDropDownEditProperties& TuiCustomDropDownEdit::GetDropDownProperties() {
    return static_cast<TuiCustomDropDownEditProperties&>(GetEffectiveProperties());
}

void TuiCustomDropDownEdit::CreatePopupWindow() {
    const rtl::TMetaclass& windowClass = GetDropDownProperties().GetPopupWindowClass();
    FPopupWindow = static_cast<TuiCustomEditPopupWindow*>(windowClass.CreateInstance(this));
    FPopupWindow->SetCaptureFocus(GetDropDownProperties().PopupCapturesFocus());
    FPopupWindow->SetFollowParentTopMost(!IsInplace());
    // The popup looks as the editor does.
    FPopupWindow->Style().LookAndFeel().SetMaster(&EditStyle(essNormal).LookAndFeel());
    FPopupWindow->SetOnShowed([this](rtl::TObject*) { PopupWindowShown(); });
    FPopupWindow->SetOnClosed([this](rtl::TObject*) { PopupWindowClosed(); });
    FPopupWindow->SetOnCloseQuery([this](rtl::TObject*, bool& canClose) { canClose = PopupCloseQuery(); });
}

bool TuiCustomDropDownEdit::IsPopupShown() const {
    return FPopupWindow != nullptr && FPopupWindow->IsShown();
}

// A show request still in the queue is taken out; it counts as a closed popup.
bool TuiCustomDropDownEdit::DiscardQueuedShow() {
    if (FPopupWindow == nullptr || !FPopupWindow->HandleAllocated()) {
        return false;
    }
    MSG message;
    return PeekMessageW(&message, FPopupWindow->WindowHandle(), UI_POPUPSHOWAGAIN, UI_POPUPSHOWAGAIN, PM_REMOVE) != 0;
}

bool TuiCustomDropDownEdit::IsShowQueued() const {
    MSG message;
    return FPopupWindow != nullptr && FPopupWindow->HandleAllocated() &&
           PeekMessageW(&message, FPopupWindow->WindowHandle(), UI_POPUPSHOWAGAIN, UI_POPUPSHOWAGAIN, PM_NOREMOVE);
}

void TuiCustomDropDownEdit::SetDroppedDown(bool value) {
    if (value == IsPopupShown()) {
        return;
    }
    if (!value) {
        CloseUp(pcrNone);
    } else if (!IsShowQueued()) {
        DropDown();
    }
}

vcl::TRect TuiCustomDropDownEdit::GetPopupOwnerBounds() {
    vcl::TRect bounds{0, 0, Width(), Height()};
    if (CreateViewData()->HasShadow()) {
        bounds.Right += EditPopupShadowSize;
    }
    return {bounds.Left + Left(), bounds.Top + Top(), bounds.Right + Left(), bounds.Bottom + Top()};
}

void TuiCustomDropDownEdit::FireEvent(const rtl::TNotifyEvent& (TuiCustomDropDownEditProperties::*event)() const) {
    const auto& own = static_cast<TuiCustomDropDownEditProperties&>(Properties());
    if (const rtl::TNotifyEvent& handler = (own.*event)()) {
        handler(this);
    }
    if (RepositoryItem() == nullptr) {
        return;
    }
    const auto& item = static_cast<TuiCustomDropDownEditProperties&>(RepositoryItem()->Properties());
    if (const rtl::TNotifyEvent& handler = (item.*event)()) {
        handler(this);
    }
}

bool TuiCustomDropDownEdit::PopupCloseQuery() {
    bool canClose = true;
    const auto& own = static_cast<TuiCustomDropDownEditProperties&>(Properties());
    if (own.OnCloseQuery()) {
        own.OnCloseQuery()(this, canClose);
    }
    if (RepositoryItem() != nullptr) {
        const auto& item = static_cast<TuiCustomDropDownEditProperties&>(RepositoryItem()->Properties());
        if (item.OnCloseQuery()) {
            item.OnCloseQuery()(this, canClose);
        }
    }
    return canClose;
}

// Opening.

void TuiCustomDropDownEdit::DropDown() {
    if (!HandleAllocated() || !IsWindowVisible(WindowHandle())) {
        return;
    }
    InitPopup();
    if (!CanDropDown()) {
        PopupClosed();
        return;
    }
    PreparePopup();
    FPopupWindow->HandleNeeded();
    PostMessageW(FPopupWindow->WindowHandle(), UI_POPUPSHOWAGAIN, 0, 0);
}

void TuiCustomDropDownEdit::InitPopup() {
    if (FDroppedDown) {
        return;
    }
    FDroppedDown = true;
    try {
        FireEvent(&TuiCustomDropDownEditProperties::OnInitPopup);
    } catch (...) {
        FDroppedDown = false;
        throw;
    }
}

void TuiCustomDropDownEdit::SetupPopupWindow() {
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    TuiCustomEditPopupWindow& window = *FPopupWindow;
    window.SetOwnerParent(Parent());
    window.SetDirection(properties.PopupOpenDirection() == pwdHorizontal ? pdHorizontal : pdVertical);
    window.SetAlignHorz(PopupAlignHorzOf(properties.PopupHorzAlign()));
    window.SetAlignVert(PopupAlignVertOf(properties.PopupVertAlign()));
    window.SetClientEdge(properties.PopupClientEdge());
    window.SetMinHeight(properties.PopupMinHeight());
    window.SetMinWidth(properties.PopupMinWidth());
    window.SetAutoSize(properties.PopupAutoSize());
    window.SetSizeable(properties.PopupSizeable());
    window.SetSysPanelStyle(properties.PopupSysPanelStyle());
    const TuiCustomDropDownEditData* data = InplaceDropDownData();
    const bool columnSize = data != nullptr && properties.PopupSizeable() && data->Resized;
    window.SetPopupWidth(columnSize ? data->PopupWidth : properties.PopupWidth());
    window.SetPopupHeight(columnSize ? data->PopupHeight : properties.PopupHeight());
    window.SetCloseButton(true);
    const std::unique_ptr<TuiCustomEditViewData> viewData = CreateViewData();
    window.SetPopupBorderStyle(ActiveEditStyle().PopupBorderStyle());
    window.SetNativeStyle(TuiCustomEditViewData::IsNativeStyle(ActiveEditStyle().LookAndFeel()));
    window.SetShadow(viewData->HasShadow());
}

void TuiCustomDropDownEdit::PreparePopup() {
    TuiCustomEditPopupWindow& window = *FPopupWindow;
    window.SetCaptureFocus(GetDropDownProperties().PopupCapturesFocus());
    InitLookupPopup();
    SetupPopupWindow();
    vcl::TPoint position;
    window.SetCalculatingSize(true);
    try {
        window.CalculateSize();
        position = window.CalculatePosition();
        window.CorrectBoundsToScreen(position);
    } catch (...) {
        window.SetCalculatingSize(false);
        throw;
    }
    window.SetCalculatingSize(false);
    window.SetBounds(position.X, position.Y, window.Width(), window.Height());
    window.RecalculateContent();
}

vcl::TWinControl* TuiCustomDropDownEdit::GetPopupFocusControl() {
    return &InnerEdit();
}

void TuiCustomDropDownEdit::PositionPopupContent(const vcl::TRect&) {}

void TuiCustomDropDownEdit::PopupWindowShown() {
    FPopupWindow->CalculateViewInfo();
    PositionPopupContent(FPopupWindow->ViewInfo().ClientRect);
    DoPopup();
    Invalidate();
}

void TuiCustomDropDownEdit::DoPopup() {
    FCloseReason = pcrNone;
    FireEvent(&TuiCustomDropDownEditProperties::OnPopup);
}

// Closing.

// The change events stay held while the selection is taken and posted, and are released, and the window hidden,
// also when taking or posting raises: the error reaches the caller with the popup closed.
void TuiCustomDropDownEdit::CloseUp(TuiPopupCloseReason reason) {
    if (!IsPopupShown()) {
        return;
    }
    RecordCloseReason(reason);
    // A handler that closes again while the selection is taken or posted only adds its reason.
    if (FClosingUp) {
        return;
    }
    const TuiDropDownFlagScope closing(FClosingUp);
    LockChangeEvents(true);
    try {
        if (IsAcceptingCloseReason(FCloseReason)) {
            ApplyPopupSelection();
            CommitAcceptedValue();
        }
    } catch (...) {
        LockChangeEvents(false);
        FPopupWindow->CloseUp();
        throw;
    }
    LockChangeEvents(false);
    FPopupWindow->CloseUp();
}

void TuiCustomDropDownEdit::CommitAcceptedValue() {
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (!properties.DefersPostOnCloseUp() && properties.ImmediatePost() && IsPostPending()) {
        CommitValue(true);
    }
}

void TuiCustomDropDownEdit::PopupWindowClosed() {
    PopupClosed();
    DoCloseUp();
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (properties.DefersPostOnCloseUp() && properties.ImmediatePost() && IsPostPending()) {
        LockChangeEvents(true);
        try {
            if (ValidateEnteredText(true)) {
                CommitValue(false);
            }
        } catch (...) {
            LockChangeEvents(false);
            throw;
        }
        LockChangeEvents(false);
    }
    Invalidate();
}

void TuiCustomDropDownEdit::PopupClosed() {
    if (!FDroppedDown) {
        return;
    }
    FDroppedDown = false;
    FireEvent(&TuiCustomDropDownEditProperties::OnPopupFinished);
}

void TuiCustomDropDownEdit::DoCloseUp() {
    if (FOnClosePopup) {
        FOnClosePopup(*this, FCloseReason);
    }
    FireEvent(&TuiCustomDropDownEditProperties::OnCloseUp);
}

TuiCustomDropDownEditData* TuiCustomDropDownEdit::InplaceDropDownData() const {
    return IsInplace() ? dynamic_cast<TuiCustomDropDownEditData*>(ActiveEditData()) : nullptr;
}

bool TuiCustomDropDownEdit::PopupResized() const {
    if (const TuiCustomDropDownEditData* data = InplaceDropDownData()) {
        return data->Resized && const_cast<TuiCustomDropDownEdit*>(this)->GetDropDownProperties().PopupSizeable();
    }
    return FPopupResized;
}

// In place the size belongs to the host's column, standalone to the properties.
void TuiCustomDropDownEdit::StorePopupSize() {
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (!properties.PopupSizeable() || FPopupWindow == nullptr) {
        return;
    }
    if (TuiCustomDropDownEditData* data = InplaceDropDownData()) {
        data->Resized = true;
        data->PopupWidth = FPopupWindow->Width();
        data->PopupHeight = FPopupWindow->Height();
        return;
    }
    properties.SetPopupWidth(FPopupWindow->Width());
    properties.SetPopupHeight(FPopupWindow->Height());
}

void TuiCustomDropDownEdit::Activated() {
    TuiCustomMaskEdit::Activated();
    if (GetDropDownProperties().ImmediatePopup()) {
        SetDroppedDown(true);
    }
}

void TuiCustomDropDownEdit::SaveEditData(TuiCustomEditData& data) {
    if (auto* dropDown = dynamic_cast<TuiCustomDropDownEditData*>(&data)) {
        dropDown->Resized = false;
        dropDown->PopupWidth = GetDropDownProperties().PopupWidth();
        dropDown->PopupHeight = GetDropDownProperties().PopupHeight();
    }
}

void TuiCustomDropDownEdit::DestroyWnd() {
    CloseUp(pcrNone);
    PopupClosed();
    TuiCustomMaskEdit::DestroyWnd();
}

TuiContainerStyleValues TuiCustomDropDownEdit::GetUnpublishedStyleValues() const {
    TuiContainerStyleValues values = TuiCustomMaskEdit::GetUnpublishedStyleValues();
    for (const TuiEditStyleValue value :
         {esvButtonStyle, esvButtonTransparency, esvPopupBorderStyle, esvGradientButtons}) {
        values.Exclude(value);
    }
    return values;
}

void TuiCustomDropDownEdit::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomMaskEdit::InitViewData(viewData);
    if (auto* dropDown = dynamic_cast<TuiCustomDropDownEditViewData*>(&viewData)) {
        dropDown->PopupShown = IsPopupShown();
        dropDown->CompletionActive = CompletionActive();
        dropDown->Transparent = Transparent();
    }
}

void TuiCustomDropDownEdit::Dispatch(vcl::TMessage& message) {
    if (message.Msg == vcl::CM_HINTSHOW && IsPopupShown()) {
        message.Result = 1;
        return;
    }
    TuiCustomMaskEdit::Dispatch(message);
}

void TuiCustomDropDownEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (!GetDropDownProperties().PopupSizeable()) {
        FPopupResized = false;
    }
    if (IsPopupShown()) {
        SetupPopupWindow();
    }
    TuiCustomMaskEdit::PropertiesChanged(properties);
}

} // namespace ui
