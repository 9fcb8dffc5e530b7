#pragma once
// The cell-area lists of the BIFF side: rectangles of a BIFF sheet (256 columns by 65536 rows) for selections,
// merged cells and the ranges of conditional formats and validations, with the changes that copying, deleting and
// moving blocks of cells make to them. Every result is clipped to the sheet; what falls outside is dropped.

#include <cstdint>
#include <vector>

namespace xls {

// A rectangle of cells, inclusive, with the running number its list gave it.
struct TCellArea97 {
    int32_t Number = 0;
    int32_t Col1 = 0;
    int32_t Row1 = 0;
    int32_t Col2 = 0;
    int32_t Row2 = 0;

    bool Intersects(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
        return Col1 <= col2 && col1 <= Col2 && Row1 <= row2 && row1 <= Row2;
    }
    bool Contains(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const {
        return Col1 <= col1 && col2 <= Col2 && Row1 <= row1 && row2 <= Row2;
    }
    bool SameCells(const TCellArea97& other) const {
        return Col1 == other.Col1 && Row1 == other.Row1 && Col2 == other.Col2 && Row2 == other.Row2;
    }
};

// An owned list of areas and the operations on blocks of cells that change them.
class TBaseCellAreas97 {
public:
    virtual ~TBaseCellAreas97() = default;

    // Appends an area as given, with the list's next number.
    TCellArea97& Add(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    int32_t Count() const { return static_cast<int32_t>(FAreas.size()); }
    // A position outside the list raises EListError.
    const TCellArea97& Get(int32_t index) const;
    void Delete(int32_t index);
    void Clear() { FAreas.clear(); }

    // The block col1:row1-col2:row2 is copied to destCol:destRow. Does nothing here.
    virtual void CopyCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow);
    // The block's cells are deleted (left empty).
    virtual void DeleteCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2) = 0;
    // Only the block's cells are kept.
    virtual void ClipTo(int32_t col1, int32_t row1, int32_t col2, int32_t row2) = 0;
    // Everything moves by the offsets.
    virtual void Offset(int32_t dCol, int32_t dRow) = 0;
    virtual void MoveCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol,
                           int32_t destRow) = 0;

protected:
    std::vector<TCellArea97>& Areas() { return FAreas; }
    const std::vector<TCellArea97>& Areas() const { return FAreas; }

private:
    std::vector<TCellArea97> FAreas;
    int32_t FNextNumber = 0;
};

// The general list: areas may overlap, and an operation splits, cuts and joins them as the cells go.
class TCellAreas97 : public TBaseCellAreas97 {
public:
    // The areas' parts inside the block are added again at the destination, which is cleared first; a part that an
    // area contains already is not added, and one that an area with the same columns or rows adjoins or overlaps
    // enlarges that area.
    void CopyCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) override;
    // An area the block cuts becomes its up to four pieces outside it: above, below, then left and right.
    void DeleteCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2) override;
    void ClipTo(int32_t col1, int32_t row1, int32_t col2, int32_t row2) override;
    // Areas pushed off the sheet are removed, the others clipped.
    void Offset(int32_t dCol, int32_t dRow) override;
    // The areas' parts inside the block are cut out and added again, moved to the destination.
    void MoveCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t destCol, int32_t destRow) override;

private:
    void AddJoined(const TCellArea97& piece);
};

// Areas that must stay whole (merged cells): an operation that would split one raises "Can not change part of a
// merged cell" and changes nothing.
class TSolidCellAreas97 : public TBaseCellAreas97 {
public:
    // Areas inside the block are removed; an area the block cuts down to one piece becomes that piece.
    void DeleteCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2) override;
    // Does nothing.
    void ClipTo(int32_t col1, int32_t row1, int32_t col2, int32_t row2) override;
    // Raises "TSolidCellAreas.Move not implemented".
    void Offset(int32_t dCol, int32_t dRow) override;
    // The block is a band of inserted or deleted cells and the last two arguments are offsets: when a corner of the
    // band lies strictly inside an area it raises; otherwise an area's edges whose column lies within the band's
    // columns move by dCol, and those whose row lies within its rows by dRow. Areas left empty are removed.
    void MoveCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2, int32_t dCol, int32_t dRow) override;
};

} // namespace xls
