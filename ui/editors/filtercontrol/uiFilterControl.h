#pragma once
// The filter control: a filter shown as an indented tree of rows, one per group and one per condition, each a
// sentence of clickable words (a button, then for example "Price is greater than 10"), which the user builds with the
// mouse, the keys, a row menu, drop-down selectors and in-place value editors. It edits a working filter of its own;
// ApplyFilter copies it into the filter of the component it links to, and it reads and writes ".flt" files in the
// filter stream. TuiCustomFilterControl holds the behaviour, TuiFilterControl the link to a component that implements
// IuiFilterControl.
//
// The sources: uiFilterControl.cpp the control's life, settings and the filter behind the rows;
// uiFilterControlEditing.cpp the rows' changes and the focus; uiFilterControlInput.cpp keys, mouse and scrolling;
// uiFilterControlSelectors.cpp the row menu, the selector combo box and the value editor.

#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/filtercontrol/uiFilterControlLink.h"
#include "ui/editors/filtercontrol/uiFilterControlRows.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rtl {
class TStream;
} // namespace rtl

namespace vcl {
class TFont;
class TMenuItem;
class TPopupMenu;
} // namespace vcl

namespace ui {

class TuiComboBox;
class TuiCustomEdit;
class TuiCustomEditData;
class TuiEditStyle;
class TuiFilterControlCriteria;
class TuiFilterControlCriteriaItem;
class TuiFilterCriteria;
class TuiFilterCriteriaItemList;
class TuiFilterControlViewInfo;
class TuiInplaceEditList;
class TuiTextEditProperties;

// What is open over the control.
enum TuiFilterControlSelector : uint8_t {
    fcsNone,
    fcsRowMenu,
    fcsItemList,
    fcsBoolOperatorList,
    fcsOperatorList,
    fcsValueEditor
};

// How a value editor opens: plainly, with a typed character, or with a click.
enum TuiValueActivation : uint8_t { vaPlain, vaKey, vaMouse };

class TuiCustomFilterControl : public TuiControl, public IuiMouseTrackingCaller, public IuiFormatListener {
    RTL_DECLARE_CLASS(TuiCustomFilterControl, TuiControl)
public:
    explicit TuiCustomFilterControl(rtl::TComponent* owner);
    ~TuiCustomFilterControl() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;

    // The linked component's items (nullptr: no link).
    virtual IuiFilterControl* GetLinkInterface() const { return nullptr; }
    bool HasLinkItems() const;

    // The filter being built, and its rows: the root first, then depth first.
    TuiFilterControlCriteria& Criteria() const { return *FCriteria; }
    TuiGroupViewInfo& Root() const { return *FRoot; }
    int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
    TuiCustomRowViewInfo& Rows(int32_t index) const { return *FRows.at(static_cast<size_t>(index)); }
    int32_t IndexOfRow(const TuiCustomRowViewInfo* row) const;
    TuiFilterControlViewInfo& ViewInfo() const { return *FViewInfo; }

    // The focused part: a part of a row, or the footer (fcpAddCondition with no row).
    TuiCustomRowViewInfo* FocusedRow() const { return FFocusedRow; }
    TuiFilterControlPart FocusedPart() const { return FFocusedPart; }
    int32_t FocusedValue() const { return FFocusedValue; }
    // Focuses the part and scrolls it into view.
    void FocusPart(TuiCustomRowViewInfo* row, TuiFilterControlPart part, int32_t valueIndex = -1);
    // The part under the mouse.
    TuiCustomRowViewInfo* HotRow() const { return FHot.Row; }
    TuiFilterControlPart HotPart() const { return FHot.Part; }
    int32_t HotValue() const { return FHot.ValueIndex; }
    // Hot parts show while the control or what it opened has the focus, or always with HotTrackOnUnfocused.
    bool IsHotTrackAllowed() const;
    // The control, its selector or its value editor has the focus.
    bool HasFocusInside() const;
    // A value is wide enough to be typed into while it is focused or hot.
    bool IsValueActive(const TuiConditionViewInfo& condition, int32_t valueIndex) const;
    // The style values are measured and painted with, set up for an active or inactive value.
    TuiEditStyle& ValueStyle(bool active, bool keepsButtons);

    // The first row shown and the horizontal scroll in pixels.
    int32_t TopRow() const { return FTopRow; }
    int32_t LeftOffset() const { return FLeftOffset; }

    TuiFilterControlSelector OpenSelector() const { return FOpenSelector; }
    TuiComboBox& Selector() const { return *FSelector; }
    vcl::TPopupMenu& RowMenu() const { return *FRowMenu; }
    // The value editor while one is open.
    TuiCustomEdit* ValueEditor() const { return FValueEditor; }
    // A value failed its check: the editor stays open and clicks on the control are ignored.
    bool IsValueInvalid() const { return FValueInvalid; }

    // Settings.
    vcl::TFont& FontBoolOperator() const { return *FFontBoolOperator; }
    vcl::TFont& FontItem() const { return *FFontItem; }
    vcl::TFont& FontCondition() const { return *FFontCondition; }
    vcl::TFont& FontValue() const { return *FFontValue; }
    bool HotTrackOnUnfocused() const { return FHotTrackOnUnfocused; }
    void SetHotTrackOnUnfocused(bool value);
    const rtl::UnicodeString& NullString() const { return FNullString; }
    void SetNullString(rtl::UnicodeStringView value);
    bool ShowLevelLines() const { return FShowLevelLines; }
    void SetShowLevelLines(bool value);
    bool SortItems() const { return FSortItems; }
    void SetSortItems(bool value) { FSortItems = value; }
    // With WantTabs the control takes Tab and Shift+Tab from the dialog manager.
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    const rtl::TNotifyEvent& OnApplyFilter() const { return FOnApplyFilter; }
    void SetOnApplyFilter(rtl::TNotifyEvent handler) { FOnApplyFilter = std::move(handler); }

    // The filter.
    // The link's filter takes the rows in one change and OnApplyFilter fires; the rows then show the filter as it was
    // applied, also when the handler raises. Nothing without a link filter.
    virtual void ApplyFilter();
    // Only the root is left, AND, focused at its bool operator, and the working filter is emptied.
    virtual void ClearAll();
    virtual rtl::UnicodeString FilterCaption();
    virtual rtl::UnicodeString FilterText();
    // Reads a filter stream; the rows and the filter stay as they were when it fails. Without link items
    // EuiFilterControlError "Can't build filter from source".
    void LoadFromFile(const rtl::UnicodeString& fileName);
    void LoadFromStream(rtl::TStream& stream);
    // Writes the filter stream of the rows (the previous filter while a row is incomplete); the file is written only
    // once the stream is complete.
    void SaveToFile(const rtl::UnicodeString& fileName);
    void SaveToStream(rtl::TStream& stream);

    // The rows' changes, each focusing what it made.
    TuiConditionViewInfo& AddConditionRow(TuiGroupViewInfo& group);
    // A new AND group holding one new condition.
    TuiConditionViewInfo& AddGroupRow(TuiGroupViewInfo& group);
    // The focused value of an IN list of several, else the focused row.
    void RemoveFocused();
    // The root stays; a group that the row leaves empty goes with it. The row before takes the focus.
    void RemoveRow(TuiCustomRowViewInfo& row);
    void AddValue(TuiConditionViewInfo& condition);
    void RemoveValue(TuiConditionViewInfo& condition, int32_t index);
    void SetConditionItem(TuiConditionViewInfo& condition, int32_t itemIndex);
    void SetConditionOperator(TuiConditionViewInfo& condition, int32_t number);
    void SetConditionValue(TuiConditionViewInfo& condition, int32_t index, const rtl::Variant& value,
                           rtl::UnicodeStringView displayText);
    void SetGroupBoolOperator(TuiGroupViewInfo& group, TuiFilterBoolOperatorKind kind);

    // Opening the parts.
    virtual void ShowRowMenu(TuiCustomRowViewInfo& row);
    virtual void EditBoolOperator(TuiGroupViewInfo& group);
    virtual void EditItem(TuiConditionViewInfo& condition);
    virtual void EditOperator(TuiConditionViewInfo& condition);
    // point: client coordinates of the click.
    virtual void EditValue(TuiConditionViewInfo& condition, int32_t valueIndex, TuiValueActivation activation,
                           char16_t key = 0, vcl::TPoint point = {});
    // Opens the focused part as a click or key does.
    void OpenFocusedPart(TuiValueActivation activation, char16_t key = 0, vcl::TPoint point = {});
    // Ends value editing: accepting checks the value (an invalid one raises and keeps the editor open).
    void EndValueEditing(bool accept);

    // What the rows are built with.
    // The properties of values of items without properties of their own.
    virtual TuiCustomEditProperties& DefaultValueProperties() const;
    // Removes what the control does not offer: "like" and "not like" without LIKE in the filter.
    virtual void RestrictOperators(TuiFilterControlOperators& operators) const;
    // The operator class a condition of the working filter makes; here the one it chose.
    virtual const rtl::TMetaclass& AdjustOperatorClass(const TuiFilterControlCriteriaItem& condition,
                                                       const rtl::TMetaclass& operatorClass) const;
    // The item of a new condition: the first, or with SortItems the one whose caption sorts first; -1 without items.
    int32_t DefaultItemIndex() const;
    // Every condition has an item and an operator.
    virtual bool RowsReady() const;
    // The rows anew from the working filter.
    virtual void BuildRows();
    // Lays out, scrolls back what the content no longer fills, updates the bars and repaints.
    virtual void LayoutChanged();
    // The selector takes the background colour.
    virtual void SyncComboBoxColor();

    // IuiFormatListener: the regional formats changed.
    void FormatChanged() override { LayoutChanged(); }
    // IuiMouseTrackingCaller: the hot part goes.
    void MouseLeave() override;

protected:
    void CreateWnd() override;
    void Paint() override;
    void Dispatch(vcl::TMessage& message) override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave(vcl::TControl* control) override;
    bool CanFocusOnClick() const override;
    void BoundsChanged() override;
    void FocusChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    void RefreshState() override { LayoutChanged(); }
    bool AllowsScrollBar(TScrollBarKind /*kind*/) const override { return true; }
    void InitScrollBarsParameters() override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) override;

    // The link changed: the rows show its filter, or nothing without one.
    void LinkChanged();
    // The selector's entries: the captions of the items whose properties can filter (sorted with SortItems), or the
    // operators the condition supports in number order; values receives each entry's item index or number.
    virtual void FillItemList(std::vector<rtl::UnicodeString>& captions, std::vector<int32_t>& values) const;
    virtual void FillOperatorList(const TuiConditionViewInfo& condition, std::vector<rtl::UnicodeString>& captions,
                                  std::vector<int32_t>& values) const;

private:
    // The filter behind the rows.
    std::unique_ptr<TuiGroupViewInfo> CreateRowTree(const TuiFilterCriteria& criteria);
    void AddRowsOf(TuiGroupViewInfo& group, const TuiFilterCriteriaItemList& list);
    // The rows become root's; with keepFocus the focus stays on the row and part at the same place when there is one,
    // else it goes to the root's bool operator with the view scrolled to the top and left.
    void ReplaceRows(std::unique_ptr<TuiGroupViewInfo> root, bool keepFocus);
    void RebuildRowList();
    void BuildCriteria();
    void WriteGroup(const TuiGroupViewInfo& group, TuiFilterCriteriaItemList& list);
    void WriteCondition(const TuiConditionViewInfo& condition, TuiFilterCriteriaItemList& list);
    void CloseSelectors();

    // Focus (uiFilterControlEditing.cpp).
    void FocusRowStart(TuiCustomRowViewInfo& row);
    void FocusRowEnd(TuiCustomRowViewInfo& row);
    void FocusNextRow(bool tab);
    void FocusPreviousRow(bool tab);
    void MoveFocusRight(bool tab);
    void MoveFocusLeft(bool tab);
    void MakeFocusedVisible();
    bool IsPartFocusable(const TuiCustomRowViewInfo& row, TuiFilterControlPart part, int32_t valueIndex) const;

    // Scrolling (uiFilterControlInput.cpp).
    int32_t VisibleRowCount() const;
    void SetTopRow(int32_t value);
    void SetLeftOffset(int32_t value);
    // Pulls the view back where the content ends before the client area does; whether it moved.
    bool PullBackView();
    void UpdateHotPart(vcl::TPoint point, vcl::TShiftState shift);
    bool IgnoresClicks() const;
    void HandleRowKey(uint16_t& key, vcl::TShiftState shift);

    // Selectors (uiFilterControlSelectors.cpp).
    void CreateSelectors();
    void ShowSelector(TuiFilterControlSelector kind, TuiCustomRowViewInfo& row, TuiFilterControlPart part,
                      const std::vector<rtl::UnicodeString>& captions, std::vector<int32_t> values, int32_t current,
                      vcl::TFont& font);
    void SelectorClosed(bool accepted);
    void HideSelector();
    void RowMenuClicked(int32_t entry);
    void ValueEditorKeyDown(uint16_t& key, vcl::TShiftState shift);
    void ValueEditorExit();
    void DetachValueEditor();
    // The control keeps the data an editor's activation made.
    void KeepEditorData(TuiCustomEditData* data);

    std::unique_ptr<TuiFilterControlCriteria> FCriteria;
    std::unique_ptr<TuiGroupViewInfo> FRoot;
    std::vector<TuiCustomRowViewInfo*> FRows; // not owned: the tree's, in display order
    std::unique_ptr<TuiFilterControlViewInfo> FViewInfo;
    TuiCustomRowViewInfo* FFocusedRow = nullptr; // not owned; nullptr on the footer
    TuiFilterControlPart FFocusedPart = fcpBoolOperator;
    int32_t FFocusedValue = -1;
    TuiFilterControlHitTest FHot;
    TuiFilterControlSelector FOpenSelector = fcsNone;
    bool FValueInvalid = false;
    int32_t FTopRow = 0;
    int32_t FLeftOffset = 0;
    int32_t FRowLockCount = 0;
    std::unique_ptr<vcl::TFont> FFontBoolOperator;
    std::unique_ptr<vcl::TFont> FFontItem;
    std::unique_ptr<vcl::TFont> FFontCondition;
    std::unique_ptr<vcl::TFont> FFontValue;
    bool FHotTrackOnUnfocused = true;
    rtl::UnicodeString FNullString;
    bool FShowLevelLines = true;
    bool FSortItems = false;
    bool FWantTabs = false;
    rtl::TNotifyEvent FOnApplyFilter;

    // The open selector's row and the item index or number of each entry.
    TuiCustomRowViewInfo* FSelectorRow = nullptr; // not owned
    std::vector<int32_t> FSelectorValues;
    std::unique_ptr<TuiComboBox, rtl::TComponentDeleter> FSelector;
    vcl::TPopupMenu* FRowMenu = nullptr;           // owned as a component
    TuiCustomRowViewInfo* FMenuRow = nullptr;      // not owned: the row the menu is open for
    std::unique_ptr<TuiInplaceEditList> FEditList; // frees the value editors
    std::unique_ptr<TuiTextEditProperties> FDefaultValueProperties;
    std::unique_ptr<TuiEditStyle> FValueStyle;
    TuiCustomEdit* FValueEditor = nullptr;            // not owned: the edit list's
    TuiConditionViewInfo* FEditedCondition = nullptr; // not owned
    int32_t FEditedValue = -1;
    // The value editors' state between activations, one per condition that had an editor open.
    std::vector<std::unique_ptr<TuiCustomEditData>> FEditData;
};

// The filter control with a link to a component that implements IuiFilterControl.
class TuiFilterControl : public TuiCustomFilterControl, public ILinkableFilterControl {
    RTL_DECLARE_CLASS(TuiFilterControl, TuiCustomFilterControl)
public:
    explicit TuiFilterControl(rtl::TComponent* owner) : TuiCustomFilterControl(owner) {}
    ~TuiFilterControl() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;

    rtl::TComponent* LinkComponent() const { return FLinkComponent; }
    // A component without IuiFilterControl is taken as nullptr; the rows show the component's filter.
    void SetLinkComponent(rtl::TComponent* component);
    IuiFilterControl* GetLinkInterface() const override;
    void AttachLinkComponent(rtl::TComponent* component) override { SetLinkComponent(component); }

protected:
    // A freed link leaves the control empty.
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    rtl::TComponent* FLinkComponent = nullptr; // not owned, watched
    rtl::TInterfacePtr<IuiFilterControl> FLink;
};

// The unit's start-up and shut-down: the shut-down frees the level lines' brush.
void InitializeFilterControlUnit();
void FinalizeFilterControlUnit();

} // namespace ui
