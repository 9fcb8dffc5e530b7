#pragma once
// TuiCustomPopupWindow: the library's drop-down popup. Shown, it joins the list of shown popups that the thread hooks
// watch (uiPopupHooks.h) and, when it captures the focus, takes the keyboard focus and runs its own message loop until
// it is hidden; CloseUp hides it and gives the owner's form its real caption state back. Closing and focus changes it
// makes itself are bracketed by a closing counter, so the deactivation they cause does not close it again.

#include "rtl/core/Events.h"
#include "ui/core/controls/uiContainerStyle.h"
#include "ui/core/controls/uiContainerViewInfo.h"
#include "ui/core/controls/uiPopupWindow.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

// Makes the view info of a popup of a kind of its own.
using TuiContainerViewInfoFactory = std::function<std::unique_ptr<TuiContainerViewInfo>()>;

class TuiCustomPopupWindow : public TuiPopupWindow {
    RTL_DECLARE_CLASS(TuiCustomPopupWindow, TuiPopupWindow)
public:
    // A popup for ownerControl, which also owns it as a component.
    explicit TuiCustomPopupWindow(vcl::TControl* ownerControl);
    ~TuiCustomPopupWindow() override;
    void BeforeDestruction() override;
    void Dispatch(vcl::TMessage& message) override;

    // Shows the popup focusing control (Popup focuses the first control that takes it).
    virtual void PopupFocused(vcl::TWinControl* control);
    void Popup() override { PopupFocused(nullptr); }
    void CloseUp() override;
    // Closes the popup when its ModalResult is set and CloseQuery agrees.
    virtual void CloseOnRequest() { CloseUp(); }
    bool IsShown() const;

    // Whether a press at point on window, which closes the popup, is taken by the popup instead of reaching window.
    virtual bool AcceptsMessage(HWND /*window*/, uint32_t /*message*/, vcl::TPoint /*point*/,
                                vcl::TShiftState /*shift*/) {
        return false;
    }
    // Keys that pass with Alt held while the popup is shown: page and arrow keys and F4.
    virtual bool IsNavigationKey(uint16_t key) const;
    virtual bool IsSizingAllowed() const { return false; }
    virtual bool HasCustomFrame() const { return false; }
    // Shrinks a popup that may be sized to the work area at point.
    virtual void CorrectBoundsToScreen(vcl::TPoint& point);

    // The owner bounds are screen coordinates already unless the owner's window is a child window.
    vcl::TRect GetOwnerScreenBounds() const override;
    bool Focused() const override;
    bool CanFocus() const override { return Visible(); }

    vcl::TControl* OwnerControl() const { return FOwnerControl; }
    bool CaptureFocus() const { return FCaptureFocus; }
    void SetCaptureFocus(bool value);
    bool FollowParentTopMost() const { return FFollowParentTopMost; }
    void SetFollowParentTopMost(bool value);
    bool ModalLoop() const { return FModalLoop; }
    void SetModalLoop(bool value) { FModalLoop = value; }
    // Non-zero while the popup closes itself or moves its focus.
    int32_t ClosingCount() const { return FClosingCount; }
    void BeginClosing() { ++FClosingCount; }
    void EndClosing() { --FClosingCount; }
    // The look the popup's user gives it (a drop-down editor its own); a change calls AfterPopup.
    TuiContainerStyle& Style() const { return *FStyle; }
    // The layout the popup paints: its frame, background and client rectangle.
    TuiContainerViewInfo& ViewInfo() const { return *FViewInfo; }
    // The control focused when the popup was shown.
    vcl::TWinControl* ShownFocusedControl() const { return FShownFocusedControl; }

    void SetOnClosed(rtl::TNotifyEvent handler) { FOnClosed = std::move(handler); }
    void SetOnClosing(rtl::TNotifyEvent handler) { FOnClosing = std::move(handler); }
    void SetOnShowed(rtl::TNotifyEvent handler) { FOnShowed = std::move(handler); }
    void SetOnShowing(rtl::TNotifyEvent handler) { FOnShowing = std::move(handler); }

protected:
    // viewInfoFactory makes the view info of a descendant's own kind.
    TuiCustomPopupWindow(vcl::TControl* ownerControl, const TuiContainerViewInfoFactory& viewInfoFactory);
    void CreateParams(vcl::TCreateParams& params) override;
    // The view info paints the popup, then the frame of its border style.
    void Paint() override;
    void Resize() override;
    // Children align inside the view info's client rectangle.
    void AdjustClientRect(vcl::TRect& rect) override;
    // Lays the view info out for the popup's size: here the whole client area in the popup's colour, unframed.
    virtual void LayOutViewInfo();
    void CreateWnd() override;
    void InitPopup() override {}
    void Deactivate() override;
    void VisibleChanged() override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // The style changed; here nothing.
    virtual void AfterPopup() {}
    virtual void FireClosedEvent();
    virtual void FireClosingEvent();
    virtual void FireShowedEvent();
    virtual void FireShowingEvent();

private:
    HWND OwnerWindow() const;
    vcl::TWinControl* ControlToFocus(vcl::TWinControl* control);
    void PlaceInZOrder();
    void RunModalLoop();
    void ShowAgain();
    void CloseOtherPopupsOnDeactivation();

    HWND FActivatedWindow = nullptr; // the window taking the activation from the popup
    bool FCaptureFocus = true;
    int32_t FClosingCount = 0;
    vcl::TWinControl* FShownFocusedControl = nullptr; // not owned
    bool FFollowParentTopMost = false;
    bool FModalLoop = true;
    vcl::TControl* FOwnerControl; // not owned
    rtl::TNotifyEvent FOnClosed;
    rtl::TNotifyEvent FOnClosing;
    rtl::TNotifyEvent FOnShowed;
    rtl::TNotifyEvent FOnShowing;
    std::unique_ptr<TuiContainerStyle> FStyle;
    std::unique_ptr<TuiContainerViewInfo> FViewInfo;
};

// Keeps a popup's closing counter raised for a scope.
class TuiPopupClosingScope {
public:
    explicit TuiPopupClosingScope(TuiCustomPopupWindow& popup) : FPopup(popup) { FPopup.BeginClosing(); }
    ~TuiPopupClosingScope() { FPopup.EndClosing(); }
    TuiPopupClosingScope(const TuiPopupClosingScope&) = delete;
    TuiPopupClosingScope& operator=(const TuiPopupClosingScope&) = delete;

private:
    TuiCustomPopupWindow& FPopup;
};

} // namespace ui
