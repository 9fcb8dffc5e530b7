#pragma once
// TuiGridItemDataBinding: what ties a table item to its field in the view's data controller. It reads and changes
// the field's value type (stored by caption as "ValueType"), names the editor that shows such values by default, and
// owns the default values provider through which the item's editor properties ask the data about formats.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "ui/data/values/uiValueType.h"
#include "ui/editors/framework/uiEditProperties.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomGridTableItem;
class TuiEditRepositoryItem;
class TuiGridItemDataBinding;

// Display formats count as defined when the field keeps stored texts or the item rewrites its texts.
class TuiGridDefaultValuesProvider : public TuiCustomEditDefaultValuesProvider {
    RTL_DECLARE_CLASS(TuiGridDefaultValuesProvider, TuiCustomEditDefaultValuesProvider)
public:
    explicit TuiGridDefaultValuesProvider(TuiGridItemDataBinding& dataBinding);
    bool IsDisplayFormatDefined(bool currencyFormatUnacceptable) override;

private:
    TuiGridItemDataBinding& FDataBinding;
};

class TuiGridItemDataBinding : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiGridItemDataBinding, rtl::TPersistent)
public:
    explicit TuiGridItemDataBinding(TuiCustomGridTableItem& item);
    ~TuiGridItemDataBinding() override;
    TuiGridItemDataBinding(const TuiGridItemDataBinding&) = delete;
    TuiGridItemDataBinding& operator=(const TuiGridItemDataBinding&) = delete;

    rtl::TPersistent* GetOwner() const override;
    TuiCustomGridTableItem& Item() const { return FItem; }
    // The value type and the user data object; another source goes to the base.
    void Assign(const rtl::TPersistent* source) override;

    // The field's value type; nullptr outside a view.
    TuiValueTypeClass ValueTypeClass() const;
    void SetValueTypeClass(TuiValueTypeClass value);
    // The caption of the field's value type ("Integer"); empty without one. An unknown caption sets no type.
    rtl::UnicodeString ValueType() const;
    void SetValueType(rtl::UnicodeStringView caption);
    virtual TuiValueTypeClass GetDefaultValueTypeClass() const;
    bool IsValueTypeClassStored() const { return ValueTypeClass() != GetDefaultValueTypeClass(); }

    // The editor registered for the field's value type; nullptr when none is.
    virtual TuiEditRepositoryItem* GetDefaultRepositoryItem() const;
    virtual rtl::UnicodeString GetDefaultCaption() const { return {}; }
    virtual int32_t GetDefaultWidth() const;
    // Called when the item is made and whenever the field's value type changes.
    virtual void Init() {}

    // Not owned; a change is a repaint of the item.
    rtl::TObject* Data() const { return FData; }
    void SetData(rtl::TObject* value);
    IuiEditDefaultValuesProvider* DefaultValuesProvider() const { return FDefaultValuesProvider.get(); }

private:
    TuiCustomGridTableItem& FItem;
    rtl::TObject* FData = nullptr; // not owned
    std::unique_ptr<TuiGridDefaultValuesProvider> FDefaultValuesProvider;
};

} // namespace ui
