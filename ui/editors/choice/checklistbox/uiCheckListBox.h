#pragma once
// TuiCustomCheckListBox: a list of captioned items, each with a check box of two or three states, an optional image
// and an enabled flag, in a frame of the container's style and look. One Variant, EditValue, holds the states of all
// items in one of the check-state value formats (EditValueFormat): setting it sets the states, toggling a check builds
// it anew. Which of the two was the last to change decides the direction of every later re-synchronisation (a change
// of the items or of the format). The checks are drawn like the check box editor's, in every look, the native theme, a
// skin or a glyph of the program's. Under cvfInteger the list holds at most 64 items.

#include "rtl/variants/Variant.h"
#include "ui/editors/choice/checklistbox/uiCheckListBoxItems.h"
#include "ui/editors/choice/checklistbox/uiInnerCheckListBox.h"
#include "ui/editors/choice/uiCheckStatesValueFormats.h"
#include "ui/editors/listbox/uiListBoxContainer.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TChangeLink;
class TCustomImageList;
} // namespace vcl

namespace ui {

// Where a row's image stands: left of its check or right of it.
enum TuiCheckListBoxImageLayout : uint8_t { ilBeforeChecks, ilAfterChecks };

class TuiCustomCheckListBox : public TuiListBoxContainer {
    RTL_DECLARE_CLASS(TuiCustomCheckListBox, TuiListBoxContainer)
public:
    using TCheckStatesToEditValueEvent =
        std::function<void(rtl::TObject* sender, const TuiCheckStates& states, rtl::Variant& editValue)>;
    using TEditValueToCheckStatesEvent =
        std::function<void(rtl::TObject* sender, const rtl::Variant& editValue, TuiCheckStates& states)>;
    // Called after the list drew row index (also for a row past the items), with the row less its check region.
    using TDrawItemEvent = std::function<void(TuiCustomCheckListBox& sender, int32_t index, vcl::TOwnerDrawState state,
                                              const vcl::TRect& rect)>;

    explicit TuiCustomCheckListBox(rtl::TComponent* owner);
    ~TuiCustomCheckListBox() override;

    TuiCustomInnerCheckListBox& InnerCheckListBox() const;
    TuiCheckListBoxItems& Items() const { return InnerCheckListBox().CheckItems(); }
    // A copy of items; then the states follow the bound value.
    void SetItems(const TuiCheckListBoxItems& items);
    void ClearItems() { Items().Clear(); }
    int32_t GetItemCount() const { return Items().Count(); }

    const rtl::Variant& EditValue() const { return FEditValue; }
    // The states are read from the value; a value the format cannot decode unchecks every item.
    virtual void SetEditValue(const rtl::Variant& value);
    TuiCheckStatesValueFormat EditValueFormat() const { return FEditValueFormat; }
    // cvfInteger while more than 64 items are listed raises and leaves the format as it was; cvfCustom, which no
    // control offers, is ignored.
    void SetEditValueFormat(TuiCheckStatesValueFormat value);
    // cvfCustom when both conversion handlers are assigned, else EditValueFormat.
    TuiCheckStatesValueFormatEx GetEffectiveEditValueFormat() const;
    // Null or Empty (with allowEmpty), a number, or a text of a whole or decimal number.
    static bool IsValidEditValue(const rtl::Variant& value, bool allowEmpty);

    bool ShowChecks() const { return FShowChecks; }
    void SetShowChecks(bool value);
    TuiCheckListBoxImageLayout ImageLayout() const { return FImageLayout; }
    void SetImageLayout(TuiCheckListBoxImageLayout value);
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    // The items sorted by text (in any case); set while the form loads, it applies at Loaded.
    bool Sorted() const;
    void SetSorted(bool value);
    bool AllowGrayed() const { return InnerCheckListBox().AllowGrayed(); }
    void SetAllowGrayed(bool value) { InnerCheckListBox().SetAllowGrayed(value); }
    bool AllowDblClickToggle() const { return InnerCheckListBox().AllowDblClickToggle(); }
    void SetAllowDblClickToggle(bool value) { InnerCheckListBox().SetAllowDblClickToggle(value); }
    vcl::TBitmap& Glyph() const { return InnerCheckListBox().Glyph(); }
    void SetGlyph(const vcl::TBitmap* value) { InnerCheckListBox().SetGlyph(value); }
    int32_t GlyphCount() const { return InnerCheckListBox().GlyphCount(); }
    void SetGlyphCount(int32_t value) { InnerCheckListBox().SetGlyphCount(value); }
    void SetOnClickCheck(TuiCustomInnerCheckListBox::TClickCheckEvent handler) {
        InnerCheckListBox().SetOnClickCheck(std::move(handler));
    }
    bool IsItemSelected(int32_t index) const { return InnerCheckListBox().Selected(index); }
    void SetItemSelected(int32_t index, bool selected) { InnerCheckListBox().SetSelected(index, selected); }

    // The checks follow the native theme (the look asks for it and the visual styles draw buttons and combo boxes),
    // else they are framed by the look's border style.
    bool NativeStyle() const { return FNativeStyle; }
    TuiContainerBorderStyle CheckBorderStyle() const { return FCheckBorderStyle; }

    // The height of rows rows with the frame.
    int32_t GetHeightForRows(int32_t rows) const;
    // The width item index needs: frame, check region, text and the margin after it.
    int32_t GetItemWidth(int32_t index) const;
    // The width the widest item needs.
    int32_t CalcOptimalWidth() const;

    void SetOnCheckStatesToEditValue(TCheckStatesToEditValueEvent handler);
    void SetOnEditValueToCheckStates(TEditValueToCheckStatesEvent handler);
    void SetOnEditValueChanged(rtl::TNotifyEvent handler) { FOnEditValueChanged = std::move(handler); }
    void SetOnDrawItem(TDrawItemEvent handler) { FOnDrawItem = std::move(handler); }

    // Draws the row of item index: check, image and text in the colours of its state; then OnDrawItem.
    bool DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) override;
    void Loaded() override;

    // What the inner list box and the items tell the list: the states changed (EditValue is built from them), the
    // items changed (the states and EditValue meet again in the current direction and the count is checked).
    void ApplyStatesToEditValue();
    void ItemsChanged();

protected:
    // innerListBoxClass: TuiCustomInnerCheckListBox or a descendant; dataBindingClass: TuiCustomDataBinding or one.
    TuiCustomCheckListBox(rtl::TComponent* owner, const rtl::TMetaclass& innerListBoxClass,
                          const rtl::TMetaclass& dataBindingClass);

    virtual void DoEditValueChanged();
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    // Only a list without checks holds its selection still for a read-only binding; with checks the binding refuses
    // the toggles instead.
    bool BindingHoldsSelection() const override { return !FShowChecks; }
    // With checks the bound value is EditValue (an unbound list keeps its own); without them, the selected text.
    void SyncInnerControlHook() override;
    void AfterRegionHook() override;
    int32_t IntegralRowHeight(int32_t index) override;

private:
    void ApplyEditValueToStates();
    void UpdateNativeStyle();
    void ValidateItemCount(TuiCheckStatesValueFormatEx format) const;
    bool EditValueChangeFires(const rtl::Variant& value) const;
    void DrawRow(TuiCanvas& canvas, TuiCheckListBoxItem& item, const vcl::TRect& rect, vcl::TOwnerDrawState state);
    // The brush and text colours of a row.
    void RowColors(vcl::TOwnerDrawState state, bool enabled, vcl::TColor& background, vcl::TColor& text) const;

    TuiContainerBorderStyle FCheckBorderStyle = cbsFlat;
    rtl::Variant FEditValue;
    TuiCheckStatesValueFormat FEditValueFormat = cvfInteger;
    vcl::TCustomImageList* FImages = nullptr; // not owned, watched
    std::unique_ptr<vcl::TChangeLink> FImageChangeLink;
    TuiCheckListBoxImageLayout FImageLayout = ilBeforeChecks;
    bool FValueFromStates = false;
    bool FSortedWhileLoading = false;
    bool FNativeStyle = false;
    bool FShowChecks = true;
    TCheckStatesToEditValueEvent FOnCheckStatesToEditValue;
    TEditValueToCheckStatesEvent FOnEditValueToCheckStates;
    rtl::TNotifyEvent FOnEditValueChanged;
    TDrawItemEvent FOnDrawItem;
};

// The check list box a form places.
class TuiCheckListBox : public TuiCustomCheckListBox {
    RTL_DECLARE_CLASS(TuiCheckListBox, TuiCustomCheckListBox)
public:
    using TuiCustomCheckListBox::TuiCustomCheckListBox;
};

} // namespace ui
