#include "xls/core/cells/XLSCellAreas.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/base/XLSReadLimits.h"

#include <algorithm>

namespace xls {

namespace {

// A rectangle in 64 bits, so that moving 32-bit bounds by 32-bit offsets cannot overflow.
struct TWideRect {
    int64_t Col1;
    int64_t Row1;
    int64_t Col2;
    int64_t Row2;
};

TWideRect Shifted(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    return {int64_t{rect.Col1} + colOffset, int64_t{rect.Row1} + rowOffset, int64_t{rect.Col2} + colOffset,
            int64_t{rect.Row2} + rowOffset};
}

// False when the rectangle lies wholly off the sheet; otherwise the part of it on the sheet.
bool ClipWideToSheet(const TWideRect& rect, TXLSCellAreaRec& result) {
    if (rect.Col1 > XLSMaxCol || rect.Row1 > XLSMaxRow || rect.Col2 < 0 || rect.Row2 < 0) {
        return false;
    }
    const auto clip = [](int64_t value, int32_t max) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, 0, max));
    };
    result = {clip(rect.Row1, XLSMaxRow), clip(rect.Row2, XLSMaxRow), clip(rect.Col1, XLSMaxCol),
              clip(rect.Col2, XLSMaxCol)};
    return true;
}

bool Within(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}

bool OnSheet(const TWideRect& rect) {
    return Within(rect.Col1, 0, XLSMaxCol) && Within(rect.Col2, 0, XLSMaxCol) && Within(rect.Row1, 0, XLSMaxRow) &&
           Within(rect.Row2, 0, XLSMaxRow);
}

bool Inside(const TXLSCellAreaRec& inner, const TXLSCellAreaRec& outer) {
    return inner.Col1 >= outer.Col1 && inner.Col2 <= outer.Col2 && inner.Row1 >= outer.Row1 && inner.Row2 <= outer.Row2;
}

// Grows low..high over first..last when they overlap or touch: downwards when last reaches into low - 1..high,
// else upwards when first reaches into low..high + 1.
bool GrowOver(int32_t first, int32_t last, int32_t& low, int32_t& high) {
    if (Within(last, int64_t{low} - 1, high)) {
        low = first;
        return true;
    }
    if (Within(first, low, int64_t{high} + 1)) {
        high = last;
        return true;
    }
    return false;
}

// The smallest rectangle that covers both.
TXLSCellAreaRec Cover(const TXLSCellAreaRec& a, const TXLSCellAreaRec& b) {
    return {std::min(a.Row1, b.Row1), std::max(a.Row2, b.Row2), std::min(a.Col1, b.Col1), std::max(a.Col2, b.Col2)};
}

[[noreturn]] void RaiseMergedCellPart() {
    throw rtl::Exception(CellAreaMessages::MergedCellPart);
}

} // namespace

// TCellArea

void TCellArea::SetArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    SetCol1(col1);
    SetRow1(row1);
    SetCol2(col2);
    SetRow2(row2);
}

void TCellArea::SetRect(const TXLSCellAreaRec& rect) {
    SetArea(rect.Col1, rect.Row1, rect.Col2, rect.Row2);
}

TXLSCellAreaRec TCellArea::GetRect() const {
    return {GetRow1(), GetRow2(), GetCol1(), GetCol2()};
}

bool TCellArea::Equals(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
    return GetCol1() == col1 && GetRow1() == row1 && GetCol2() == col2 && GetRow2() == row2;
}

bool TCellArea::ContainsStrictly(int32_t col, int32_t row) const {
    return GetCol1() < col && col < GetCol2() && GetRow1() < row && row < GetRow2();
}

bool TCellArea::InsideRect(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
    return Inside(GetRect(), {row1, row2, col1, col2});
}

void TCellAreaImpl::SetCell(int32_t col, int32_t row) {
    SetArea(col, row, col, row);
}

// TBaseCellAreas

TCellArea* TBaseCellAreas::Add() {
    std::unique_ptr<TCellArea> area = NewArea();
    TObjectList::Add(area.get());
    return area.release();
}

TCellArea* TBaseCellAreas::AddCell(int32_t col, int32_t row) {
    return AddArea(col, row, col, row);
}

TCellArea* TBaseCellAreas::AddArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    TCellArea* area = Add();
    area->SetArea(col1, row1, col2, row2);
    return area;
}

TCellArea* TBaseCellAreas::AddRect(const TXLSCellAreaRec& rect) {
    return AddArea(rect.Col1, rect.Row1, rect.Col2, rect.Row2);
}

TCellArea* TBaseCellAreas::GetItem(int32_t index) const {
    // Only areas enter the list.
    return static_cast<TCellArea*>(TObjectList::GetItem(index));
}

TCellArea* TBaseCellAreas::AddAreaText(rtl::UnicodeStringView text) {
    int32_t col1;
    int32_t row1;
    const size_t colon = text.find(u':');
    if (colon == rtl::UnicodeStringView::npos || colon == 0) {
        return ParseCellRef(text, col1, row1) ? AddCell(col1, row1) : nullptr;
    }
    int32_t col2;
    int32_t row2;
    return ParseAreaRef(text, col1, row1, col2, row2) ? AddArea(col1, row1, col2, row2) : nullptr;
}

bool TBaseCellAreas::SetFromText(rtl::UnicodeStringView text) {
    Clear();
    bool allParsed = true;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(FSeparator, start);
        if (end == rtl::UnicodeStringView::npos) {
            end = text.size();
        }
        const rtl::UnicodeStringView piece = text.substr(start, end - start);
        if (!piece.empty() && AddAreaText(piece) == nullptr) {
            allParsed = false;
        }
        start = end + 1;
    }
    return allParsed;
}

int32_t TBaseCellAreas::IndexOfArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i)->Equals(col1, row1, col2, row2)) {
            return i;
        }
    }
    return -1;
}

int32_t TBaseCellAreas::FindCell(int32_t col, int32_t row) const {
    return IndexOfIntersecting({row, row, col, col});
}

bool TBaseCellAreas::Intersects(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
    return IndexOfIntersecting({row1, row2, col1, col2}) >= 0;
}

bool TBaseCellAreas::IntersectRect(const TXLSCellAreaRec& a, const TXLSCellAreaRec& b, TXLSCellAreaRec& result) {
    result = {std::max(a.Row1, b.Row1), std::min(a.Row2, b.Row2), std::max(a.Col1, b.Col1), std::min(a.Col2, b.Col2)};
    return result.Col1 <= result.Col2 && result.Row1 <= result.Row2;
}

int32_t TBaseCellAreas::SplitAround(int32_t index, const TXLSCellAreaRec& rect, TCellAreaPieces& pieces) const {
    const TXLSCellAreaRec area = GetItem(index)->GetRect();
    TXLSCellAreaRec common;
    if (!IntersectRect(area, rect, common)) {
        pieces[0] = area;
        return 1;
    }
    int32_t count = 0;
    if (area.Row1 < rect.Row1) {
        pieces[count++] = {area.Row1, rect.Row1 - 1, area.Col1, area.Col2};
    }
    if (rect.Row2 < area.Row2) {
        pieces[count++] = {rect.Row2 + 1, area.Row2, area.Col1, area.Col2};
    }
    if (area.Col1 < rect.Col1) {
        pieces[count++] = {common.Row1, common.Row2, area.Col1, rect.Col1 - 1};
    }
    if (rect.Col2 < area.Col2) {
        pieces[count++] = {common.Row1, common.Row2, rect.Col2 + 1, area.Col2};
    }
    return count;
}

void TBaseCellAreas::CopyCells(const TXLSCellAreaRec& /*rect*/, int32_t /*colOffset*/, int32_t /*rowOffset*/) {}

std::unique_ptr<TCellArea> TBaseCellAreas::NewArea() {
    return std::make_unique<TCellAreaImpl>();
}

int32_t TBaseCellAreas::IndexOfIntersecting(const TXLSCellAreaRec& rect, int32_t start) const {
    TXLSCellAreaRec common;
    for (int32_t i = start; i < Count(); ++i) {
        if (IntersectRect(GetItem(i)->GetRect(), rect, common)) {
            return i;
        }
    }
    return -1;
}

// TCellAreas

void TCellAreas::DeleteCells(const TXLSCellAreaRec& rect) {
    CutOut(rect);
}

void TCellAreas::CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    // The parts are taken before any is placed, so that placing one cannot change what the others copy.
    std::vector<TXLSCellAreaRec> parts;
    TXLSCellAreaRec common;
    for (int32_t i = 0; i < Count(); ++i) {
        if (IntersectRect(GetItem(i)->GetRect(), rect, common)) {
            parts.push_back(common);
        }
    }
    for (const TXLSCellAreaRec& part : parts) {
        PlaceCopy(part, colOffset, rowOffset);
    }
}

void TCellAreas::MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    // Every part is lifted before any is placed: placing one clears its place, which must not take cells that are
    // still waiting to move.
    for (const TXLSCellAreaRec& part : CutOut(rect)) {
        PlaceCopy(part, colOffset, rowOffset);
    }
}

void TCellAreas::Offset(int32_t colOffset, int32_t rowOffset) {
    for (int32_t i = Count() - 1; i >= 0; --i) {
        TXLSCellAreaRec moved;
        if (ClipWideToSheet(Shifted(GetItem(i)->GetRect(), colOffset, rowOffset), moved)) {
            GetItem(i)->SetRect(moved);
        } else {
            Delete(i);
        }
    }
}

TCellArea* TCellAreas::ClipTo(const TXLSCellAreaRec& rect) {
    for (int32_t i = Count() - 1; i >= 0; --i) {
        TXLSCellAreaRec common;
        if (IntersectRect(GetItem(i)->GetRect(), rect, common)) {
            GetItem(i)->SetRect(common);
        } else {
            Delete(i);
        }
    }
    return GetLast();
}

TCellArea* TCellAreas::GetLast() const {
    return Count() > 0 ? GetItem(Count() - 1) : nullptr;
}

bool TCellAreas::ExtendOrContains(const TXLSCellAreaRec& rect) {
    for (int32_t i = 0; i < Count(); ++i) {
        TCellArea* area = GetItem(i);
        TXLSCellAreaRec bounds = area->GetRect();
        if (Inside(rect, bounds)) {
            return true;
        }
        const bool sameCols = rect.Col1 == bounds.Col1 && rect.Col2 == bounds.Col2;
        const bool sameRows = rect.Row1 == bounds.Row1 && rect.Row2 == bounds.Row2;
        if ((sameCols && GrowOver(rect.Row1, rect.Row2, bounds.Row1, bounds.Row2)) ||
            (sameRows && GrowOver(rect.Col1, rect.Col2, bounds.Col1, bounds.Col2))) {
            area->SetRect(bounds);
            return true;
        }
    }
    return false;
}

bool TCellAreas::ClipToSheet(TXLSCellAreaRec& rect) {
    return ClipWideToSheet(Shifted(rect, 0, 0), rect);
}

std::vector<TXLSCellAreaRec> TCellAreas::CutOut(const TXLSCellAreaRec& rect) {
    std::vector<TXLSCellAreaRec> parts;
    // The pieces go to the end and are not visited again.
    int32_t count = Count();
    for (int32_t i = 0; i < count;) {
        TXLSCellAreaRec common;
        if (!IntersectRect(GetItem(i)->GetRect(), rect, common)) {
            ++i;
            continue;
        }
        TCellAreaPieces pieces;
        const int32_t pieceCount = SplitAround(i, rect, pieces);
        for (int32_t k = 0; k < pieceCount; ++k) {
            AddRect(pieces[static_cast<size_t>(k)]);
        }
        Delete(i);
        --count;
        parts.push_back(common);
    }
    return parts;
}

void TCellAreas::PlaceCopy(const TXLSCellAreaRec& part, int32_t colOffset, int32_t rowOffset) {
    TXLSCellAreaRec moved;
    if (!ClipWideToSheet(Shifted(part, colOffset, rowOffset), moved) || ExtendOrContains(moved)) {
        return;
    }
    DeleteCells(moved);
    AddRect(moved);
}

// TSolidCellAreas

TCellArea* TSolidCellAreas::AddMerge(const TXLSCellAreaRec& rect) {
    // The cover grows with every area it absorbs and may so reach further areas; merged areas must never overlap.
    TXLSCellAreaRec cover = rect;
    for (int32_t i = IndexOfIntersecting(cover); i >= 0; i = IndexOfIntersecting(cover)) {
        cover = Cover(cover, GetItem(i)->GetRect());
        Delete(i);
    }
    return AddRect(cover);
}

void TSolidCellAreas::DeleteCells(const TXLSCellAreaRec& rect) {
    struct TCut {
        int32_t Index;
        int32_t PieceCount;
        TXLSCellAreaRec Piece;
    };
    // Every cut is checked before any is made, so that a refused deletion changes nothing.
    std::vector<TCut> cuts;
    for (int32_t i = IndexOfIntersecting(rect); i >= 0; i = IndexOfIntersecting(rect, i + 1)) {
        TCellAreaPieces pieces;
        const int32_t pieceCount = SplitAround(i, rect, pieces);
        if (pieceCount > 1) {
            RaiseMergedCellPart();
        }
        cuts.push_back({i, pieceCount, pieces[0]});
    }
    for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
        if (cut->PieceCount == 0) {
            Delete(cut->Index);
        } else {
            GetItem(cut->Index)->SetRect(cut->Piece);
        }
    }
}

void TSolidCellAreas::CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    if (colOffset == 0 && rowOffset == 0) {
        return;
    }
    FCopyStopped = false;
    std::vector<TXLSCellAreaRec> copies;
    for (int32_t i = 0; i < Count(); ++i) {
        const TXLSCellAreaRec area = GetItem(i)->GetRect();
        const TWideRect moved = Shifted(area, colOffset, rowOffset);
        TXLSCellAreaRec copy;
        // Clipping changes nothing of a rectangle that lies on the sheet; it only narrows it to 32 bits.
        if (Inside(area, rect) && OnSheet(moved) && ClipWideToSheet(moved, copy)) {
            copies.push_back(copy);
        }
    }
    for (const TXLSCellAreaRec& copy : copies) {
        if (IndexOfIntersecting(copy) >= 0) {
            FCopyStopped = true;
            return;
        }
    }
    for (const TXLSCellAreaRec& copy : copies) {
        AddRect(copy);
    }
}

void TSolidCellAreas::MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) {
    for (int32_t i = 0; i < Count(); ++i) {
        const TCellArea* area = GetItem(i);
        if (area->ContainsStrictly(rect.Col1, rect.Row1) || area->ContainsStrictly(rect.Col2, rect.Row1) ||
            area->ContainsStrictly(rect.Col1, rect.Row2) || area->ContainsStrictly(rect.Col2, rect.Row2)) {
            RaiseMergedCellPart();
        }
    }
    // An edge moves when it lies in the band; a last edge also when it stands where the band's first edge moves to.
    const auto moveFirst = [](int32_t edge, int32_t low, int32_t high, int32_t offset) {
        return Within(edge, low, high) ? int64_t{edge} + offset : int64_t{edge};
    };
    const auto moveLast = [](int32_t edge, int32_t low, int32_t high, int32_t offset) {
        const bool moves = Within(edge, low, high) || (edge == int64_t{low} + offset && edge <= high);
        return moves ? int64_t{edge} + offset : int64_t{edge};
    };
    for (int32_t i = Count() - 1; i >= 0; --i) {
        const TXLSCellAreaRec area = GetItem(i)->GetRect();
        const TWideRect moved = {moveFirst(area.Col1, rect.Col1, rect.Col2, colOffset),
                                 moveFirst(area.Row1, rect.Row1, rect.Row2, rowOffset),
                                 moveLast(area.Col2, rect.Col1, rect.Col2, colOffset),
                                 moveLast(area.Row2, rect.Row1, rect.Row2, rowOffset)};
        TXLSCellAreaRec clipped;
        if (moved.Col2 < moved.Col1 || moved.Row2 < moved.Row1 || !ClipWideToSheet(moved, clipped)) {
            Delete(i);
        } else {
            GetItem(i)->SetRect(clipped);
        }
    }
}

void TSolidCellAreas::Offset(int32_t /*colOffset*/, int32_t /*rowOffset*/) {
    throw rtl::Exception(CellAreaMessages::SolidMoveNotImplemented);
}

// TCellRef, TCellRefs

void TCellRef::Clear() {
    FCol = 0;
    FRow = 0;
}

bool TCellRef::SetFromText(rtl::UnicodeStringView text) {
    return ParseCellRef(text, FCol, FRow);
}

TCellRef* TCellRefs::AddText(rtl::UnicodeStringView text) {
    auto cell = std::make_unique<TCellRef>();
    if (!cell->SetFromText(text)) {
        return nullptr;
    }
    Add(cell.get());
    return cell.release();
}

TCellRef* TCellRefs::GetItem(int32_t index) const {
    // Only cell positions enter the list.
    return static_cast<TCellRef*>(TObjectList::GetItem(index));
}

TXLSMoveCopyItem* TXLSMoveCopyList::GetItem(int32_t index) const {
    // Only move-copy items enter the list.
    return static_cast<TXLSMoveCopyItem*>(TObjectList::GetItem(index));
}

} // namespace xls
