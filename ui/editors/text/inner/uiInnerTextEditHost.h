#pragma once
// What the inner EDIT window of a text editor asks of its editor: the editor sees every key first and keeps the flags
// that decide what reaches the window.

#include "vcl/controls/ControlTypes.h"

#include <cstdint>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

class IuiInnerTextEditHost {
public:
    virtual ~IuiInnerTextEditHost() = default;
    // The editor's handling of a key; a key set to 0 is consumed and never reaches the window.
    virtual void InnerKeyDown(uint16_t& key, vcl::TShiftState shift) = 0;
    virtual void InnerKeyPress(char16_t& key) = 0;
    virtual void InnerKeyUp(uint16_t& key, vcl::TShiftState shift) = 0;
    // A key that changed neither text nor selection (the grid then moves).
    virtual void AfterInnerKeyDown(uint16_t& key, vcl::TShiftState shift) = 0;
    // The mouse over the inner edit, in the editor's client coordinates.
    virtual void InnerMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) = 0;
    virtual void InnerMouseMove(vcl::TShiftState shift, int32_t x, int32_t y) = 0;
    virtual void InnerMouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) = 0;
    virtual void InnerClick(bool doubleClick) = 0;
    // A left press on the window of an editor whose drag mode is automatic: the editor's drag begins instead.
    virtual void BeginInnerAutoDrag() = 0;
    // Whether the window paints through a buffer: under desktop composition behind a transparent border.
    virtual bool PaintsInnerEditBuffered() const = 0;
    virtual bool IsInplaceEditor() const = 0;
    virtual bool IsPopupShown() const = 0;
    // The windowed control of the shown popup's list when the popup reserves this key, else nullptr.
    virtual vcl::TWinControl* PopupKeyTarget(uint16_t key, vcl::TShiftState shift) = 0;
    // Whether the popup took the last Enter or Escape; answering clears it.
    virtual bool TakePopupKeyHandled() = 0;
    virtual bool BeepOnEnter() const = 0;
    // Whether the editor keeps the Tab key.
    virtual bool PostsOnTab() const = 0;
    // Whether the editor may begin an edit now (a read-only value or a refused data edit answers False).
    virtual bool TryBeginEdit() = 0;
    // Deletes the selected text as the user's edit.
    virtual void ClearSelectionByUser() = 0;
    // The window set its text itself (undo).
    virtual void AfterInnerTextSet() = 0;
    // Whether the editor is validating its value with lookup data: a text that changes only letter case keeps the
    // selection then.
    virtual bool ValidatesWithLookup() const = 0;
    virtual bool CompletionActive() const = 0;
    virtual void SetCompletionActive(bool value) = 0;
    virtual void ClearLookupUpdating() = 0;
    // Every message of the window, before the window handles it; the text editor tells its spell checker.
    virtual void PreprocessInnerMessage(uint32_t msg, uintptr_t wParam) {
        static_cast<void>(msg);
        static_cast<void>(wParam);
    }
};

} // namespace ui
