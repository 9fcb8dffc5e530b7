#pragma once
// TuiCustomGridTableItem: one item (column) of a table view. It stands for the data controller's field at its index
// and keeps how that field is shown: caption, width, visibility, position, sorting and grouping. Items belong to the
// form (their owner) and join a view, which numbers them, gives each an ID and adds a field for it.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/data/controller/uiDataControllerTypes.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/grid/customtable/filtering/uiGridInitDateRangesEvent.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiGridCellEvents.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCanvas;
class TuiCustomEditProperties;
class TuiCustomGridRecord;
class TuiCustomGridTableController;
class TuiCustomGridTableView;
class TuiCustomGridTableItem;
class TuiCustomGridTableItemOptions;
class TuiCustomGridTableItemStyles;
class TuiGridFilteringDateRanges;
class TuiGridGroupingDateRanges;
class TuiGridFilterValueList;
class TuiGridItemDataBinding;

// Sender, record index, the text to change.
using TuiGridGetDataTextEvent =
    std::function<void(TuiCustomGridTableItem& sender, int32_t recordIndex, rtl::AnsiString& text)>;
// Sender, the record (nullptr: none), the properties to show it with (may be replaced).
using TuiGridGetPropertiesEvent = std::function<void(TuiCustomGridTableItem& sender, TuiCustomGridRecord* record,
                                                     TuiCustomEditProperties*& properties)>;
// Sender, the value list of the item's filter drop-down, to change.
using TuiGridGetFilterValuesEvent =
    std::function<void(TuiCustomGridTableItem& sender, TuiGridFilterValueList& valueList)>;
// Sender, a filter value, the text a condition on it shows (may be changed).
using TuiGridGetFilterDisplayTextEvent =
    std::function<void(TuiCustomGridTableItem& sender, const rtl::Variant& value, rtl::UnicodeString& text)>;
// Sender, the value and text of an entry the OnGetFilterValues handler added; the handler filters by it.
using TuiGridUserFilteringEvent =
    std::function<void(TuiCustomGridTableItem& sender, const rtl::Variant& value, rtl::UnicodeStringView displayText)>;
// Sender, stored name, value (read from or written to the layout).
using TuiGridTableItemGetStoredPropertiesEvent =
    std::function<void(TuiCustomGridTableItem& sender, std::vector<rtl::UnicodeString>& names)>;
using TuiGridTableItemGetStoredPropertyValueEvent =
    std::function<void(TuiCustomGridTableItem& sender, rtl::UnicodeStringView name, rtl::Variant& value)>;
using TuiGridTableItemSetStoredPropertyValueEvent =
    std::function<void(TuiCustomGridTableItem& sender, rtl::UnicodeStringView name, const rtl::Variant& value)>;

// A stored small integer that must name a value of an enumeration of count values; another raises EConvertError.
int32_t StoredEnumValue(const rtl::Variant& value, int32_t count, rtl::UnicodeStringView name);

class TuiCustomGridTableItem : public TuiComponent, private IuiEditItemWatcher {
    RTL_DECLARE_CLASS(TuiCustomGridTableItem, TuiComponent)
public:
    static constexpr int32_t DefaultWidth = 64;
    static constexpr int32_t DefaultMinWidth = 20;

    explicit TuiCustomGridTableItem(rtl::TComponent* owner);
    ~TuiCustomGridTableItem() override;

    TuiCustomGridTableView* GridView() const { return FGridView; }
    // Another item's settings, options, styles and event handlers; sort and group positions wait while the view
    // assigns items.
    void Assign(const rtl::TPersistent* source) override;
    // Unique within the view; -1 outside one.
    int32_t ID() const { return FID; }
    // The position in the view's items and the data controller's field index; -1 outside a view.
    int32_t Index() const { return FIndex; }
    // Moves the item within its view; while the view assigns items a non-negative index waits for the end.
    void SetIndex(int32_t value);
    int32_t VisibleIndex() const { return FVisibleIndex; }

    const rtl::UnicodeString& AlternateCaption() const { return FAlternateCaption; }
    void SetAlternateCaption(rtl::UnicodeStringView value);
    // The assigned caption, else the default caption.
    rtl::UnicodeString Caption() const;
    // Setting the text the getter gives changes nothing and leaves the caption unassigned.
    void SetCaption(rtl::UnicodeStringView value);
    bool IsCaptionAssigned() const { return FIsCaptionAssigned; }
    // Stored when assigned and different from the default caption.
    bool IsCaptionStored() const;
    // The form writes "IsCaptionAssigned" for an assigned empty caption, so that it survives a reload.
    bool IsCaptionAssignedStored() const { return FIsCaptionAssigned && FCaption.empty(); }
    // The caption filter texts show: the alternate caption when not empty, else the caption.
    rtl::UnicodeString FilterCaption() const;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool VisibleForCustomization() const { return FVisibleForCustomization; }
    void SetVisibleForCustomization(bool value);
    // Reading an old form: "Hidden" is the negation of VisibleForCustomization.
    void ReadHidden(bool hidden) { SetVisibleForCustomization(!hidden); }
    virtual bool IsShown() const { return Visible(); }

    // The assigned width, else the default 64; never below the effective minimum width.
    int32_t Width() const;
    void SetWidth(int32_t value);
    bool IsWidthAssigned() const { return FIsWidthAssigned; }
    int32_t MinWidth() const;
    void SetMinWidth(int32_t value);
    int32_t BestFitMaxWidth() const { return FBestFitMaxWidth; }
    void SetBestFitMaxWidth(int32_t value);

    vcl::TAlignment HeaderAlignmentHorz() const;
    void SetHeaderAlignmentHorz(vcl::TAlignment value);
    TuiAlignmentVert HeaderAlignmentVert() const;
    void SetHeaderAlignmentVert(TuiAlignmentVert value);
    bool IsHeaderAlignmentHorzStored() const { return FIsHeaderAlignmentHorzAssigned; }
    bool IsHeaderAlignmentVertStored() const { return FIsHeaderAlignmentVertAssigned; }

    // Sorting and grouping live in the data controller; -1 = not sorted or grouped.
    int32_t SortIndex() const;
    void SetSortIndex(int32_t value);
    TuiDataSortOrder SortOrder() const;
    void SetSortOrder(TuiDataSortOrder value);
    // Stored when sorted.
    bool IsSortOrderStored() const { return SortOrder() != soNone && SortIndex() != -1; }
    int32_t GroupIndex() const;
    void SetGroupIndex(int32_t value);
    bool WasVisibleBeforeGrouping() const { return FWasVisibleBeforeGrouping; }

    // dtgDefault follows the view's date-time handling.
    TuiGridDateTimeGrouping DateTimeGrouping() const { return FDateTimeGrouping; }
    void SetDateTimeGrouping(TuiGridDateTimeGrouping value);
    TuiGridDateTimeGrouping EffectiveDateTimeGrouping();
    // The periods the item's dates group and filter by, set up again when the item joins a view or a grouping
    // setting changes; after each set-up the view's and then the item's init handler may add ranges.
    TuiGridGroupingDateRanges& GroupingDateRanges() const { return *FGroupingDateRanges; }
    TuiGridFilteringDateRanges& FilteringDateRanges() const { return *FFilteringDateRanges; }
    void InitGroupingDateRanges();
    void InitFilteringDateRanges();
    // Sets the grouping ranges up again and has the data controller rebuild its rows.
    void DateTimeGroupingChanged();
    // A DateTime item with grouping ranges; with handler, one whose grouping ranges an init handler of the view or
    // the item decides.
    bool UsesGroupingDateRanges(bool handler = false) const;
    // Sets the grouping ranges up again (a new "today") when an init handler decides them.
    void RefreshHandlerDateRanges();
    // A DateTime item whose view and own options both filter by the date alone.
    bool IgnoresTimeForFiltering();
    // The view's date-time filters; none outside a view.
    TuiGridDateTimeFilters GetDateTimeFilters() const;
    // A DateTime item offers relative periods (relative) when its date-time filters name some, or ranges (not
    // relative) when they name years or months or an init-filtering-ranges handler may add some.
    bool SupportsDateTimeFilters(bool relative) const;
    // The drop-down picks several values when the view's item popup and the item's options allow it.
    bool CanFilterMultiSelect();
    // The drop-down lists only the values of the filtered records.
    bool ShowsFilteredItemsList();
    // The drop-down lists the recently used values first (not while it picks several values).
    bool ShowsFilterMRUValues();
    virtual void DoInitFilteringDateRanges();
    virtual void DoInitGroupingDateRanges();
    void SetOnInitFilteringDateRanges(TuiGridInitDateRangesEvent handler);
    void SetOnInitGroupingDateRanges(TuiGridInitDateRangesEvent handler);
    bool HasInitFilteringDateRangesHandler() const { return static_cast<bool>(FOnInitFilteringDateRanges); }
    bool HasInitGroupingDateRangesHandler() const { return static_cast<bool>(FOnInitGroupingDateRanges); }
    virtual void DoGetFilterValues(TuiGridFilterValueList& valueList);
    virtual void DoGetFilterDisplayText(const rtl::Variant& value, rtl::UnicodeString& text);
    virtual void DoUserFiltering(const rtl::Variant& value, rtl::UnicodeStringView displayText);
    void SetOnGetFilterValues(TuiGridGetFilterValuesEvent handler);
    void SetOnGetFilterDisplayText(TuiGridGetFilterDisplayTextEvent handler);
    void SetOnUserFiltering(TuiGridUserFilteringEvent handler);

    // The table controller's focused item is this one. Unfocusing the focused item hands the focus to the next
    // visible item, else the previous one, else to none. Nothing in a view without a table controller.
    bool Focused() const;
    void SetFocused(bool value);
    // Shown, focusable by its options, and the record (nullptr: any) lets its cells take the focus.
    bool CanFocus(const TuiCustomGridRecord* record);

    // The item is the editing controller's edited item. True opens its editor in the focused record; False on the
    // edited item ends the editing, accepting the value.
    bool Editing() const;
    void SetEditing(bool value);
    // The view's and the item's Editing options.
    bool CanEdit();
    // Focusable and editable in the focused record, with a data controller whose edits the view shows.
    bool CanEditFocusedCellNow();
    // The properties of the focused record, which OnGetPropertiesForEdit may replace.
    TuiCustomEditProperties* GetPropertiesForEdit();
    void SetOnGetPropertiesForEdit(TuiGridGetPropertiesEvent handler);
    // The value of the record being edited (else the focused one) as properties edit it: as the data's text when
    // they show that, else as the value. Unassigned without such a record.
    rtl::Variant GetEditValue(TuiCustomEditProperties* properties);
    // Whether the data controller took the value.
    bool SetEditValue(TuiCustomEditProperties* properties, const rtl::Variant& value);

    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value);

    // Made on first use through CreateOptions.
    TuiCustomGridTableItemOptions& Options();
    // Made on first use through CreateStyles.
    TuiCustomGridTableItemStyles& Styles();

    // The item's field in the view's data controller: its value type and default editor.
    TuiGridItemDataBinding& DataBinding() const { return *FDataBinding; }
    void SetDataBinding(const TuiGridItemDataBinding& value);
    // Called by the data controller after the field's value type changed.
    void ValueTypeClassChanged();

    // The editor that paints and edits the item's cells (the properties in use): the repository item's when one is
    // set, else the item's own (made anew of the class set), else the editor registered for the field's value type.
    // nullptr outside a view or when none of these exists.
    const rtl::TMetaclass* PropertiesClass() const { return FPropertiesClass; }
    void SetPropertiesClass(const rtl::TMetaclass* value);
    // The class name of the own properties, empty without them; an unknown name leaves the item without them.
    rtl::UnicodeString PropertiesClassName() const;
    void SetPropertiesClassName(rtl::UnicodeStringView value);
    TuiCustomEditProperties* Properties() const { return FProperties.get(); }
    // Assigns into the own properties; nothing when either side is missing.
    void SetProperties(const TuiCustomEditProperties* value);
    // Not owned: the item stops using it when it is destroyed.
    TuiEditRepositoryItem* RepositoryItem() const { return FRepositoryItem; }
    void SetRepositoryItem(TuiEditRepositoryItem* value);
    // The properties in use, told of the item's default values provider.
    TuiCustomEditProperties* GetProperties() const;
    // For one record: OnGetProperties may replace the properties in use.
    TuiCustomEditProperties* GetPropertiesForRecord(TuiCustomGridRecord* record);
    // For a record index: the record's properties when OnGetProperties is assigned and the record exists.
    TuiCustomEditProperties* GetPropertiesForRecordIndex(int32_t recordIndex);
    void SetOnGetProperties(TuiGridGetPropertiesEvent handler);

    // Clears the assigned caption, header alignments and width.
    void RestoreDefaults();
    // 0 repaint, 1 layout, 2 size; nothing outside a view.
    void Changed(int32_t kind);

    // The stored layout: "AlignmentHorz" (with properties in use), "Index", "Visible", "SortOrder", "SortIndex",
    // "WasVisibleBeforeGrouping", then the names OnGetStoredProperties adds. A value outside its range or of the wrong
    // kind raises EConvertError.
    virtual void GetStoredProperties(std::vector<rtl::UnicodeString>& names);
    virtual void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value);
    virtual void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value);

    // The item's last word over a record's display text.
    virtual void DoGetDataText(int32_t recordIndex, rtl::AnsiString& text);
    bool HasGetDataTextHandler() const { return static_cast<bool>(FOnGetDataText); }

    // The item's cells. Each Do... fires its event when one is assigned: a custom draw (with the view as sender)
    // leaves done as it was without one, the hint and display text handlers change what they are given.
    virtual void DoCustomDrawCell(TuiCanvas& canvas, TuiGridTableDataCellViewInfo* cell, bool& done);
    virtual void DoGetCellHint(TuiCustomGridRecord* record, TuiGridTableDataCellViewInfo* cell, vcl::TPoint mousePos,
                               rtl::UnicodeString& text, bool& multiLine, vcl::TRect& textRect);
    virtual void DoGetDisplayText(TuiCustomGridRecord* record, rtl::UnicodeString& text);
    bool HasCustomDrawCell() const { return static_cast<bool>(FOnCustomDrawCell); }
    bool HasGetCellHintHandler() const { return static_cast<bool>(FOnGetCellHint); }
    bool HasGetDisplayTextHandler() const { return static_cast<bool>(FOnGetDisplayText); }
    void SetOnCustomDrawCell(TuiGridTableDataCellCustomDrawEvent handler);
    void SetOnGetCellHint(TuiGridGetCellHintEvent handler);
    void SetOnGetDisplayText(TuiGridGetDisplayTextEvent handler);
    // Whether the item's cells show their editor's buttons: the item's ShowEditButtons, or with isebDefault the
    // view's, which with gsebForFocusedRecord shows them in the focused record (focused) only.
    virtual bool ShowButtons(bool focused);

    void SetOnGetDataText(TuiGridGetDataTextEvent handler);
    void SetOnGetStoredProperties(TuiGridTableItemGetStoredPropertiesEvent handler);
    void SetOnGetStoredPropertyValue(TuiGridTableItemGetStoredPropertyValueEvent handler);
    void SetOnSetStoredPropertyValue(TuiGridTableItemSetStoredPropertyValueEvent handler);

protected:
    virtual std::unique_ptr<TuiCustomGridTableItemOptions> CreateOptions();
    virtual std::unique_ptr<TuiCustomGridTableItemStyles> CreateStyles();
    virtual bool HasFixedWidth() const { return false; }
    virtual rtl::UnicodeString GetDefaultCaptionText() const { return {}; }
    virtual int32_t GetDefaultWidthValue() const { return DefaultWidth; }
    virtual void CaptionChanged();
    virtual void VisibleChanged() {}

private:
    friend class TuiCustomGridTableView;
    void SetGridView(TuiCustomGridTableView* gridView);
    bool CanApplyToDataController() const;
    TuiCustomGridTableController* TableController() const;
    // The visible item that takes the focus from this one.
    TuiCustomGridTableItem* NeighbourVisibleItem() const;
    bool IsDestroying() const { return ComponentState().Contains(rtl::TComponentState::csDestroying); }

    void ItemRemoved(TuiEditRepositoryItem* item) override;
    void ItemPropertiesChanged(TuiEditRepositoryItem* item) override;
    // Works out the properties in use again; the data controller rebuilds its rows when there are some.
    void UpdatePropertiesValue();
    void ReleaseDefaultRepositoryItem();
    // The view's sorting follows the new texts when the item sorts or groups; else the view is sized again.
    void PropertiesChanged();
    void OwnPropertiesChanged();
    TuiCustomEditProperties* InitProperties(TuiCustomEditProperties* properties) const;
    void SetStoredAlignmentHorz(const rtl::Variant& value);

    TuiCustomGridTableView* FGridView = nullptr; // not owned
    rtl::UnicodeString FAlternateCaption;
    rtl::UnicodeString FCaption;
    int32_t FID = -1;
    int32_t FIndex = -1;
    int32_t FVisibleIndex = -1;
    int32_t FWidth = 0;
    int32_t FMinWidth = DefaultMinWidth;
    int32_t FBestFitMaxWidth = 0;
    int32_t FTag = 0;
    vcl::TAlignment FHeaderAlignmentHorz = vcl::taLeftJustify;
    TuiAlignmentVert FHeaderAlignmentVert = vaTop;
    bool FIsCaptionAssigned = false;
    bool FIsHeaderAlignmentHorzAssigned = false;
    bool FIsHeaderAlignmentVertAssigned = false;
    bool FIsWidthAssigned = false;
    bool FVisible = false;
    bool FVisibleForCustomization = true;
    bool FWasVisibleBeforeGrouping = false;
    std::unique_ptr<TuiCustomGridTableItemOptions> FOptions;
    std::unique_ptr<TuiGridItemDataBinding> FDataBinding;
    const rtl::TMetaclass* FPropertiesClass = nullptr;
    std::unique_ptr<TuiCustomEditProperties> FProperties;
    TuiCustomEditProperties* FPropertiesValue = nullptr;     // in use; not owned unless FProperties
    TuiEditRepositoryItem* FRepositoryItem = nullptr;        // not owned; watched
    TuiEditRepositoryItem* FDefaultRepositoryItem = nullptr; // not owned; watched
    std::unique_ptr<TuiGridGroupingDateRanges> FGroupingDateRanges;
    std::unique_ptr<TuiGridFilteringDateRanges> FFilteringDateRanges;
    TuiGridDateTimeGrouping FDateTimeGrouping = dtgDefault;
    std::unique_ptr<TuiCustomGridTableItemStyles> FStyles;
    TuiGridGetDataTextEvent FOnGetDataText;
    TuiGridTableDataCellCustomDrawEvent FOnCustomDrawCell;
    TuiGridGetCellHintEvent FOnGetCellHint;
    TuiGridGetDisplayTextEvent FOnGetDisplayText;
    TuiGridGetPropertiesEvent FOnGetProperties;
    TuiGridGetPropertiesEvent FOnGetPropertiesForEdit;
    TuiGridGetFilterValuesEvent FOnGetFilterValues;
    TuiGridGetFilterDisplayTextEvent FOnGetFilterDisplayText;
    TuiGridUserFilteringEvent FOnUserFiltering;
    TuiGridInitDateRangesEvent FOnInitFilteringDateRanges;
    TuiGridInitDateRangesEvent FOnInitGroupingDateRanges;
    TuiGridTableItemGetStoredPropertiesEvent FOnGetStoredProperties;
    TuiGridTableItemGetStoredPropertyValueEvent FOnGetStoredPropertyValue;
    TuiGridTableItemSetStoredPropertyValueEvent FOnSetStoredPropertyValue;
};

} // namespace ui
