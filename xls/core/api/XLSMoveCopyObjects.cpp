#include "xls/core/api/XLSMoveCopyObjects.h"

#include "rtl/Exceptions.h"
#include "xls/core/model/Xc12FactoryObjects.h"

namespace xls {

namespace {

// The model classes offer their ranges only for change; asking whether they meet a rectangle changes nothing.
bool RangesIntersect(TCellAreas& ranges, const TXLSCellAreaRec& rect) {
    return ranges.Intersects(rect.Col1, rect.Row1, rect.Col2, rect.Row2);
}

[[noreturn]] void RaiseAssignNotImplemented() {
    throw rtl::Exception(XLSAssignNotImplemented);
}

} // namespace

bool TXLSDataValidation::Intersects(const TXLSCellAreaRec& rect) const {
    return RangesIntersect(const_cast<TXLSDataValidation*>(this)->GetRanges(), rect);
}

void TXLSDataValidation::CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    GetRanges().CopyCells(rect, colOffset, rowOffset);
}

void TXLSDataValidation::DeleteCells(const TXLSCellAreaRec& rect) {
    GetRanges().DeleteCells(rect);
}

void TXLSDataValidation::ClipTo(const TXLSCellAreaRec& /*rect*/) {}

void TXLSDataValidation::Offset(int32_t colOffset, int32_t rowOffset) {
    GetRanges().Offset(colOffset, rowOffset);
}

void TXLSDataValidation::MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    GetRanges().MoveCells(rect, colOffset, rowOffset);
}

void TXLSDataValidation::Assign(const TXLSMoveCopyItem& /*source*/) {
    RaiseAssignNotImplemented();
}

bool TXLSConditionalFormat::Intersects(const TXLSCellAreaRec& rect) const {
    return RangesIntersect(const_cast<TXLSConditionalFormat*>(this)->GetRanges(), rect);
}

void TXLSConditionalFormat::CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    GetRanges().CopyCells(rect, colOffset, rowOffset);
}

void TXLSConditionalFormat::DeleteCells(const TXLSCellAreaRec& rect) {
    GetRanges().DeleteCells(rect);
}

void TXLSConditionalFormat::ClipTo(const TXLSCellAreaRec& rect) {
    static_cast<void>(GetRanges().ClipTo(rect));
}

void TXLSConditionalFormat::Offset(int32_t colOffset, int32_t rowOffset) {
    GetRanges().Offset(colOffset, rowOffset);
}

void TXLSConditionalFormat::MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    GetRanges().MoveCells(rect, colOffset, rowOffset);
}

void TXLSConditionalFormat::Assign(const TXLSMoveCopyItem& /*source*/) {
    RaiseAssignNotImplemented();
}

std::unique_ptr<TXc12ConditionalFormatting> TXLSConditionalFormats::NewItem() {
    return CreateRequiredFactoryObject<TXc12ConditionalFormatting>(GetClassFactory(), xckConditionalFormat, this);
}

} // namespace xls
