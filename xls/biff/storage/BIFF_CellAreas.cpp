#include "xls/biff/storage/BIFF_CellAreas.h"

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <algorithm>
#include <array>

namespace xls {

namespace {

// An area's cells within the block, or false when they have none in common.
bool IntersectArea(const TCellArea97& area, int32_t col1, int32_t row1, int32_t col2, int32_t row2,
                   TCellArea97& result) {
    if (!area.Intersects(col1, row1, col2, row2)) {
        return false;
    }
    result = area;
    result.Col1 = std::max(area.Col1, col1);
    result.Row1 = std::max(area.Row1, row1);
    result.Col2 = std::min(area.Col2, col2);
    result.Row2 = std::min(area.Row2, row2);
    return true;
}

// The parts of an area outside the block it intersects: above, below, then left and right within the block's rows.
std::vector<TCellArea97> PiecesOutside(const TCellArea97& area, int32_t col1, int32_t row1, int32_t col2,
                                       int32_t row2) {
    const int32_t bandRow1 = std::max(area.Row1, row1);
    const int32_t bandRow2 = std::min(area.Row2, row2);
    const std::array<TCellArea97, 4> candidates = {{
        {area.Number, area.Col1, area.Row1, area.Col2, row1 - 1},
        {area.Number, area.Col1, row2 + 1, area.Col2, area.Row2},
        {area.Number, area.Col1, bandRow1, col1 - 1, bandRow2},
        {area.Number, col2 + 1, bandRow1, area.Col2, bandRow2},
    }};
    std::vector<TCellArea97> pieces;
    for (const TCellArea97& piece : candidates) {
        if (piece.Col1 <= piece.Col2 && piece.Row1 <= piece.Row2) {
            pieces.push_back(piece);
        }
    }
    return pieces;
}

// The areas after the block's cells are deleted: an area the block cuts becomes its pieces outside it. Solid areas
// must not become more than one piece.
std::vector<TCellArea97> AreasAfterDeleting(const std::vector<TCellArea97>& areas, int32_t col1, int32_t row1,
                                            int32_t col2, int32_t row2, bool solid) {
    std::vector<TCellArea97> result;
    for (const TCellArea97& area : areas) {
        if (!area.Intersects(col1, row1, col2, row2)) {
            result.push_back(area);
            continue;
        }
        const std::vector<TCellArea97> pieces = PiecesOutside(area, col1, row1, col2, row2);
        if (solid && pieces.size() > 1) {
            throw EBIFFError(BIFFMessages::MergedCellPart);
        }
        result.insert(result.end(), pieces.begin(), pieces.end());
    }
    return result;
}

bool ClipToSheet(TCellArea97& area) {
    return ClipAreaToBIFF(area.Col1, area.Row1, area.Col2, area.Row2) && area.Col1 <= area.Col2 &&
           area.Row1 <= area.Row2;
}

void MoveArea(TCellArea97& area, int32_t dCol, int32_t dRow) {
    area.Col1 += dCol;
    area.Col2 += dCol;
    area.Row1 += dRow;
    area.Row2 += dRow;
}

// Whether the rows (or columns) otherFirst..otherLast overlap or adjoin first..last.
bool Touches(int32_t first, int32_t last, int32_t otherFirst, int32_t otherLast) {
    return otherFirst <= last + 1 && first <= otherLast + 1;
}

bool StrictlyInside(const TCellArea97& area, int32_t col, int32_t row) {
    return area.Col1 < col && col < area.Col2 && area.Row1 < row && row < area.Row2;
}

} // namespace

TCellArea97& TBaseCellAreas97::Add(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    return FAreas.emplace_back(TCellArea97{FNextNumber++, col1, row1, col2, row2});
}

const TCellArea97& TBaseCellAreas97::Get(int32_t index) const {
    CheckListIndex(index, Count());
    return FAreas[index];
}

void TBaseCellAreas97::Delete(int32_t index) {
    Get(index);
    FAreas.erase(FAreas.begin() + index);
}

void TBaseCellAreas97::CopyCells(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void TCellAreas97::CopyCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) {
    const int32_t dCol = destCol - col1;
    const int32_t dRow = destRow - row1;
    std::vector<TCellArea97> pieces;
    for (const TCellArea97& area : Areas()) {
        TCellArea97 piece;
        if (IntersectArea(area, col1, row1, col2, row2, piece)) {
            MoveArea(piece, dCol, dRow);
            if (ClipToSheet(piece)) {
                pieces.push_back(piece);
            }
        }
    }
    DeleteCells(destCol, destRow, col2 + dCol, row2 + dRow);
    for (const TCellArea97& piece : pieces) {
        AddJoined(piece);
    }
}

void TCellAreas97::AddJoined(const TCellArea97& piece) {
    for (TCellArea97& area : Areas()) {
        if (area.Contains(piece.Col1, piece.Row1, piece.Col2, piece.Row2)) {
            return;
        }
        if (area.Col1 == piece.Col1 && area.Col2 == piece.Col2 &&
            Touches(area.Row1, area.Row2, piece.Row1, piece.Row2)) {
            area.Row1 = std::min(area.Row1, piece.Row1);
            area.Row2 = std::max(area.Row2, piece.Row2);
            return;
        }
        if (area.Row1 == piece.Row1 && area.Row2 == piece.Row2 &&
            Touches(area.Col1, area.Col2, piece.Col1, piece.Col2)) {
            area.Col1 = std::min(area.Col1, piece.Col1);
            area.Col2 = std::max(area.Col2, piece.Col2);
            return;
        }
    }
    Add(piece.Col1, piece.Row1, piece.Col2, piece.Row2);
}

void TCellAreas97::DeleteCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    Areas() = AreasAfterDeleting(Areas(), col1, row1, col2, row2, false);
}

void TCellAreas97::ClipTo(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    std::vector<TCellArea97> result;
    for (const TCellArea97& area : Areas()) {
        TCellArea97 piece;
        if (IntersectArea(area, col1, row1, col2, row2, piece) && ClipToSheet(piece)) {
            result.push_back(piece);
        }
    }
    Areas() = std::move(result);
}

void TCellAreas97::Offset(int32_t dCol, int32_t dRow) {
    std::vector<TCellArea97> result;
    for (TCellArea97 area : Areas()) {
        MoveArea(area, dCol, dRow);
        if (ClipToSheet(area)) {
            result.push_back(area);
        }
    }
    Areas() = std::move(result);
}

void TCellAreas97::MoveCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) {
    std::vector<TCellArea97> moved;
    for (const TCellArea97& area : Areas()) {
        TCellArea97 piece;
        if (IntersectArea(area, col1, row1, col2, row2, piece)) {
            MoveArea(piece, destCol - col1, destRow - row1);
            if (ClipToSheet(piece)) {
                moved.push_back(piece);
            }
        }
    }
    DeleteCells(col1, row1, col2, row2);
    for (const TCellArea97& piece : moved) {
        Add(piece.Col1, piece.Row1, piece.Col2, piece.Row2);
    }
}

void TSolidCellAreas97::DeleteCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    Areas() = AreasAfterDeleting(Areas(), col1, row1, col2, row2, true);
}

void TSolidCellAreas97::ClipTo(int32_t, int32_t, int32_t, int32_t) {}

void TSolidCellAreas97::Offset(int32_t, int32_t) {
    throw EBIFFError(BIFFMessages::SolidAreasMove);
}

void TSolidCellAreas97::MoveCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t dCol, int32_t dRow) {
    std::vector<TCellArea97> result;
    for (TCellArea97 area : Areas()) {
        const std::array<std::pair<int32_t, int32_t>, 4> corners = {
            {{col1, row1}, {col2, row1}, {col1, row2}, {col2, row2}}};
        for (const auto& [col, row] : corners) {
            if (StrictlyInside(area, col, row)) {
                throw EBIFFError(BIFFMessages::MergedCellPart);
            }
        }
        for (int32_t* edge : {&area.Col1, &area.Col2}) {
            *edge += *edge >= col1 && *edge <= col2 ? dCol : 0;
        }
        for (int32_t* edge : {&area.Row1, &area.Row2}) {
            *edge += *edge >= row1 && *edge <= row2 ? dRow : 0;
        }
        if (ClipToSheet(area)) {
            result.push_back(area);
        }
    }
    Areas() = std::move(result);
}

} // namespace xls
