#pragma once
// TCustomForm and TForm: a top-level window holding controls. A form is created hidden and without a window; showing
// it creates the windows of the form and its controls, places it as Position says and fires OnShow. It fires
// OnActivate each time it becomes the active window (again after a message box or another form closes) and
// OnDeactivate when it stops being it. Close asks OnCloseQuery and OnClose what to do (hide, free, minimize, nothing;
// closing the main form ends the application). ShowModal shows it with the program's other windows disabled and
// runs messages until ModalResult is set, then hides it and returns that result. PostRelease frees it once the
// messages already queued are handled, which is the safe way for a form to free itself from one of its own events.
//
// A form built in code gets its controls from its own building function (see FormLoader.h), which ends with
// OnCreate.

#include "vcl/controls/FormRoot.h"

#include <cstdint>

namespace vcl {

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = rtl::TSmallSet<TBorderIcon>;
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition : uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TDefaultMonitor : uint8_t { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TFormStateFlag : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = rtl::TSmallSet<TFormStateFlag>;
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(rtl::TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(rtl::TObject* sender, bool& canClose)>;

namespace VclMessages {
inline constexpr char16_t CannotShowModal[] = u"Cannot make a visible window modal";
} // namespace VclMessages

// A top-level window with controls, activation, closing and modal showing.
class TCustomForm : public TFormRoot {
    RTL_DECLARE_CLASS(TCustomForm, TFormRoot)
public:
    // A form without a form description: hidden, no window yet.
    explicit TCustomForm(rtl::TComponent* owner);
    ~TCustomForm() override;
    void BeforeDestruction() override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TDefaultMonitor DefaultMonitor() const { return FDefaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor value) { FDefaultMonitor = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    TFormState FormState() const { return FFormState; }
    // The form's controls were laid out for PixelsPerInch; with Scaled they are scaled to the screen when loaded.
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Shows the form modally and returns its ModalResult; EInvalidOperation for a visible or disabled form.
    virtual TModalResult ShowModal();
    void Show();
    void Close();
    // Whether the form may close now: OnCloseQuery decides.
    virtual bool CloseQuery();
    // Frees the form after the messages queued so far (the framework's Release; IInterface has that name).
    void PostRelease();
    // Multiplies the form's client size and its controls by multiplier / divisor.
    void ScaleBy(int32_t multiplier, int32_t divisor);

    bool SetFocusedControl(TWinControl* control) override;

    const rtl::TNotifyEvent& OnCreate() const { return FOnCreate; }
    void SetOnCreate(rtl::TNotifyEvent handler) { FOnCreate = std::move(handler); }
    const rtl::TNotifyEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(rtl::TNotifyEvent handler) { FOnDestroy = std::move(handler); }
    const rtl::TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(rtl::TNotifyEvent handler) { FOnShow = std::move(handler); }
    const rtl::TNotifyEvent& OnHide() const { return FOnHide; }
    void SetOnHide(rtl::TNotifyEvent handler) { FOnHide = std::move(handler); }
    const rtl::TNotifyEvent& OnActivate() const { return FOnActivate; }
    void SetOnActivate(rtl::TNotifyEvent handler) { FOnActivate = std::move(handler); }
    const rtl::TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(rtl::TNotifyEvent handler) { FOnDeactivate = std::move(handler); }
    const TCloseEvent& OnClose() const { return FOnClose; }
    void SetOnClose(TCloseEvent handler) { FOnClose = std::move(handler); }
    const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent handler) { FOnCloseQuery = std::move(handler); }
    const rtl::TNotifyEvent& OnPaint() const { return FOnPaint; }
    void SetOnPaint(rtl::TNotifyEvent handler) { FOnPaint = std::move(handler); }

    // Fires OnCreate; the form loader calls it once the form and its controls are loaded.
    virtual void DoCreate();

protected:
    void CreateParams(TCreateParams& params) override;
    void ShowingChanged() override;
    void Paint() override;
    virtual void Activate();
    virtual void Deactivate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoDestroy();
    virtual void DoClose(TCloseAction& action);

private:
    void WMActivate(TMessage& message);
    void WMGetMinMaxInfo(TMessage& message);
    void PlaceOnShow();
    TRect DefaultMonitorWorkArea() const;
    void CloseModal();
    void StyleChanged();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TDefaultMonitor FDefaultMonitor = dmActiveForm;
    TWindowState FWindowState = wsNormal;
    TFormState FFormState;
    int32_t FPixelsPerInch;
    bool FScaled = true;
    TModalResult FModalResult = mrNone;

    rtl::TNotifyEvent FOnCreate;
    rtl::TNotifyEvent FOnDestroy;
    rtl::TNotifyEvent FOnShow;
    rtl::TNotifyEvent FOnHide;
    rtl::TNotifyEvent FOnActivate;
    rtl::TNotifyEvent FOnDeactivate;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;
    rtl::TNotifyEvent FOnPaint;
};

// The form class programs derive their forms from.
class TForm : public TCustomForm {
    RTL_DECLARE_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

// The form a control sits on (its topmost parent when that is a form), or nullptr.
TCustomForm* GetParentForm(const TControl* control);

} // namespace vcl
