#pragma once
// The tab control's messages, one TuxResourceString per text, named as uiPCStrings.inc names them, and the one way the
// tab control's classes raise them: an EuxException whose text names the class and the operation that failed
// ("TuiTabs.GetTab: Tab's index (5) out of bounds"). The tab control unit lists the strings in the resource-string
// repository under uiPCStrsProductKey while it runs.

#include "rtl/text/Format.h"
#include "ui/core/system/uxResourceStrings.h"

#include <initializer_list>

namespace ui {

inline constexpr char16_t uiPCStrsProductKey[] = u"Tallyvane Page Control";

#define UI_PC_STR(name, id, text) extern const TuxResourceString name;
#include "ui/pagecontrol/tabs/uiPCStrings.inc"
#undef UI_PC_STR

void RegisterPCStrs();
void UnregisterPCStrs();

// Raises EuxException "className.method: " followed by the message formatted with args.
[[noreturn]] void RaisePCError(rtl::UnicodeStringView className, rtl::UnicodeStringView method,
                               const TuxResourceString& message, std::initializer_list<rtl::TFormatArg> args = {});

} // namespace ui
