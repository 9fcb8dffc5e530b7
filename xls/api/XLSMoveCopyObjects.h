#pragma once
// The facade's conditional formats and data validations: the model keeps them in lists that the class factory fills
// with these subclasses, which make the items follow their cell areas when cells are copied, moved or deleted.

#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include <memory>

namespace xls {

// The text every move-copy item raises from Assign.
inline constexpr char16_t XLSAssignNotImplemented[] = u"Assign not implemented";

[[noreturn]] void RaiseAssignNotImplemented();

// The move-copy operations of a model item whose ranges (GetRanges) follow the cells.
template <class TItem>
class TXLSRangesFollowCells : public TItem {
public:
    bool Intersects(const TXLSCellAreaRec& rect) const override {
        return this->GetRanges().Intersects(rect.Col1, rect.Row1, rect.Col2, rect.Row2);
    }
    void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override {
        this->GetRanges().CopyCells(rect, colOffset, rowOffset);
    }
    void DeleteCells(const TXLSCellAreaRec& rect) override { this->GetRanges().DeleteCells(rect); }
    void ClipTo(const TXLSCellAreaRec& rect) override { static_cast<void>(this->GetRanges().ClipTo(rect)); }
    void Offset(int32_t colOffset, int32_t rowOffset) override { this->GetRanges().Offset(colOffset, rowOffset); }
    void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override {
        this->GetRanges().MoveCells(rect, colOffset, rowOffset);
    }
    // Raises XLSAssignNotImplemented.
    void Assign(const TXLSMoveCopyItem& /*source*/) override { RaiseAssignNotImplemented(); }
};

// A data validation whose ranges follow the cells.
class TXLSDataValidation : public TXLSRangesFollowCells<TXc12DataValidation> {
public:
    // A validation is never clipped: it keeps its ranges.
    void ClipTo(const TXLSCellAreaRec& /*rect*/) override {}
};

// The data validations of a sheet as the class factory makes them.
class TXLSDataValidations : public TXc12DataValidations {
public:
    using TXc12DataValidations::TXc12DataValidations;
};

// A conditional format whose ranges follow the cells.
class TXLSConditionalFormat : public TXLSRangesFollowCells<TXc12ConditionalFormatting> {};

// The conditional formats of a sheet; its items come from the class factory.
class TXLSConditionalFormats : public TXc12ConditionalFormattings {
public:
    using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

protected:
    // The factory's conditional format; a factory that makes none raises EInvalidCast.
    std::unique_ptr<TXc12ConditionalFormatting> NewItem() override;
};

} // namespace xls
