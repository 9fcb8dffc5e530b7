#pragma once
// Rectangles of cells and the lists that keep them right when a sheet's cells are copied, moved or deleted: merged
// cells, hyperlinks, conditional-format and validation ranges, selections, the areas of array formulas. TCellAreas
// may cut an area into pieces; TSolidCellAreas holds merged cells, which stay whole, and refuses what would cut one.
// Every operation reads and writes an area through its eight accessors, so subclasses keep their bounds where they
// like. Single cell positions (TCellRef) and the bases of the sheet objects that follow these operations are here too.

#include "rtl/core/Lists.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// The fixed texts of the cell areas' failures.
namespace CellAreaMessages {
inline constexpr char16_t MergedCellPart[] = u"Can not change part of a merged cell";
inline constexpr char16_t SolidMoveNotImplemented[] = u"TSolidCellAreas.Move not implemented";
} // namespace CellAreaMessages

// A rectangle of cells, zero-based and inclusive, whose bounds a subclass keeps.
class TCellArea : public rtl::TObject {
public:
    virtual int32_t GetCol1() const = 0;
    virtual int32_t GetRow1() const = 0;
    virtual int32_t GetCol2() const = 0;
    virtual int32_t GetRow2() const = 0;
    virtual void SetCol1(int32_t value) = 0;
    virtual void SetRow1(int32_t value) = 0;
    virtual void SetCol2(int32_t value) = 0;
    virtual void SetRow2(int32_t value) = 0;

    void SetArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    void SetRect(const TXLSCellAreaRec& rect);
    TXLSCellAreaRec GetRect() const;
    // All four bounds equal.
    bool Equals(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const;
    // The cell lies inside, off the border.
    bool ContainsStrictly(int32_t col, int32_t row) const;
    // The area lies within the rectangle, borders included.
    bool InsideRect(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const;

    // Two values for the owner's use (a kind code, a link to another object); wide enough for a pointer.
    intptr_t Data1() const { return FData1; }
    void SetData1(intptr_t value) { FData1 = value; }
    intptr_t Data2() const { return FData2; }
    void SetData2(intptr_t value) { FData2 = value; }

private:
    intptr_t FData1 = 0;
    intptr_t FData2 = 0;
};

// The plain rectangle: the four bounds as fields, all 0 at first.
class TCellAreaImpl : public TCellArea {
public:
    int32_t GetCol1() const override { return FCol1; }
    int32_t GetRow1() const override { return FRow1; }
    int32_t GetCol2() const override { return FCol2; }
    int32_t GetRow2() const override { return FRow2; }
    void SetCol1(int32_t value) override { FCol1 = value; }
    void SetRow1(int32_t value) override { FRow1 = value; }
    void SetCol2(int32_t value) override { FCol2 = value; }
    void SetRow2(int32_t value) override { FRow2 = value; }

    // A one-cell area.
    void SetCell(int32_t col, int32_t row);

private:
    int32_t FCol1 = 0;
    int32_t FRow1 = 0;
    int32_t FCol2 = 0;
    int32_t FRow2 = 0;
};

// The pieces of an area around a rectangle: at most above, below, left and right.
using TCellAreaPieces = std::array<TXLSCellAreaRec, 4>;

// An owning list of areas with the geometry the two list flavours share. Every item is a TCellArea.
class TBaseCellAreas : public rtl::TObjectList {
public:
    // A new area from NewArea, appended.
    TCellArea* Add();
    TCellArea* AddCell(int32_t col, int32_t row);
    TCellArea* AddArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    TCellArea* AddRect(const TXLSCellAreaRec& rect);
    TCellArea* GetItem(int32_t index) const;

    // Appends the cell or area of an A1 text (a text with ":" after its first character is an area, which may also be
    // whole columns, whole rows or carry a sheet prefix). A text that does not parse adds nothing and gives nullptr.
    TCellArea* AddAreaText(rtl::UnicodeStringView text);
    // Empties the list and adds the text's pieces between separators ("A1:B2 D4" gives two areas). Empty pieces are
    // skipped; false when some other piece did not parse (the rest are added).
    bool SetFromText(rtl::UnicodeStringView text);
    char16_t Separator() const { return FSeparator; }
    void SetSeparator(char16_t separator) { FSeparator = separator; }

    // The first area with exactly these bounds, -1 when none.
    int32_t IndexOfArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const;
    // The first area that holds the cell (borders included), -1 when none.
    int32_t FindCell(int32_t col, int32_t row) const;
    // Some area shares a cell with the rectangle.
    bool Intersects(int32_t col1, int32_t row1, int32_t col2, int32_t row2) const;
    // The common part of two rectangles; false when they share no cell.
    static bool IntersectRect(const TXLSCellAreaRec& a, const TXLSCellAreaRec& b, TXLSCellAreaRec& result);
    // The parts of area index outside rect, in the order above, below, left, right; returns their number. An area
    // that does not meet rect is one piece, itself.
    int32_t SplitAround(int32_t index, const TXLSCellAreaRec& rect, TCellAreaPieces& pieces) const;

    // Adds copies of the parts inside rect, moved by the offsets; the base copies nothing.
    virtual void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset);
    // Removes rect from the areas.
    virtual void DeleteCells(const TXLSCellAreaRec& rect) = 0;
    // Moves every area.
    virtual void Offset(int32_t colOffset, int32_t rowOffset) = 0;
    // Moves the parts inside rect by the offsets.
    virtual void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) = 0;

protected:
    // Makes the area object Add appends.
    virtual std::unique_ptr<TCellArea> NewArea();
    // The first area from start on that shares a cell with rect, -1 when none.
    int32_t IndexOfIntersecting(const TXLSCellAreaRec& rect, int32_t start = 0) const;

private:
    char16_t FSeparator = u' ';
};

// Areas that may be cut into pieces: selections, hyperlinks, conditional-format and validation ranges.
class TCellAreas : public TBaseCellAreas {
    RTL_DECLARE_CLASS(TCellAreas, TBaseCellAreas)
public:
    // Each area that meets rect gives way to its pieces outside it, appended.
    void DeleteCells(const TXLSCellAreaRec& rect) override;
    // Each part inside rect is copied by the offsets and clipped to the sheet; an area that holds the copy or can
    // grow over it takes it, else the copy's place is cleared and the copy appended.
    void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // As DeleteCells, then every part cut out is placed as a copy would be.
    void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // Areas moved wholly off the sheet are deleted, the others clipped to it.
    void Offset(int32_t colOffset, int32_t rowOffset) override;
    // Cuts every area down to its common part with rect, deleting those without one; returns the last area kept.
    virtual TCellArea* ClipTo(const TXLSCellAreaRec& rect);
    // nullptr when empty.
    TCellArea* GetLast() const;
    // True when rect lies inside an area, or when an area of the same columns (rows) overlaps or touches it above or
    // below (left or right) and so can grow over it; that area then grows.
    bool ExtendOrContains(const TXLSCellAreaRec& rect);
    // False when rect lies wholly off the sheet; otherwise clips it to the sheet.
    static bool ClipToSheet(TXLSCellAreaRec& rect);

private:
    // Deletes rect from the areas as DeleteCells does and answers the parts cut out.
    std::vector<TXLSCellAreaRec> CutOut(const TXLSCellAreaRec& rect);
    void PlaceCopy(const TXLSCellAreaRec& part, int32_t colOffset, int32_t rowOffset);
};

// Merged cells: areas that never overlap and are never cut into several pieces.
class TSolidCellAreas : public TBaseCellAreas {
public:
    // Appends rect, first absorbing every merged area it (and so the growing cover) meets; returns the area added.
    virtual TCellArea* AddMerge(const TXLSCellAreaRec& rect);
    // Deletes the areas inside rect and shrinks those it cuts off at one side. An area that would fall into several
    // pieces raises "Can not change part of a merged cell", and then no area has changed.
    void DeleteCells(const TXLSCellAreaRec& rect) override;
    // Appends the areas lying inside rect, moved by the offsets, unless a moved one would overlap a merged area: then
    // nothing is copied and CopyStopped is set.
    void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // Moves the edges that lie in rect, as inserting or deleting the band of rows or columns rect stands for does.
    // Raises "Can not change part of a merged cell", changing nothing, when a corner of rect lies inside an area.
    // Areas that turn inside out or leave the sheet are deleted, the others clipped to it.
    void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) override;
    // Raises "TSolidCellAreas.Move not implemented".
    void Offset(int32_t colOffset, int32_t rowOffset) override;

    bool CopyStopped() const { return FCopyStopped; }

private:
    bool FCopyStopped = false;
};

// A single cell position.
class TCellRef : public rtl::TObject {
public:
    int32_t Col() const { return FCol; }
    void SetCol(int32_t col) { FCol = col; }
    int32_t Row() const { return FRow; }
    void SetRow(int32_t row) { FRow = row; }
    // Back to A1.
    void Clear();
    // True when text is an A1 reference, which the cell then takes; otherwise the cell stays.
    bool SetFromText(rtl::UnicodeStringView text);

private:
    int32_t FCol = 0;
    int32_t FRow = 0;
};

// An owning list of cell positions.
class TCellRefs : public rtl::TObjectList {
public:
    // Appends the cell of an A1 text; a text that is no cell reference adds nothing and gives nullptr.
    TCellRef* AddText(rtl::UnicodeStringView text);
    TCellRef* GetItem(int32_t index) const;
};

// A sheet object that holds cell areas and follows them when cells are copied, moved or deleted.
class TXLSMoveCopyItem : public rtl::TObject {
public:
    virtual bool Intersects(const TXLSCellAreaRec& rect) const = 0;
    virtual void CopyCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) = 0;
    virtual void DeleteCells(const TXLSCellAreaRec& rect) = 0;
    virtual void ClipTo(const TXLSCellAreaRec& rect) = 0;
    virtual void Offset(int32_t colOffset, int32_t rowOffset) = 0;
    virtual void MoveCells(const TXLSCellAreaRec& rect, int32_t colOffset, int32_t rowOffset) = 0;
    virtual void Assign(const TXLSMoveCopyItem& source) = 0;
};

// An owning list of move-copy items; each kind of list makes its own items.
class TXLSMoveCopyList : public rtl::TObjectList {
public:
    // Creates an item, appends it and returns it.
    virtual TXLSMoveCopyItem* AddItem() = 0;
    TXLSMoveCopyItem* GetItem(int32_t index) const;
};

} // namespace xls
