#include "ui/editors/text/memo/uiMemoProperties.h"

#include "ui/editors/text/memo/uiMemoViewData.h"

#include <algorithm>

namespace ui {

TuiCustomMemoProperties::TuiCustomMemoProperties(rtl::TPersistent* owner) : TuiCustomTextEditProperties(owner) {
    GetAlignment().SetVert(taTopJustify);
    SetAutoSelect(false);
}

void TuiCustomMemoProperties::Assign(const rtl::TPersistent* source) {
    const auto* memo = dynamic_cast<const TuiCustomMemoProperties*>(source);
    if (memo == nullptr) {
        return TuiCustomTextEditProperties::Assign(source);
    }
    BeginUpdate();
    try {
        TuiCustomTextEditProperties::Assign(source);
        SetScrollBars(memo->ScrollBars());
        SetVisibleLineCount(memo->VisibleLineCount());
        SetWantReturns(memo->WantReturns());
        SetWantTabs(memo->WantTabs());
        SetWordWrap(memo->WordWrap());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomMemoProperties::SetVisibleLineCount(int32_t value) {
    SetAndNotify(FVisibleLineCount, std::max(value, 0));
}

bool TuiCustomMemoProperties::WrapsLines() const {
    return FWordWrap && FScrollBars != vcl::ssHorizontal && FScrollBars != vcl::ssBoth;
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomMemoProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                               bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiCustomMemoViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

bool TuiCustomMemoProperties::CanShowDataDisplayText(bool) {
    IuiEditDefaultValuesProvider* provider = DefaultValuesProvider();
    return provider == nullptr || !provider->IsBlob();
}

rtl::UnicodeString TuiCustomMemoProperties::GetDisplayText(const rtl::Variant& editValue, bool fullText,
                                                           bool isInplace) {
    rtl::UnicodeString text = TuiCustomTextEditProperties::GetDisplayText(editValue, fullText, isInplace);
    if (!fullText) {
        text.resize(std::min({text.find_first_of(u"\r\n"), MemoShortDisplayTextLength, text.size()}));
    }
    return text;
}

} // namespace ui
