#pragma once
// The records of a sales list: one record per product line, one item per column of the main window's grid. The
// import writes them and the export reads them back, both through a data controller; the item indexes and value
// types below are the grid's columns in item order.

#include "ui/data/controller/uiDataController.h"
#include "ui/data/values/uiValueType.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace app {

// The items of a record. Sheet column c of a sales list (column A = 0) goes to item c + 1.
enum TInvoiceItem : int32_t {
    iiLineNumber = 0,          // the sheet row the line came from
    iiProductName = 1,         // A
    iiModel = 2,               // B
    iiUnit = 3,                // C
    iiQuantity = 4,            // D
    iiUnitPrice = 5,           // E
    iiAmount = 6,              // F
    iiTaxRate = 7,             // G, a fraction such as 0.13
    iiTaxCode = 8,             // H, the tax classification code
    iiOwnProductCode = 9,      // I
    iiPreferentialPolicy = 10, // J
    iiZeroRateFlag = 11,       // K
    iiPolicyDescription = 12,  // L
    iiDeduction = 13,          // M
};
inline constexpr int32_t InvoiceItemCount = 14;

// The value type of an item: Integer for the line number, Currency for the amount, Float for the deduction and
// String (ANSI text) for all others.
ui::TuiValueTypeClass InvoiceItemValueType(int32_t item);

// The captions of the unit-price and amount columns, which say whether the amounts include tax.
struct TAmountCaptions {
    const char16_t* UnitPrice;
    const char16_t* Amount;
};
TAmountCaptions AmountCaptions(bool amountsIncludeTax);

// Whether the record has a product name that is not blank: the first record without one ends a sales list.
bool HasProductName(ui::TuiCustomDataController& records, int32_t record);

// An unbound data controller that owns the fourteen items of a sales list, for use without a grid: a grid's view
// brings its own controller, whose items it types with InvoiceItemValueType.
class TInvoiceDataController : public ui::TuiDataController {
public:
    explicit TInvoiceDataController(rtl::TComponent* owner = nullptr);
    ~TInvoiceDataController() override;

    rtl::TObject* GetItem(int32_t index) const override;

private:
    std::vector<std::unique_ptr<rtl::TObject>> FItems;
};

} // namespace app
