#pragma once
// The navigator's two partners. A navigator bar (sixteen small buttons that move through, edit and filter the records
// of a data view) knows the control that shows it only as IuiNavigatorOwner and the data it works on only as
// IuiNavigator; the view that shows a bar implements both. The button indexes are also the glyphs' numbers in the
// built-in strip, the hints' order and the action codes IuiNavigator::DoAction receives.

#include "rtl/core/Interfaces.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace vcl {
class TCanvas;
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCustomNavigatorButtons;
class TuiLookAndFeel;

enum TuiNavigatorButtonIndex : int32_t {
    nbiFirst,
    nbiPriorPage,
    nbiPrior,
    nbiNext,
    nbiNextPage,
    nbiLast,
    nbiInsert,
    nbiAppend,
    nbiDelete,
    nbiEdit,
    nbiPost,
    nbiCancel,
    nbiRefresh,
    nbiSaveBookmark,
    nbiGotoBookmark,
    nbiFilter
};
inline constexpr int32_t uiNavigatorButtonCount = 16;

// What a change of the navigator's settings asks of its host: nothing to show, a new layout, or a repaint.
enum TuiNavigatorChangeKind : uint8_t { nckProperties, nckLayout, nckPaint };

// The control that shows a navigator bar.
class IuiNavigatorOwner : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{504B7F43-8847-46C5-B84A-C24F8E5E61A6}");
    virtual void NavigatorChanged(TuiNavigatorChangeKind kind) = 0;
    // The bar's place in the control's client coordinates.
    virtual vcl::TRect GetNavigatorBounds() = 0;
    virtual TuiCustomNavigatorButtons& GetNavigatorButtons() = 0;
    // The canvas the bar paints on: the control's while it paints.
    virtual vcl::TCanvas& GetNavigatorCanvas() = 0;
    virtual vcl::TWinControl& GetNavigatorControl() = 0;
    virtual bool GetNavigatorFocused() = 0;
    virtual TuiLookAndFeel& GetNavigatorLookAndFeel() = 0;
    virtual bool GetNavigatorShowHint() = 0;
    virtual bool GetNavigatorTabStop() = 0;
    // The controlled object's state changed: the buttons are enabled anew and repainted.
    virtual void RefreshNavigator() = 0;
    // A button's visibility, enabled state or glyph changed.
    virtual void NavigatorButtonsStateChanged() = 0;

protected:
    ~IuiNavigatorOwner() = default;
};

// The data a navigator bar moves through and edits.
class IuiNavigator : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{A15F80CA-DE56-47CB-B0EB-035D0BF90E9D}");
    virtual bool CanAppend() = 0;
    virtual bool CanDelete() = 0;
    virtual bool CanEdit() = 0;
    virtual bool CanInsert() = 0;
    virtual bool IsActive() = 0;
    // On the first record (or none).
    virtual bool IsBof() = 0;
    virtual bool IsBookmarkAvailable() = 0;
    virtual bool IsEditing() = 0;
    // On the last record (or none).
    virtual bool IsEof() = 0;
    virtual void ClearBookmark() = 0;
    // Does what the button of that index stands for.
    virtual void DoAction(int32_t buttonIndex) = 0;

protected:
    ~IuiNavigator() = default;
};

} // namespace ui
