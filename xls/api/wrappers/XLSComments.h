#pragma once
// The sheet facade's comments: one wrapper per comment of the sheet's model, in the model's order, telling the cell,
// the author's name, the text with its formatted runs and the note's box.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/worksheet/Xc12DataComments5.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

class TXLSComments;

// One comment of a sheet.
class TXLSComment {
public:
    // Neither reference is owned.
    TXLSComment(TXc12Comment& comment, TXLSComments& owner) : FComment(comment), FOwner(owner) {}

    int32_t GetCol() const { return FComment.GetCol(); }
    int32_t GetRow() const { return FComment.GetRow(); }
    // The plain text.
    const rtl::UnicodeString& GetText() const { return FComment.GetText(); }
    // The author's name; empty when the comment names no author of the sheet.
    rtl::UnicodeString GetAuthor() const;
    // The formatted runs of the text: each starts at a character position and has a font of the style sheet (or
    // none, the note's own font).
    const TXc12DynFontRunArray& GetFontRuns() const { return FComment.GetFontRuns(); }
    // The note box as left column, left offset, top row, top offset, right column, right offset, bottom row and
    // bottom offset; all 0 when the file gives none.
    const TXc12NoteAnchor& GetNoteAnchor() const { return FComment.GetNoteAnchor(); }
    // The note's fill colour, 0x00RRGGBB.
    int32_t GetFillColor() const { return FComment.GetFillColor(); }
    TXc12Comment& GetModel() const { return FComment; }
    TXLSComments& GetOwner() const { return FOwner; }

private:
    TXc12Comment& FComment;
    TXLSComments& FOwner;
};

// The comments of a sheet.
class TXLSComments {
public:
    // comments is the sheet's model list, not owned.
    explicit TXLSComments(TXc12Comments& comments);

    // Builds the wrappers again from the model, as after the model's comments changed.
    void Refresh();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TXLSComment& GetItem(int32_t index) const;
    // The comment of the cell, nullptr when it has none.
    TXLSComment* Find(int32_t col, int32_t row) const;

private:
    TXc12Comments& FComments;
    std::vector<std::unique_ptr<TXLSComment>> FItems;
};

} // namespace xls
