#include "app/invoice/InvoiceRecords.h"

#include "app/invoice/InvoiceTexts.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

namespace app {

ui::TuiValueTypeClass InvoiceItemValueType(int32_t item) {
    switch (item) {
    case iiLineNumber:
        return &ui::TuiIntegerValueType::Instance();
    case iiAmount:
        return &ui::TuiCurrencyValueType::Instance();
    case iiDeduction:
        return &ui::TuiFloatValueType::Instance();
    default:
        return &ui::TuiStringValueType::Instance();
    }
}

TAmountCaptions AmountCaptions(bool amountsIncludeTax) {
    if (amountsIncludeTax) {
        return {InvoiceTexts::PriceCaptionWithTax, InvoiceTexts::AmountCaptionWithTax};
    }
    return {InvoiceTexts::PriceCaptionWithoutTax, InvoiceTexts::AmountCaptionWithoutTax};
}

bool HasProductName(ui::TuiCustomDataController& records, int32_t record) {
    const rtl::Variant name = records.GetValue(record, iiProductName);
    return !name.IsNull() && !rtl::Trim(rtl::VarToStr(name)).empty();
}

TInvoiceDataController::TInvoiceDataController(rtl::TComponent* owner) : ui::TuiDataController(owner) {
    for (int32_t item = 0; item < InvoiceItemCount; ++item) {
        FItems.push_back(std::make_unique<rtl::TObject>());
        AddItem(FItems.back().get());
        ChangeValueTypeClass(item, InvoiceItemValueType(item));
    }
}

TInvoiceDataController::~TInvoiceDataController() = default;

rtl::TObject* TInvoiceDataController::GetItem(int32_t index) const {
    return FItems.at(static_cast<size_t>(index)).get();
}

} // namespace app
