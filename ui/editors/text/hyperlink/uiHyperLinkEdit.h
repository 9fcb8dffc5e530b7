#pragma once
// The hyperlink editor: a text editor whose text is a link. A text that lacks the prefix ("http://" unless set) gets it
// when committed (upAlways) or only when opened (upOnlyOnExecute); the link is opened through the shell launcher in
// UTF-16 (verb "OPEN", maximized) by a double click, or by the start key (Ctrl+Enter unless set), unless an
// OnStartClick handler takes the start over.

#include "rtl/core/Events.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>

namespace ui {

enum TuiHyperLinkEditUsePrefix : uint8_t { upAlways, upOnlyOnExecute, upNever };

// The text trimmed and, when prefix is not empty and the text does not begin with it (case-sensitive), prefixed.
rtl::UnicodeString AddHyperLinkPrefix(const rtl::UnicodeString& text, const rtl::UnicodeString& prefix);

class TuiCustomHyperLinkEditProperties : public TuiCustomTextEditProperties {
    RTL_DECLARE_CLASS(TuiCustomHyperLinkEditProperties, TuiCustomTextEditProperties)
public:
    explicit TuiCustomHyperLinkEditProperties(rtl::TPersistent* owner);

    // From hyperlink properties, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    // The text with the prefix put in front where it lacks it.
    virtual rtl::UnicodeString AddPrefix(const rtl::UnicodeString& text) const;

    // True exactly when UsePrefix is not upNever; True sets upAlways, False upNever.
    bool AutoComplete() const { return FUsePrefix != upNever; }
    void SetAutoComplete(bool value) { FUsePrefix = value ? upAlways : upNever; }
    vcl::TColor LinkColor() const { return FLinkColor; }
    void SetLinkColor(vcl::TColor value) { SetAndNotify(FLinkColor, value); }
    const rtl::UnicodeString& Prefix() const { return FPrefix; }
    void SetPrefix(const rtl::UnicodeString& value) { FPrefix = value; }
    uint16_t StartKey() const { return FStartKey; }
    void SetStartKey(uint16_t value) { FStartKey = value; }
    TuiHyperLinkEditUsePrefix UsePrefix() const { return FUsePrefix; }
    void SetUsePrefix(TuiHyperLinkEditUsePrefix value) { FUsePrefix = value; }
    // Replaces the shell's opening of the link (sender: the editor).
    const rtl::TNotifyEvent& OnStartClick() const { return FOnStartClick; }
    void SetOnStartClick(rtl::TNotifyEvent handler) { FOnStartClick = std::move(handler); }

    const rtl::TMetaclass& GetContainerClass() const override;

private:
    vcl::TColor FLinkColor = vcl::clBlue;
    rtl::UnicodeString FPrefix;
    uint16_t FStartKey = 16397; // Ctrl+Enter
    TuiHyperLinkEditUsePrefix FUsePrefix = upAlways;
    rtl::TNotifyEvent FOnStartClick;
};

class TuiHyperLinkEditProperties : public TuiCustomHyperLinkEditProperties {
    RTL_DECLARE_CLASS(TuiHyperLinkEditProperties, TuiCustomHyperLinkEditProperties)
public:
    explicit TuiHyperLinkEditProperties(rtl::TPersistent* owner) : TuiCustomHyperLinkEditProperties(owner) {}
};

class TuiCustomHyperLinkEdit : public TuiCustomTextEdit {
    RTL_DECLARE_CLASS(TuiCustomHyperLinkEdit, TuiCustomTextEdit)
public:
    const rtl::TMetaclass& GetPropertiesClass() const override {
        return TuiCustomHyperLinkEditProperties::StaticClass();
    }
    // The properties in force.
    TuiCustomHyperLinkEditProperties& GetHyperLinkProperties() {
        return static_cast<TuiCustomHyperLinkEditProperties&>(GetTextProperties());
    }

    // The OnStartClick handlers (the own properties', then the repository item's) when there are any; otherwise the
    // trimmed text, prefixed unless UsePrefix is upNever, opened by the shell when not empty.
    virtual void StartLink();

    void InnerClick(bool doubleClick) override;

protected:
    TuiCustomHyperLinkEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
        : TuiCustomTextEdit(owner, propertiesClass) {}

    // The start key opens the link and is consumed.
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // With upAlways the committed text gets the prefix.
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
};

class TuiHyperLinkEdit : public TuiCustomHyperLinkEdit {
    RTL_DECLARE_CLASS(TuiHyperLinkEdit, TuiCustomHyperLinkEdit)
public:
    explicit TuiHyperLinkEdit(rtl::TComponent* owner)
        : TuiCustomHyperLinkEdit(owner, TuiHyperLinkEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiHyperLinkEditProperties::StaticClass(); }
    TuiHyperLinkEditProperties& HyperLinkEditProperties() const {
        return static_cast<TuiHyperLinkEditProperties&>(Properties());
    }
};

// The repository item of the hyperlink editor.
class TuiEditRepositoryHyperLinkItem : public TuiEditRepositoryItem {
    RTL_DECLARE_CLASS(TuiEditRepositoryHyperLinkItem, TuiEditRepositoryItem)
public:
    explicit TuiEditRepositoryHyperLinkItem(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TuiHyperLinkEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiHyperLinkEditProperties::StaticClass(); }
};

// Registers the hyperlink properties with their description and the text editor's filter helper, once however often
// it is called; the balancing finalisation removes both.
void InitializeHyperLinkEditUnit();
void FinalizeHyperLinkEditUnit();

} // namespace ui
