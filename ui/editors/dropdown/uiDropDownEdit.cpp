#include "ui/editors/dropdown/uiDropDownEdit.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiPopupHooks.h"
#include "ui/editors/dropdown/uiDropDownEditViewData.h"
#include "ui/editors/dropdown/uiEditPopupWindow.h"
#include "ui/editors/framework/uiEditViewData.h"

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
    window.SetPopupWidth(properties.PopupWidth());
    window.SetPopupHeight(properties.PopupHeight());
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
    if (FCloseReason == pcrNone) {
        FCloseReason = reason;
    }
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

void TuiCustomDropDownEdit::StorePopupSize() {
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (!properties.PopupSizeable() || FPopupWindow == nullptr) {
        return;
    }
    properties.SetPopupWidth(FPopupWindow->Width());
    properties.SetPopupHeight(FPopupWindow->Height());
}

// Keys.

void TuiCustomDropDownEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (HandleToggleKey(key, shift) || HandleEnterOrEscape(key, shift)) {
        return;
    }
    TuiCustomMaskEdit::DoEditKeyDown(key, shift);
}

bool TuiCustomDropDownEdit::HandleToggleKey(uint16_t& key, vcl::TShiftState shift) {
    const bool alt = shift.Contains(vcl::ssAlt);
    if (!(((key == VK_UP || key == VK_DOWN) && alt) || (key == VK_F4 && !alt))) {
        return false;
    }
    if (IsPopupShown()) {
        CloseUp(pcrToggleKey);
    } else {
        SetDroppedDown(true);
    }
    key = 0;
    return true;
}

bool TuiCustomDropDownEdit::HandleEnterOrEscape(uint16_t& key, vcl::TShiftState shift) {
    if ((key != VK_RETURN && key != VK_ESCAPE) || shift.Contains(vcl::ssAlt) || !IsPopupShown()) {
        return false;
    }
    FPopupKeyHandled = true;
    const bool wasInProgress = UserEditInProgress();
    SetUserEditInProgress(true);
    try {
        CloseUp(key == VK_RETURN && TryBeginEdit() ? pcrAccept : pcrCancel);
    } catch (...) {
        SetUserEditInProgress(wasInProgress);
        throw;
    }
    SetUserEditInProgress(wasInProgress);
    if (IsPopupShown()) {
        return false;
    }
    if (key == VK_ESCAPE && GetCapture() != nullptr) {
        ReleaseCapture();
    }
    // The key's character, already queued, belongs to the popup too: neither the text nor the form sees it.
    if (DiscardQueuedChar(key == VK_RETURN ? u'\r' : u'\x1b')) {
        FPopupKeyHandled = false;
    }
    key = 0;
    return true;
}

void TuiCustomDropDownEdit::DropDownOnTypedKey(char16_t key) {
    if (key >= u' ' && GetDropDownProperties().ImmediateDropDown() && !IsPopupShown()) {
        SetDroppedDown(true);
    }
}

bool TuiCustomDropDownEdit::DiscardQueuedChar(char16_t character) {
    if (!InnerEdit().HandleAllocated()) {
        return false;
    }
    MSG message;
    const HWND window = InnerEdit().WindowHandle();
    if (!PeekMessageW(&message, window, WM_CHAR, WM_CHAR, PM_NOREMOVE) || message.wParam != character) {
        return false;
    }
    return PeekMessageW(&message, window, WM_CHAR, WM_CHAR, PM_REMOVE) != 0;
}

void TuiCustomDropDownEdit::DoEditKeyPress(char16_t& key) {
    DropDownOnTypedKey(key);
    TuiCustomDropDownEditProperties& properties = GetDropDownProperties();
    if (key >= u' ' && properties.PopupCapturesFocus() && CanDropDown() && GetPopupFocusControl() != nullptr &&
        FPopupWindow->HandleAllocated()) {
        PostMessageW(FPopupWindow->WindowHandle(), UI_POPUPSENDCHAR, key, 0);
        key = 0;
        return;
    }
    TuiCustomMaskEdit::DoEditKeyPress(key);
}

bool TuiCustomDropDownEdit::PostsOnTab() const {
    return IsPopupShown() && const_cast<TuiCustomDropDownEdit*>(this)->GetDropDownProperties().PostPopupValueOnTab();
}

void TuiCustomDropDownEdit::BeforeTabFocusMove(vcl::TShiftState shift) {
    if (IsPopupShown() && GetDropDownProperties().PostPopupValueOnTab()) {
        CloseUp(pcrTab);
    }
    TuiCustomMaskEdit::BeforeTabFocusMove(shift);
}

// Mouse, focus and lifetime.

void TuiCustomDropDownEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const bool wasShown = IsPopupShown();
    const int32_t buttonIndex = button == vcl::mbLeft ? GetButtonIndexAt({x, y}) : -1;
    const vcl::TControlLink link(this);
    TuiCustomMaskEdit::MouseDown(button, shift, x, y);
    if (!link.Alive() || button != vcl::mbLeft || wasShown) {
        return;
    }
    const bool onDropDownButton = buttonIndex == GetDropDownProperties().GetDropDownButtonIndex();
    const bool onFixedList = GetDropDownProperties().IsFixedList() && buttonIndex < 0 && Focused();
    if (onDropDownButton || onFixedList) {
        SetDroppedDown(true);
    }
}

void TuiCustomDropDownEdit::FocusChanged() {
    TuiCustomMaskEdit::FocusChanged();
    if (!GetDropDownProperties().PopupCapturesFocus() && !Focused()) {
        CloseUp(pcrNone);
    }
}

void TuiCustomDropDownEdit::DoExit() {
    CloseUp(pcrNone);
    TuiCustomMaskEdit::DoExit();
}

void TuiCustomDropDownEdit::DestroyWnd() {
    CloseUp(pcrNone);
    PopupClosed();
    TuiCustomMaskEdit::DestroyWnd();
}

void TuiCustomDropDownEdit::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomMaskEdit::InitViewData(viewData);
    if (auto* dropDown = dynamic_cast<TuiCustomDropDownEditViewData*>(&viewData)) {
        dropDown->PopupShown = IsPopupShown();
        dropDown->CompletionActive = CompletionActive();
        dropDown->Transparent = Transparent();
    }
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
