#pragma once
// The popup editor: the drop-down editor whose popup shows a control of the form (PopupControl), typically a panel
// or a form with further controls. While the popup is open the control lives in the popup window and fills it; when
// the popup closes the control goes back to its parent with its bounds, alignment and visibility (a form with its
// border style). The popup takes the focus and is sizeable by default.

#include "ui/core/objects/uiComponents.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"
#include "vcl/forms/Form.h"

#include <memory>

namespace ui {

class TuiCustomPopupEditProperties : public TuiCustomDropDownEditProperties {
    RTL_DECLARE_CLASS(TuiCustomPopupEditProperties, TuiCustomDropDownEditProperties)
public:
    explicit TuiCustomPopupEditProperties(rtl::TPersistent* owner);
    ~TuiCustomPopupEditProperties() override;

    // From popup properties: the drop-down properties and the control.
    void Assign(const rtl::TPersistent* source) override;

    // Not owned; forgotten when it is freed.
    vcl::TControl* PopupControl() const { return FPopupControl; }
    void SetPopupControl(vcl::TControl* value);

    const rtl::TMetaclass& GetContainerClass() const override;
    const rtl::TMetaclass& GetPopupWindowClass() const override;
    bool IsPopupEditor() const override { return false; }
    bool PopupCapturesFocus() const override { return true; }

private:
    vcl::TControl* FPopupControl = nullptr; // not owned
    std::unique_ptr<TuiFreeNotificator> FControlWatcher;
};

class TuiPopupEditProperties : public TuiCustomPopupEditProperties {
    RTL_DECLARE_CLASS(TuiPopupEditProperties, TuiCustomPopupEditProperties)
public:
    explicit TuiPopupEditProperties(rtl::TPersistent* owner);
    const rtl::TMetaclass& GetContainerClass() const override;
};

class TuiCustomPopupEdit : public TuiCustomDropDownEdit {
    RTL_DECLARE_CLASS(TuiCustomPopupEdit, TuiCustomDropDownEdit)
public:
    ~TuiCustomPopupEdit() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomPopupEditProperties::StaticClass(); }
    TuiCustomPopupEditProperties& GetPopupEditProperties();

    vcl::TSize GetPopupContentSize() override;
    void PositionPopupContent(const vcl::TRect& rect) override;
    // Closes the popup with reason once the messages already queued are handled.
    virtual void ClosePopupWith(TuiPopupCloseReason reason);
    vcl::TWinControl* GetPopupFocusControl() override;

protected:
    TuiCustomPopupEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    bool CanDropDown() override { return GetPopupEditProperties().PopupControl() != nullptr; }
    // EuiEditError "Circular referencing is not allowed" for a control that holds the editor or the popup.
    void InitPopup() override;
    void PreparePopup() override;
    void PopupWindowClosed() override;
    virtual void RestorePopupControl();
    virtual void SavePopupControlState();

private:
    bool IsCircularPopupControl(vcl::TControl* control);

    // The control's place before it went into the popup.
    struct TSavedControlState {
        vcl::TAlign Align = vcl::alNone;
        vcl::TRect Bounds;
        vcl::TWinControl* Parent = nullptr; // not owned
        bool Visible = false;
        vcl::TFormBorderStyle BorderStyle = vcl::bsNone;
    };
    TSavedControlState FSaved;
    vcl::TControl* FShownControl = nullptr; // not owned: the control in the popup now
};

class TuiPopupEdit : public TuiCustomPopupEdit {
    RTL_DECLARE_CLASS(TuiPopupEdit, TuiCustomPopupEdit)
public:
    explicit TuiPopupEdit(rtl::TComponent* owner) : TuiCustomPopupEdit(owner, TuiPopupEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiPopupEditProperties::StaticClass(); }
    TuiPopupEditProperties& PopupEditProperties() const { return static_cast<TuiPopupEditProperties&>(Properties()); }
};

// The repository item of the popup editor.
class TuiEditRepositoryPopupItem : public TuiEditRepositoryItemOf<TuiPopupEditProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryPopupItem, TuiEditRepositoryItemOf<TuiPopupEditProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// The popup editor's 3D frame does not change with the client edge.
class TuiPopupEditPopupWindowViewInfo : public TuiCustomEditPopupWindowViewInfo {
public:
    void DrawBorder(TuiCanvas& canvas, vcl::TRect& rect) const override;
};

class TuiPopupEditPopupWindow : public TuiCustomEditPopupWindow {
    RTL_DECLARE_CLASS(TuiPopupEditPopupWindow, TuiCustomEditPopupWindow)
public:
    explicit TuiPopupEditPopupWindow(rtl::TComponent* owner) : TuiCustomEditPopupWindow(owner) {}

protected:
    std::unique_ptr<TuiCustomEditPopupWindowViewInfo> CreateViewInfo() const override {
        return std::make_unique<TuiPopupEditPopupWindowViewInfo>();
    }
};

} // namespace ui
