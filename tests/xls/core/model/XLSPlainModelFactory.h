#pragma once
// The class factory of tests (and fuzz targets) that need a workbook model and none of the facade's classes: it makes
// only what every worksheet needs, its conditional-format list, whose items the model never asks for there.

#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include <cstdint>
#include <memory>

namespace xls::model_test {

class TPlainModelFactory : public TXLSClassFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject*) override {
        return kind == xckConditionalFormats ? std::make_unique<TFormats>(this) : nullptr;
    }

private:
    class TFormats : public TXc12ConditionalFormattings {
    public:
        using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

    protected:
        std::unique_ptr<TXc12ConditionalFormatting> NewItem() override { return nullptr; }
    };
};

} // namespace xls::model_test
