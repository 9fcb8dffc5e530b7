#include "ui/editors/mask/regexpr/uiRegExprErrors.h"

#include "rtl/text/Format.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

namespace ui {

rtl::UnicodeString TuiRegExprError::FullText() const {
    if (Line <= 0) {
        return Message;
    }
    rtl::UnicodeString text = rtl::Format(u"%s%d", {LoadResStringText(suiRegExprLine), Line});
    if (Column > 0) {
        text += rtl::Format(u", %s%d", {LoadResStringText(suiRegExprChar), Column});
    }
    return text + u": " + Message;
}

void TuiRegExprErrors::Add(rtl::UnicodeString message, int32_t line, int32_t column) {
    FErrors.push_back({column, line, std::move(message)});
}

EuiRegExprError::~EuiRegExprError() = default;

} // namespace ui
