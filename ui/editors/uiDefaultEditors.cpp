#include "ui/editors/uiDefaultEditors.h"

#include "rtl/core/ClassRegistry.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/buttonedit/uiButtonEdit.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/dropdown/edit/uiPopupEdit.h"
#include "ui/editors/dropdown/mru/uiMRUEdit.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/image/uiImage.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/hyperlink/uiHyperLinkEdit.h"
#include "ui/editors/text/memo/uiMemo.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Below any version a program registers.
constexpr int32_t defaultEditorVersion = -1;

int32_t defaultEditorsStarts = 0;
// The default repository's items this unit made; each one's going takes its registrations with it.
std::vector<TuiEditRepositoryItem*> defaultEditorItems;

const std::initializer_list<const rtl::TMetaclass*> repositoryClasses = {
    &TuiEditRepository::StaticClass(),
    &TuiEditRepositoryItem::StaticClass(),
    &TuiEditRepositoryTextItem::StaticClass(),
    &TuiEditRepositoryButtonItem::StaticClass(),
    &TuiEditRepositoryComboBoxItem::StaticClass(),
    &TuiEditRepositoryMaskItem::StaticClass(),
    &TuiEditRepositoryPopupItem::StaticClass(),
    &TuiEditRepositoryCurrencyItem::StaticClass(),
    &TuiEditRepositoryCheckBoxItem::StaticClass(),
    &TuiEditRepositoryMemoItem::StaticClass(),
    &TuiEditRepositoryImageItem::StaticClass(),
    &TuiEditRepositoryMRUItem::StaticClass(),
    &TuiEditRepositoryHyperLinkItem::StaticClass(),
};

// The value types with an editor of their own, and its item class.
const std::pair<const TuiValueType*, const rtl::TMetaclass*> typedDefaultEditors[] = {
    {&TuiBooleanValueType::Instance(), &TuiEditRepositoryCheckBoxItem::StaticClass()},
    {&TuiCurrencyValueType::Instance(), &TuiEditRepositoryCurrencyItem::StaticClass()},
    {&TuiFMTBcdValueType::Instance(), &TuiEditRepositoryCurrencyItem::StaticClass()},
};

} // namespace

void InitializeDefaultEditorsUnit() {
    if (defaultEditorsStarts++ > 0) {
        return;
    }
    rtl::RegisterClasses(repositoryClasses);
    TuiEditRepository& repository = GetDefaultEditRepository();
    TuiEditDataRegisteredRepositoryItems& items = GetEditDataRegisteredRepositoryItems();
    TuiEditRepositoryItem* text = repository.CreateItem(TuiEditRepositoryTextItem::StaticClass());
    defaultEditorItems.push_back(text);
    items.RegisterDefaultItem(defaultEditorVersion, text);
    for (const auto& [valueType, itemClass] : typedDefaultEditors) {
        TuiEditRepositoryItem* item = repository.CreateItem(*itemClass);
        defaultEditorItems.push_back(item);
        items.RegisterItem(valueType, defaultEditorVersion, item);
    }
}

void FinalizeDefaultEditorsUnit() {
    if (defaultEditorsStarts == 0 || --defaultEditorsStarts > 0) {
        return;
    }
    for (TuiEditRepositoryItem* item : defaultEditorItems) {
        rtl::TComponent::Free(item);
    }
    defaultEditorItems.clear();
    for (const rtl::TMetaclass* metaclass : repositoryClasses) {
        rtl::UnRegisterClass(*metaclass);
    }
}

} // namespace ui
