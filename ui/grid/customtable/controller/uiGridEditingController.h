#pragma once
// TuiGridEditingController: the single in-place editor of a view of records. It takes the editor for the edited
// item's properties from an editor list (one editor per properties object), lays it over the focused record's cell of
// the item, loads the item's value into it, hands its keys to the view and the table controller, writes its value
// back to the data controller when it closes accepting, and hides it. The table controller owns it; the view's layout
// tells it where the cell lies (a cell scrolled out of sight moves the editor away without closing it).

#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace ui {

class TuiCustomEdit;
class TuiCustomEditData;
class TuiCustomEditProperties;
class TuiCustomGridTableController;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;
class TuiTimer;

class TuiGridEditingController {
public:
    explicit TuiGridEditingController(TuiCustomGridTableController& controller);
    TuiGridEditingController(const TuiGridEditingController&) = delete;
    TuiGridEditingController& operator=(const TuiGridEditingController&) = delete;
    virtual ~TuiGridEditingController();

    TuiCustomGridTableController& Controller() const { return FController; }
    TuiCustomGridTableView& TableView() const;
    // The editor shown now, or nullptr.
    TuiCustomEdit* Edit() const { return FEdit; }
    TuiInplaceEditList& EditList() { return FEditList; }
    TuiCustomGridTableItem* EditedItem() const { return FEditedItem; }
    bool IsEditing() const { return FEditedItem != nullptr; }
    bool IsSettingEditedItem() const { return FSettingEditedItem; }
    // An item editable in the focused record that OnEditing allows becomes the focused and the edited item and its
    // editor opens; nullptr closes the editor without accepting.
    void SetEditedItem(TuiCustomGridTableItem* item);

    // Each prepares the editor for the item and activates it: plainly, with the typed character, or with the click
    // (site coordinates). Whether the editor opened.
    bool OpenEditor(TuiCustomGridTableItem* item);
    bool OpenEditorByKey(TuiCustomGridTableItem* item, char16_t key);
    bool OpenEditorByMouse(TuiCustomGridTableItem* item, vcl::TShiftState shift, int32_t x, int32_t y);
    // Accepting validates the entry (an invalid one raises EAbort with the editor kept), writes a modified value to
    // the data controller and posts its editing data. The editor hides and the focus returns to the site when the
    // editor had it.
    void CloseEditor(bool accept);

    // The layout changed or scrolled: the editor follows its cell, or moves out of sight while the cell is not laid
    // out (it stays open).
    void LayoutChanged();
    // The data changed: an editor whose value the user has not changed shows the new value.
    void RefreshEditor();
    // The data controller asks for the editor's value before it posts or moves its focus.
    void UpdateEditValue() { StoreEditorValue(); }
    // With AlwaysShowEditor, while the grid has the focus: the focused item's editor opens, or follows the focused
    // record when it is open already.
    void ReviewEditor();
    // When the focused record changes: True unless AlwaysShowEditor keeps the editor over the new record's cell.
    bool MustCloseOnRecordChange() const;
    // A failed close on the editor's exit: the focus may not move to another record until a close succeeds.
    bool ErrorOnExit() const { return FErrorOnExit; }

    // The mouse on a data cell of the item: with AlwaysShowEditor a left press goes straight to the editor; other
    // clicks wait for the button to come up, and open the editor then with ImmediateEditor; without it a click on the
    // cell focused before opens the editor after the double-click time, unless a double click follows.
    void CellMouseDown(TuiCustomGridTableItem* item, bool wasFocusedCell, vcl::TMouseButton button,
                       vcl::TShiftState shift, vcl::TPoint point);
    void CellMouseUp(TuiCustomGridTableItem* item, vcl::TMouseButton button, vcl::TShiftState shift);
    // The focused cell moved: a click waiting for its release opens nothing.
    void DropMouseUpRequest();
    void StartDelayedOpen(TuiCustomGridTableItem* item);
    void StopDelayedOpen();
    bool IsDelayedOpenPending() const;

    // The item leaves the view: its editing ends without writing.
    void ItemRemoved(const TuiCustomGridTableItem* item);
    // The properties go away: their editor leaves the list (ending the editing when it is the current one).
    void ForgetEditor(TuiCustomEditProperties& properties);
    // The view goes away: the editors leave the site before it frees its children.
    void ReleaseEditors();

protected:
    // Where the editor goes over the focused record's cell of the edited item, in the site's client coordinates;
    // empty while that cell is not laid out. Empty in this base.
    virtual vcl::TRect GetEditorBounds() const { return {}; }
    virtual bool CanEditItem(TuiCustomGridTableItem& item);
    // The keys the editor leaves to the table controller.
    virtual bool IsControllerKey(uint16_t key, vcl::TShiftState shift) const;
    // The edited item's value in the focused record, and where a value written to it goes.
    virtual rtl::Variant ReadEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties);
    virtual void WriteEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties,
                                const rtl::Variant& value);
    // Whether the user may change the edited item's value now; a data record begins its edit when asked.
    virtual bool CanModifyEditedItem();
    // Writes the editor's value to the edited item when it was modified.
    virtual void StoreEditorValue();
    // The data controller posts what its editors wrote.
    virtual void PostEditingData();

private:
    bool PrepareEditor(TuiCustomGridTableItem* item, bool byMouse);
    bool AcceptEditedItem(TuiCustomGridTableItem& item);
    bool DoEditing(TuiCustomGridTableItem& item);
    void CreateEditor(TuiCustomGridTableItem& item);
    void InitEditor();
    void FinishEditor();
    void AssignEditorHandlers(TuiCustomEdit& edit);
    void RemoveEditorHandlers(TuiCustomEdit& edit);
    bool RepositionEditor();
    void ApplyCellStyle(TuiCustomEdit& edit);
    void LoadEditorValue();
    bool CanLoadEditorValue() const;
    bool SiteOrEditorFocused() const;
    TuiCustomEditData*& EditDataOf(const TuiCustomEdit& edit) { return FEditData[&edit]; }

    void EditKeyDown(uint16_t& key, vcl::TShiftState shift);
    void EditAfterKeyDown(uint16_t& key, vcl::TShiftState shift);
    void EditExit();
    void EditChanged();
    void EditValueChanged();

    TuiCustomGridTableController& FController;
    TuiInplaceEditList FEditList;
    TuiCustomEdit* FEdit = nullptr;                                         // not owned: the list's
    TuiCustomGridTableItem* FEditedItem = nullptr;                          // not owned
    std::unordered_map<const TuiCustomEdit*, TuiCustomEditData*> FEditData; // owned by their editors
    rtl::TNotifyEvent FSavedOnChange;
    rtl::TNotifyEvent FSavedOnEditValueChanged;
    std::unique_ptr<TuiTimer> FDelayedOpenTimer;
    TuiCustomGridTableItem* FDelayedOpenItem = nullptr; // not owned
    // A click that opens the editor when the button comes up.
    TuiCustomGridTableItem* FMouseUpItem = nullptr; // not owned
    bool FMouseUpWasFocusedCell = false;
    vcl::TShiftState FMouseDownShift;
    vcl::TPoint FMouseDownPoint;
    bool FPreparing = false;
    bool FHiding = false;
    bool FSettingEditedItem = false;
    bool FInitiating = false;
    bool FErrorOnExit = false;
};

} // namespace ui
