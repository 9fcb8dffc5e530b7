#pragma once
// TuiCustomInnerCheckListBox: the owner-drawn list box inside a check list box. Each row shows a check (of two or
// three states), an optional image and the item's text; the check region left of the text holds check and image in
// the order the list asks. A press on a check shows it pressed and toggles it when released over it; space and, with
// AllowDblClickToggle, a double click toggle the current item. The check under the pointer is hot. Only the check
// rectangles of the items whose hot or pressed look changed repaint.

#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/editors/choice/checklistbox/uiCheckListBoxItems.h"
#include "ui/editors/listbox/uiListBoxContainer.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuiCustomCheckListBox;

// The fixed distances of a row, in pixels.
struct TuiCheckListBoxMetrics {
    int32_t CheckMargin = 1;
    int32_t LeadingOffset = 0;
    int32_t ImageMargin = 1;
    int32_t CheckAreaGap = 1;
    int32_t TextLeftMargin = 2;
    int32_t TextRightMargin = 3;
};

class TuiCustomInnerCheckListBox : public TuiInnerListBox, public IuiMouseTrackingCaller {
    RTL_DECLARE_CLASS(TuiCustomInnerCheckListBox, TuiInnerListBox)
public:
    using TClickCheckEvent = std::function<void(rtl::TObject* sender, int32_t index, TuiCheckBoxState previousState,
                                                TuiCheckBoxState newState)>;

    explicit TuiCustomInnerCheckListBox(rtl::TComponent* owner);
    ~TuiCustomInnerCheckListBox() override;

    // The check list box that hosts the list; nullptr while it stands alone.
    TuiCustomCheckListBox* CheckListContainer() const;
    TuiCheckListBoxItems& CheckItems() const { return *FItems; }

    // A click on an unchecked item grays it first, except under cvfInteger.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // A double click on an item's text toggles it too.
    bool AllowDblClickToggle() const { return FAllowDblClickToggle; }
    void SetAllowDblClickToggle(bool value) { FAllowDblClickToggle = value; }
    // The check's images side by side (see TuiEditorCheck); made on first read.
    vcl::TBitmap& Glyph();
    bool HasGlyph() const { return FGlyph != nullptr; }
    // nullptr clears the glyph; a bitmap is copied.
    void SetGlyph(const vcl::TBitmap* value);
    int32_t GlyphCount() const { return FGlyphCount; }
    // Counts below 1 are ignored.
    void SetGlyphCount(int32_t value);
    // Fired after the user toggled a check, with the outer check list box as sender.
    const TClickCheckEvent& OnClickCheck() const { return FOnClickCheck; }
    void SetOnClickCheck(TClickCheckEvent handler) { FOnClickCheck = std::move(handler); }

    static const TuiCheckListBoxMetrics& GetMetrics();
    // The check region left of the text: checks, images and the gaps around them.
    int32_t GetCheckRegionWidth() const;
    // The text height of "Zg", the check or the image with their margins, whichever is highest.
    int32_t GetStandardItemHeight() const;
    // The check's rectangle in a row (empty without checks); inflated reaches out by the check's indent, as drawn.
    vcl::TRect GetCheckRect(const vcl::TRect& row, bool inflated) const;
    vcl::TRect GetImageRect(const vcl::TRect& row) const;
    // The item whose check lies under point (client coordinates); -1 for none.
    int32_t GetCheckAt(vcl::TPoint point);
    int32_t HotCheck() const { return FHotCheck; }
    int32_t PressedCheck() const { return FPressedCheck; }

    // The items' height follows the look, the font, the glyph and the images, and everything repaints.
    void LayoutChanged();
    void InvalidateClient();
    void InvalidateItem(int32_t index);
    // The check of item index, not erased.
    void InvalidateCheck(int32_t index);
    // Steps item index as a click does; nothing for a disabled item, an index out of range or while the binding
    // refuses changes.
    void Toggle(int32_t index);

    // The outer list's rules the items follow.
    bool KeepsGrayedState() const;
    void ItemStateChanged();
    void ItemsChanged(TuiCheckListBoxItem* item);

    void WndProc(vcl::TMessage& message) override;
    void Dispatch(vcl::TMessage& message) override;
    // IuiMouseTrackingCaller: the pointer left the list.
    void MouseLeave() override;

protected:
    void DoClickCheck(int32_t index, TuiCheckBoxState previousState, TuiCheckBoxState newState);
    void KeyPress(char16_t& key) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void DblClick() override;

private:
    // The laid-out size of a check and how far it reaches out of it when drawn.
    struct TCheckMetrics {
        vcl::TSize Size;
        int32_t Indent = 0;
    };
    TCheckMetrics GetCheckMetrics() const;
    // The images' size; empty without images.
    vcl::TSize ImageSize() const;
    bool ShowsChecks() const;
    bool ImagesBeforeChecks() const;
    bool RightToLeft() const;
    // Moves rect's left edge right by offset (for right-to-left its right edge left) and gives it width and height,
    // centred vertically in row.
    vcl::TRect PlaceInRow(const vcl::TRect& row, int32_t offset, vcl::TSize size) const;
    void SetHotAndPressed(int32_t hot, int32_t pressed);
    void UpdateHotAndPressed(vcl::TShiftState shift, vcl::TPoint point);
    void UpdateHotFromCursor();
    // The pointer in client coordinates.
    vcl::TPoint CursorPoint() const;
    void PressOnCheck(vcl::TMessage& message);
    void RebuildStrings();
    void ReplaceString(TuiCheckListBoxItem& item);

    std::unique_ptr<TuiCheckListBoxItems> FItems;
    std::unique_ptr<vcl::TBitmap> FGlyph;
    int32_t FGlyphCount = 6;
    bool FAllowGrayed = false;
    bool FAllowDblClickToggle = true;
    // The item whose check took a left press not yet released; the check shown pressed; the check under the pointer.
    int32_t FMouseDownCheck = -1;
    int32_t FPressedCheck = -1;
    int32_t FHotCheck = -1;
    // Set only while the platform handles a left press on a check.
    int32_t FPressStartCheck = -1;
    bool FItemFullyVisible = false;
    TClickCheckEvent FOnClickCheck;
};

} // namespace ui
