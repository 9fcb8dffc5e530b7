#include "ui/core/system/uxResourceStrings.h"

namespace ui {

rtl::UnicodeString LoadResStringText(const TuxResourceString& record) {
    return record.Text;
}

} // namespace ui
