#pragma once
// TuiCustomDropDownEditProperties: the mask properties of an editor with a drop-down button that opens a popup
// window beside it: when the popup opens (a typed character, in-place activation), how it is sized and aligned, and
// the events of its showing (initialisation, shown, close query, closed, finished).

#include "rtl/core/Events.h"
#include "ui/editors/mask/editor/uiMaskEditProperties.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

enum TuiPopupWindowDirection : uint8_t { pwdHorizontal, pwdVertical };
enum TuiPopupWindowHorzAlign : uint8_t { pwhLeft, pwhCenter, pwhRight };
enum TuiPopupWindowVertAlign : uint8_t { pwvTop, pwvCenter, pwvBottom };

class TuiCustomDropDownEditProperties : public TuiCustomMaskEditProperties {
    RTL_DECLARE_CLASS(TuiCustomDropDownEditProperties, TuiCustomMaskEditProperties)
public:
    using TCloseQueryEvent = std::function<void(rtl::TObject* sender, bool& canClose)>;

    explicit TuiCustomDropDownEditProperties(rtl::TPersistent* owner);

    // From drop-down properties, events included, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    // The drop-down button's glyph; nullptr without one. A glyph makes the button show it, none the arrow again.
    vcl::TBitmap* ButtonGlyph() const;
    void SetButtonGlyph(const vcl::TBitmap* value);

    bool ImmediateDropDown() const { return FImmediateDropDown; }
    void SetImmediateDropDown(bool value) { FImmediateDropDown = value; }
    bool ImmediatePopup() const { return FImmediatePopup; }
    void SetImmediatePopup(bool value) { FImmediatePopup = value; }
    bool KeepDropDownButtonDown() const { return FKeepDropDownButtonDown; }
    void SetKeepDropDownButtonDown(bool value) { SetAndNotify(FKeepDropDownButtonDown, value); }
    bool PopupAutoSize() const { return FPopupAutoSize; }
    void SetPopupAutoSize(bool value) { FPopupAutoSize = value; }
    bool PopupClientEdge() const { return FPopupClientEdge; }
    void SetPopupClientEdge(bool value) { SetAndNotify(FPopupClientEdge, value); }
    TuiPopupWindowDirection PopupOpenDirection() const { return FPopupOpenDirection; }
    void SetPopupOpenDirection(TuiPopupWindowDirection value) { FPopupOpenDirection = value; }
    int32_t PopupHeight() const { return FPopupHeight; }
    // Never below PopupMinHeight.
    void SetPopupHeight(int32_t value);
    TuiPopupWindowHorzAlign PopupHorzAlign() const { return FPopupHorzAlign; }
    void SetPopupHorzAlign(TuiPopupWindowHorzAlign value) { SetAndNotify(FPopupHorzAlign, value); }
    // The horizontal alignment as a text alignment.
    vcl::TAlignment PopupAlignment() const;
    void SetPopupAlignment(vcl::TAlignment value);
    int32_t PopupMinHeight() const { return FPopupMinHeight; }
    // Negative values become 0; the height is applied again.
    void SetPopupMinHeight(int32_t value);
    int32_t PopupMinWidth() const { return FPopupMinWidth; }
    void SetPopupMinWidth(int32_t value);
    bool PopupSizeable() const { return FPopupSizeable; }
    void SetPopupSizeable(bool value) { SetAndNotify(FPopupSizeable, value); }
    bool PopupSysPanelStyle() const { return FPopupSysPanelStyle; }
    void SetPopupSysPanelStyle(bool value) { SetAndNotify(FPopupSysPanelStyle, value); }
    TuiPopupWindowVertAlign PopupVertAlign() const { return FPopupVertAlign; }
    void SetPopupVertAlign(TuiPopupWindowVertAlign value) { FPopupVertAlign = value; }
    int32_t PopupWidth() const { return FPopupWidth; }
    // Negative becomes 0; a positive width is at least PopupMinWidth.
    void SetPopupWidth(int32_t value);
    bool PostPopupValueOnTab() const { return FPostPopupValueOnTab; }
    void SetPostPopupValueOnTab(bool value) { FPostPopupValueOnTab = value; }

    const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent handler) { FOnCloseQuery = std::move(handler); }
    const rtl::TNotifyEvent& OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(rtl::TNotifyEvent handler) { FOnCloseUp = std::move(handler); }
    const rtl::TNotifyEvent& OnInitPopup() const { return FOnInitPopup; }
    void SetOnInitPopup(rtl::TNotifyEvent handler) { FOnInitPopup = std::move(handler); }
    const rtl::TNotifyEvent& OnPopup() const { return FOnPopup; }
    void SetOnPopup(rtl::TNotifyEvent handler) { FOnPopup = std::move(handler); }
    const rtl::TNotifyEvent& OnPopupFinished() const { return FOnPopupFinished; }
    void SetOnPopupFinished(rtl::TNotifyEvent handler) { FOnPopupFinished = std::move(handler); }

    virtual int32_t GetDropDownButtonIndex() const { return 0; }
    // The text can only be one of the items.
    virtual bool IsFixedList() const { return false; }
    // An accepted value is posted after the popup closed rather than while it closes.
    virtual bool DefersPostOnCloseUp() const { return false; }
    // The class of the popup window, a TuiCustomEditPopupWindow.
    virtual const rtl::TMetaclass& GetPopupWindowClass() const;
    virtual bool IsPopupSizingAllowed() const { return true; }
    // The popup takes the keyboard focus.
    virtual bool PopupCapturesFocus() const { return false; }

    const rtl::TMetaclass& GetContainerClass() const override;
    bool IsPopupEditor() const override { return true; }
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;

protected:
    // The button's kind follows its glyph before the change goes out.
    void DoChanged() override;

private:
    void ApplyGlyphButtonKind();

    bool FImmediateDropDown = true;
    bool FImmediatePopup = false;
    bool FKeepDropDownButtonDown = false;
    bool FPopupAutoSize = true;
    bool FPopupClientEdge = false;
    TuiPopupWindowDirection FPopupOpenDirection = pwdVertical;
    int32_t FPopupHeight = 0;
    TuiPopupWindowHorzAlign FPopupHorzAlign = pwhLeft;
    int32_t FPopupMinHeight = 0;
    int32_t FPopupMinWidth = 0;
    bool FPopupSizeable = false;
    bool FPopupSysPanelStyle = false;
    TuiPopupWindowVertAlign FPopupVertAlign = pwvBottom;
    int32_t FPopupWidth = 0;
    bool FPostPopupValueOnTab = false;
    TCloseQueryEvent FOnCloseQuery;
    rtl::TNotifyEvent FOnCloseUp;
    rtl::TNotifyEvent FOnInitPopup;
    rtl::TNotifyEvent FOnPopup;
    rtl::TNotifyEvent FOnPopupFinished;
};

} // namespace ui
