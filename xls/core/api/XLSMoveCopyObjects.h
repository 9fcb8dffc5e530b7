#pragma once
// The facade's conditional formats and data validations: the model keeps them in lists that the class factory fills
// with these subclasses, which make the items follow their cell areas when cells are copied, moved or deleted.

#include "xls/core/model/Xc12DataWorksheet5CondFmts.h"

#include <memory>

namespace xls {

// The text every move-copy item raises from Assign.
inline constexpr char16_t XLSAssignNotImplemented[] = u"Assign not implemented";

// A data validation whose ranges follow the cells.
class TXLSDataValidation : public TXc12DataValidation {
public:
    bool Intersects(const TXLSCellAreaRec& rect) const override;
    void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    void DeleteCells(const TXLSCellAreaRec& rect) override;
    // A validation is never clipped: it keeps its ranges.
    void ClipTo(const TXLSCellAreaRec& rect) override;
    void Offset(int32_t colOffset, int32_t rowOffset) override;
    void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // Raises XLSAssignNotImplemented.
    void Assign(const TXLSMoveCopyItem& source) override;
};

// The data validations of a sheet as the class factory makes them.
class TXLSDataValidations : public TXc12DataValidations {
public:
    using TXc12DataValidations::TXc12DataValidations;
};

// A conditional format whose ranges follow the cells.
class TXLSConditionalFormat : public TXc12ConditionalFormatting {
public:
    bool Intersects(const TXLSCellAreaRec& rect) const override;
    void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    void DeleteCells(const TXLSCellAreaRec& rect) override;
    void ClipTo(const TXLSCellAreaRec& rect) override;
    void Offset(int32_t colOffset, int32_t rowOffset) override;
    void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // Raises XLSAssignNotImplemented.
    void Assign(const TXLSMoveCopyItem& source) override;
};

// The conditional formats of a sheet; its items come from the class factory.
class TXLSConditionalFormats : public TXc12ConditionalFormattings {
public:
    using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

protected:
    // The factory's conditional format; a factory that makes none raises EInvalidCast.
    std::unique_ptr<TXc12ConditionalFormatting> NewItem() override;
};

} // namespace xls
