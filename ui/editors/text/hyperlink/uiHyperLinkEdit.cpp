#include "ui/editors/text/hyperlink/uiHyperLinkEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "vcl/menus/Menus.h"
#include "vcl/services/ShellLauncher.h"

namespace ui {

namespace {

int32_t& HyperLinkEditUnitStarts() {
    static int32_t starts = 0;
    return starts;
}

} // namespace

rtl::UnicodeString AddHyperLinkPrefix(const rtl::UnicodeString& text, const rtl::UnicodeString& prefix) {
    const rtl::UnicodeString link = rtl::Trim(text);
    if (prefix.empty() || link.empty() || link.starts_with(prefix)) {
        return link;
    }
    return rtl::Trim(prefix + link);
}

TuiCustomHyperLinkEditProperties::TuiCustomHyperLinkEditProperties(rtl::TPersistent* owner)
    : TuiCustomTextEditProperties(owner), FPrefix(LoadResStringText(suiSHyperLinkPrefix)) {
    BeginUpdate();
    SetAutoSelect(false);
    SetValidateOnEnter(false);
    EndUpdate(false);
}

void TuiCustomHyperLinkEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* link = dynamic_cast<const TuiCustomHyperLinkEditProperties*>(source);
    if (link == nullptr) {
        TuiCustomTextEditProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomTextEditProperties::Assign(source);
        SetLinkColor(link->FLinkColor);
        FPrefix = link->FPrefix;
        FStartKey = link->FStartKey;
        FUsePrefix = link->FUsePrefix;
        FOnStartClick = link->FOnStartClick;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

rtl::UnicodeString TuiCustomHyperLinkEditProperties::AddPrefix(const rtl::UnicodeString& text) const {
    return AddHyperLinkPrefix(text, FPrefix);
}

const rtl::TMetaclass& TuiCustomHyperLinkEditProperties::GetContainerClass() const {
    return TuiHyperLinkEdit::StaticClass();
}

void TuiCustomHyperLinkEdit::StartLink() {
    const auto& own = static_cast<const TuiCustomHyperLinkEditProperties&>(GetOwnTextProperties()).OnStartClick();
    const rtl::TNotifyEvent* item = nullptr;
    if (RepositoryItem() != nullptr) {
        item = &GetHyperLinkProperties().OnStartClick();
    }
    if (own || (item != nullptr && *item)) {
        if (own) {
            own(this);
        }
        if (item != nullptr && *item) {
            (*item)(this);
        }
        return;
    }
    TuiCustomHyperLinkEditProperties& properties = GetHyperLinkProperties();
    rtl::UnicodeString link = rtl::Trim(GetDisplayText());
    if (properties.UsePrefix() != upNever) {
        link = properties.AddPrefix(link);
    }
    if (link.empty()) {
        return;
    }
    vcl::TShellLaunch launch;
    launch.Operation = u"OPEN";
    launch.File = link;
    launch.ShowCommand = SW_SHOWMAXIMIZED;
    vcl::ShellLauncher().Launch(launch);
}

void TuiCustomHyperLinkEdit::InnerClick(bool doubleClick) {
    TuiCustomTextEdit::InnerClick(doubleClick);
    if (doubleClick) {
        StartLink();
    }
}

void TuiCustomHyperLinkEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key != 0 && vcl::ShortCut(key, shift) == GetHyperLinkProperties().StartKey()) {
        StartLink();
        key = 0;
        return;
    }
    TuiCustomTextEdit::DoEditKeyDown(key, shift);
}

void TuiCustomHyperLinkEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText,
                                                  bool& error) {
    TuiCustomHyperLinkEditProperties& properties = GetHyperLinkProperties();
    if (properties.UsePrefix() == upAlways) {
        displayValue = rtl::Variant(properties.AddPrefix(rtl::VarToStr(displayValue)));
    }
    TuiCustomTextEdit::ValidateDisplayValue(displayValue, errorText, error);
}

void InitializeHyperLinkEditUnit() {
    if (HyperLinkEditUnitStarts()++ != 0) {
        return;
    }
    GetEditPropertiesRegistry().Register(&TuiHyperLinkEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryHyperLinkItem));
    GetFilterEditsController().RegisterHelper(TuiHyperLinkEditProperties::StaticClass(),
                                              TuiFilterTextEditHelper::Instance());
}

void FinalizeHyperLinkEditUnit() {
    if (HyperLinkEditUnitStarts() == 0 || --HyperLinkEditUnitStarts() != 0) {
        return;
    }
    UnregisterFilterEditHelper(TuiHyperLinkEditProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiHyperLinkEditProperties::StaticClass());
}

} // namespace ui
