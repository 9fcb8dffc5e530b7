#pragma once
// A workbook model for the readers' tests: a class factory that makes only what every worksheet needs, and a model
// that keeps the warnings reported while it is filled.

#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include <memory>
#include <vector>

namespace xls::test_model {

// Makes only what every worksheet needs: its conditional-format list.
class TReaderTestFactory : public TXLSClassFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject*) override {
        if (kind == xckConditionalFormats) {
            return std::make_unique<TFormats>(this);
        }
        return nullptr;
    }

private:
    class TFormats : public TXc12ConditionalFormattings {
    public:
        using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

    protected:
        std::unique_ptr<TXc12ConditionalFormatting> NewItem() override { return nullptr; }
    };
};

// A workbook model whose error manager lists every message.
struct TTestModel {
    TXLSErrorManager Errors;
    TReaderTestFactory Factory;
    TXc12Manager Manager{&Factory, &Errors};

    TTestModel() {
        Manager.CreateParts();
        Errors.SetSaveToList(true);
    }

    TXc12DataWorksheet& Sheet(int32_t index) const { return *Manager.Worksheets().GetItem(index); }

    std::vector<int32_t> WarningNumbers() const {
        std::vector<int32_t> numbers;
        for (const TXLSErrorMessage& message : Errors.Messages()) {
            numbers.push_back(message.Number);
        }
        return numbers;
    }
};

} // namespace xls::test_model
