#pragma once
// The most-recently-used editor: a combo box whose list is the history of the texts entered. Every committed text
// moves to the top of the properties' lookup items (a new one is announced and inserted there) and the history is cut
// to MaxItemCount, each dropped entry announced first. Button 1, an ellipsis shown by default, fires the properties'
// OnButtonClick with index 1.

#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/framework/repository/uiEditRepository.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiCustomMRUEditProperties : public TuiCustomComboBoxProperties {
    RTL_DECLARE_CLASS(TuiCustomMRUEditProperties, TuiCustomComboBoxProperties)
public:
    // An entry is about to be removed because the history is longer than MaxItemCount.
    using TDeleteLookupItemEvent = std::function<void(TuiCustomMRUEditProperties& properties, int32_t itemIndex)>;

    explicit TuiCustomMRUEditProperties(rtl::TPersistent* owner);

    // From MRU properties, inside one update.
    void Assign(const rtl::TPersistent* source) override;
    // The history follows a copy of the properties.
    void CopyRuntimeData(TuiCustomEditProperties& target) const override;

    // 0: no limit.
    int32_t MaxItemCount() const { return FMaxItemCount; }
    // Negative counts as 0; a lower limit cuts the history.
    void SetMaxItemCount(int32_t value);
    bool ShowEllipsis() const { return FShowEllipsis; }
    void SetShowEllipsis(bool value);
    const TDeleteLookupItemEvent& OnDeleteLookupItem() const { return FOnDeleteLookupItem; }
    void SetOnDeleteLookupItem(TDeleteLookupItemEvent handler) { FOnDeleteLookupItem = std::move(handler); }

    // OnNewLookupDisplayText with these properties as the sender.
    virtual void FireNewLookupDisplayText(const rtl::UnicodeString& text);
    // Moves text to the top of the history; a text not yet in it (compared without regard to case unless the items
    // are case-sensitive) is announced when notify is set, inserted at the top and the history cut. A sorted history
    // cannot take a new text (the string list's error) and keeps a known one where it is.
    virtual void AddToHistory(const rtl::UnicodeString& text, bool notify);

    const rtl::TMetaclass& GetContainerClass() const override;

private:
    void TrimHistory();

    int32_t FMaxItemCount = 0;
    bool FShowEllipsis = true;
    TDeleteLookupItemEvent FOnDeleteLookupItem;
};

class TuiMRUEditProperties : public TuiCustomMRUEditProperties {
    RTL_DECLARE_CLASS(TuiMRUEditProperties, TuiCustomMRUEditProperties)
public:
    explicit TuiMRUEditProperties(rtl::TPersistent* owner) : TuiCustomMRUEditProperties(owner) {}
};

class TuiCustomMRUEdit : public TuiCustomComboBox {
    RTL_DECLARE_CLASS(TuiCustomMRUEdit, TuiCustomComboBox)
public:
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomMRUEditProperties::StaticClass(); }
    // The properties in force.
    TuiCustomMRUEditProperties& GetMRUProperties() {
        return static_cast<TuiCustomMRUEditProperties&>(GetComboProperties());
    }

protected:
    TuiCustomMRUEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
        : TuiCustomComboBox(owner, propertiesClass) {}

    // Puts a non-empty text at the top of the history; a new one is announced through the new-lookup-text handlers.
    virtual void ApplyHistoryText(const rtl::UnicodeString& text);
    // Enter commits the typed text to the history, unless it takes a highlighted item of the open list.
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
};

class TuiMRUEdit : public TuiCustomMRUEdit {
    RTL_DECLARE_CLASS(TuiMRUEdit, TuiCustomMRUEdit)
public:
    explicit TuiMRUEdit(rtl::TComponent* owner) : TuiCustomMRUEdit(owner, TuiMRUEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiMRUEditProperties::StaticClass(); }
    TuiMRUEditProperties& MRUEditProperties() const { return static_cast<TuiMRUEditProperties&>(Properties()); }
};

// The repository item of the MRU editor.
class TuiEditRepositoryMRUItem : public TuiEditRepositoryItem {
    RTL_DECLARE_CLASS(TuiEditRepositoryMRUItem, TuiEditRepositoryItem)
public:
    explicit TuiEditRepositoryMRUItem(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TuiMRUEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiMRUEditProperties::StaticClass(); }
};

// Registers the MRU properties with their description and the text editor's filter helper, once however often it is
// called; the balancing finalisation removes both.
void InitializeMRUEditUnit();
void FinalizeMRUEditUnit();

} // namespace ui
