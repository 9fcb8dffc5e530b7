#pragma once
// The class factory of tests (and fuzz targets) that need a workbook model and none of the facade's classes: it makes
// the conditional formats and data validations every worksheet can hold, as items that stay where they are when cells
// move (no test of these users moves cells), and leaves every other kind to the model's own classes.

#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include <cstdint>
#include <memory>

namespace xls::model_test {

class TPlainModelFactory : public TXLSClassFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject*) override {
        switch (kind) {
        case xckConditionalFormats:
            return std::make_unique<TFormats>(this);
        case xckConditionalFormat:
            return std::make_unique<TFixedItem<TXc12ConditionalFormatting>>();
        case xckDataValidations:
            return std::make_unique<TXc12DataValidations>(this);
        case xckDataValidation:
            return std::make_unique<TFixedItem<TXc12DataValidation>>();
        default:
            return nullptr;
        }
    }

private:
    template <class TItem>
    class TFixedItem : public TItem {
    public:
        bool Intersects(const TXLSCellAreaRec& /*rect*/) const override { return false; }
        void CopyCells(const TXLSCellAreaRec& /*rect*/, int32_t /*colOffset*/, int32_t /*rowOffset*/) override {}
        void DeleteCells(const TXLSCellAreaRec& /*rect*/) override {}
        void ClipTo(const TXLSCellAreaRec& /*rect*/) override {}
        void Offset(int32_t /*colOffset*/, int32_t /*rowOffset*/) override {}
        void MoveCells(const TXLSCellAreaRec& /*rect*/, int32_t /*colOffset*/, int32_t /*rowOffset*/) override {}
        void Assign(const TXLSMoveCopyItem& /*source*/) override {}
    };

    class TFormats : public TXc12ConditionalFormattings {
    public:
        using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

    protected:
        std::unique_ptr<TXc12ConditionalFormatting> NewItem() override {
            return std::make_unique<TFixedItem<TXc12ConditionalFormatting>>();
        }
    };
};

} // namespace xls::model_test
