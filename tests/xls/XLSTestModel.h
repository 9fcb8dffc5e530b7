#pragma once
// A workbook model for the readers' tests, made by the plain model factory, that keeps the warnings reported while it
// is filled.

#include "tests/xls/core/model/XLSPlainModelFactory.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <vector>

namespace xls::test_model {

// A workbook model whose error manager lists every message.
struct TTestModel {
    TXLSErrorManager Errors;
    model_test::TPlainModelFactory Factory;
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
