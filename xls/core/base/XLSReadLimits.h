#pragma once
// The limits within which the readers take a file in, in one place. Each is either the largest value the format can
// express or a bound on what a hostile file could make a reader spend (memory, time, stack); real files stay far
// inside every one. A file beyond a limit gets an error that names it: a part, archive or package is refused, and a
// sheet's excess cells are reported through the error manager (and left out when it takes the error). Every limit is
// tested at its edge, where the last value it allows is taken and the next one is not.

#include <cstdint>

namespace xls {

// The sheet: columns A to XFD and rows 1 to 1,048,576, zero-based.
inline constexpr int32_t XLSMaxCol = 16383;
inline constexpr int32_t XLSMaxRow = 1048575;

// Cells and rows of a sheet that may come before an earlier one. Each costs the cell store a move of its row or row
// block, so a file made of them would take quadratic time; real producers write in order.
inline constexpr int32_t XLSMaxOutOfOrder = 256;

// Formula cells that stand for another cell's formula (members of an array formula or a data table) are decoded by
// following the cell they name. A file only ever makes one such step, from a member to its master; a longer chain,
// or one that leads back to a cell already passed, is hostile and gives an error for that cell instead of a hang or
// a recursion as deep as the sheet is long.
inline constexpr int32_t XLSMaxFormulaChain = 8;

// Zip archives. Deflate cannot expand data by more than 1032:1 (a 258-byte match coded in two bits), so an entry that
// declares more inflated bytes than this many times its compressed size is impossible and is refused before anything
// is allocated for it.
inline constexpr uint64_t MaxDeflateRatio = 1032;
// The most data the entries of an archive that is read may hold together, inflated. Each entry already stays within
// its declared size; this bounds what a small hostile archive of many entries makes a reader take in, while a
// workbook's parts come nowhere near it.
inline constexpr uint64_t MaxArchiveDataSize = uint64_t{4} << 30;

// XML parts. The longest tag, comment, or begin tag with its following text that the reader takes; longer ones are
// refused rather than held in an ever larger buffer.
inline constexpr int32_t XpgMaxConstructBytes = 64 * 1024 * 1024;
// The most attributes one tag may carry; far above what any schema element has.
inline constexpr int32_t XpgMaxTagAttributes = 65535;
// The deepest nesting of elements that the element classes and the simple DOM take: far more than any schema nests,
// and a bound on the stacks they keep per open element.
inline constexpr int32_t XpgMaxElementDepth = 1024;

// Packages. Real ones nest parts a handful of levels deep (root, workbook, sheet, drawing, chart, chart style); a
// deeper chain of relationships is hostile and would only make each part's path longer to resolve.
inline constexpr int32_t OPCMaxRelationshipDepth = 32;

} // namespace xls
