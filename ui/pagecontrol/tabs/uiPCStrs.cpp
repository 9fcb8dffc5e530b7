#include "ui/pagecontrol/tabs/uiPCStrs.h"

#include "ui/core/objects/uxException.h"

namespace ui {

#define UI_PC_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/pagecontrol/tabs/uiPCStrings.inc"
#undef UI_PC_STR

namespace {

void AddPCStrs(TuxProductResourceStrings& product) {
#define UI_PC_STR(name, id, text) product.AddResString(name);
#include "ui/pagecontrol/tabs/uiPCStrings.inc"
#undef UI_PC_STR
}

} // namespace

void RegisterPCStrs() {
    GetResourceStringsRepository().RegisterProduct(uiPCStrsProductKey, AddPCStrs);
}

void UnregisterPCStrs() {
    GetResourceStringsRepository().UnregisterProduct(uiPCStrsProductKey);
}

void RaisePCError(rtl::UnicodeStringView className, rtl::UnicodeStringView method, const TuxResourceString& message,
                  std::initializer_list<rtl::TFormatArg> args) {
    rtl::UnicodeString text(className);
    text += u'.';
    text += method;
    text += u": ";
    text += rtl::Format(LoadResStringText(message), args);
    throw EuxException(std::move(text));
}

} // namespace ui
