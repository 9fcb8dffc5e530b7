#pragma once
// TuiInplaceEditList: the pool from which a host (a grid's editing, the filter control) takes its in-place editors.
// It keeps one hidden editor per properties object, each working on a copy of those properties, and hands an editor
// whose properties went away to other properties of exactly the same class, so that moving from cell to cell does not
// make a control each time.

#include "rtl/core/Component.h"
#include "ui/editors/framework/control/uiCustomEdit.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiInplaceEditList {
public:
    explicit TuiInplaceEditList(rtl::TComponent* listOwner);
    TuiInplaceEditList(const TuiInplaceEditList&) = delete;
    TuiInplaceEditList& operator=(const TuiInplaceEditList&) = delete;
    ~TuiInplaceEditList();

    // The editor serving properties, found or made, with a fresh copy of them (change events caught meanwhile are
    // dropped).
    TuiCustomEdit& GetEditor(TuiCustomEditProperties& properties);
    // A free editor for a properties class, found or made.
    TuiCustomEdit& GetEditorOfClass(const rtl::TMetaclass& propertiesClass);
    // nullptr when none: a free editor of the class is taken for properties unknown yet.
    TuiCustomEdit* FindEditor(TuiCustomEditProperties& properties);
    TuiCustomEdit* FindEditorOfClass(const rtl::TMetaclass& propertiesClass);
    // The editor serving properties becomes free.
    void ReleaseProperties(const TuiCustomEditProperties& properties);
    // Frees the editor serving properties; nothing for properties the list does not know.
    void RemoveEditor(const TuiCustomEditProperties& properties);
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiCustomEdit& EditorAt(int32_t index) const { return *FItems.at(static_cast<size_t>(index)).Edit; }

private:
    struct TEntry {
        TuiCustomEdit* Edit;                       // freed by the list
        const TuiCustomEditProperties* Properties; // not owned; nullptr: the editor is free
        const rtl::TMetaclass* PropertiesClass;    // the class the editor was made for
    };

    int32_t IndexOfProperties(const TuiCustomEditProperties& properties, bool takeFree);
    int32_t IndexOfFreeEditor(const rtl::TMetaclass& propertiesClass) const;
    TuiCustomEdit* CreateEditor(const rtl::TMetaclass& propertiesClass);
    void DeleteEntry(int32_t index);

    rtl::TComponent* FListOwner; // not owned
    std::vector<TEntry> FItems;
};

// Every existing list releases properties (the properties' destruction calls it).
void DisconnectFromInplaceEditLists(const TuiCustomEditProperties& properties);
// How many lists exist (the global list of lists goes with the last one).
int32_t InplaceEditListCount();

} // namespace ui
