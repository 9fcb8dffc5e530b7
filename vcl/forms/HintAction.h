#pragma once
// THintAction: the action that carries the application's current hint text to a control that shows hints (a status
// bar), which handles it in its ExecuteAction.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

namespace vcl {

class THintAction : public rtl::TObject {
public:
    explicit THintAction(rtl::UnicodeStringView hint) : FHint(hint) {}
    const rtl::UnicodeString& Hint() const { return FHint; }

private:
    rtl::UnicodeString FHint;
};

} // namespace vcl
