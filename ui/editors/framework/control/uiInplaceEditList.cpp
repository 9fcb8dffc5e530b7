#include "ui/editors/framework/control/uiInplaceEditList.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {

// The lists that exist; made with the first list and freed with the last.
std::unique_ptr<std::vector<TuiInplaceEditList*>> inplaceEditLists;

} // namespace

TuiInplaceEditList::TuiInplaceEditList(rtl::TComponent* listOwner) : FListOwner(listOwner) {
    if (!inplaceEditLists) {
        inplaceEditLists = std::make_unique<std::vector<TuiInplaceEditList*>>();
    }
    inplaceEditLists->push_back(this);
}

TuiInplaceEditList::~TuiInplaceEditList() {
    std::erase(*inplaceEditLists, this);
    if (inplaceEditLists->empty()) {
        inplaceEditLists.reset();
    }
    Clear();
}

int32_t TuiInplaceEditList::IndexOfFreeEditor(const rtl::TMetaclass& propertiesClass) const {
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].Properties == nullptr && FItems[i].PropertiesClass == &propertiesClass) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t TuiInplaceEditList::IndexOfProperties(const TuiCustomEditProperties& properties, bool takeFree) {
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].Properties == &properties) {
            return static_cast<int32_t>(i);
        }
    }
    if (!takeFree) {
        return -1;
    }
    const int32_t index = IndexOfFreeEditor(properties.ClassType());
    if (index >= 0) {
        FItems[static_cast<size_t>(index)].Properties = &properties;
    }
    return index;
}

TuiCustomEdit* TuiInplaceEditList::FindEditor(TuiCustomEditProperties& properties) {
    const int32_t index = IndexOfProperties(properties, true);
    return index < 0 ? nullptr : FItems[static_cast<size_t>(index)].Edit;
}

TuiCustomEdit* TuiInplaceEditList::FindEditorOfClass(const rtl::TMetaclass& propertiesClass) {
    const int32_t index = IndexOfFreeEditor(propertiesClass);
    return index < 0 ? nullptr : FItems[static_cast<size_t>(index)].Edit;
}

TuiCustomEdit* TuiInplaceEditList::CreateEditor(const rtl::TMetaclass& propertiesClass) {
    const std::unique_ptr<TuiCustomEditProperties> prototype(
        static_cast<TuiCustomEditProperties*>(propertiesClass.CreateInstance(nullptr)));
    TuiCustomEdit* editor = TuiCustomEdit::CreateInplace(prototype->GetContainerClass(), FListOwner);
    editor->SetVisible(false);
    return editor;
}

TuiCustomEdit& TuiInplaceEditList::GetEditor(TuiCustomEditProperties& properties) {
    TuiCustomEdit* editor = FindEditor(properties);
    if (editor == nullptr) {
        editor = CreateEditor(properties.ClassType());
        FItems.push_back({editor, &properties, &properties.ClassType()});
    }
    editor->LockChangeEvents(true);
    try {
        editor->Properties().Assign(&properties);
    } catch (...) {
        editor->LockChangeEvents(false, false);
        throw;
    }
    editor->LockChangeEvents(false, false);
    return *editor;
}

TuiCustomEdit& TuiInplaceEditList::GetEditorOfClass(const rtl::TMetaclass& propertiesClass) {
    if (TuiCustomEdit* editor = FindEditorOfClass(propertiesClass)) {
        return *editor;
    }
    TuiCustomEdit* editor = CreateEditor(propertiesClass);
    FItems.push_back({editor, nullptr, &propertiesClass});
    return *editor;
}

void TuiInplaceEditList::ReleaseProperties(const TuiCustomEditProperties& properties) {
    for (TEntry& entry : FItems) {
        if (entry.Properties == &properties) {
            entry.Properties = nullptr;
            return;
        }
    }
}

void TuiInplaceEditList::RemoveEditor(const TuiCustomEditProperties& properties) {
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].Properties == &properties) {
            DeleteEntry(static_cast<int32_t>(i));
            return;
        }
    }
}

void TuiInplaceEditList::DeleteEntry(int32_t index) {
    TuiCustomEdit* editor = FItems[static_cast<size_t>(index)].Edit;
    FItems.erase(FItems.begin() + index);
    editor->SetParent(nullptr);
    rtl::TComponent::Free(editor);
}

void TuiInplaceEditList::Clear() {
    while (!FItems.empty()) {
        DeleteEntry(0);
    }
}

void DisconnectFromInplaceEditLists(const TuiCustomEditProperties& properties) {
    if (!inplaceEditLists) {
        return;
    }
    for (TuiInplaceEditList* list : *inplaceEditLists) {
        list->ReleaseProperties(properties);
    }
}

int32_t InplaceEditListCount() {
    return inplaceEditLists ? static_cast<int32_t>(inplaceEditLists->size()) : 0;
}

} // namespace ui
