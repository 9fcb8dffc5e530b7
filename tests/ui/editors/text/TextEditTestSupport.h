#pragma once
// What the text editor tests share: text properties in a chosen editing style, with or without a value range, as
// the list and numeric editors are.

#include "ui/editors/text/textedit/uiTextEditProperties.h"

namespace ui_test {

class TStyledTextProperties : public ui::TuiCustomTextEditProperties {
public:
    explicit TStyledTextProperties(ui::TuiTextEditingStyle style = ui::tesFree, bool supportsRange = false)
        : TuiCustomTextEditProperties(nullptr), FStyle(style), FSupportsRange(supportsRange) {}

    ui::TuiTextEditingStyle GetEditingStyle() const override { return FStyle; }
    bool SupportsRange() const override { return FSupportsRange; }

private:
    ui::TuiTextEditingStyle FStyle;
    bool FSupportsRange;
};

} // namespace ui_test
