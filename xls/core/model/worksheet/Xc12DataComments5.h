#pragma once
// The cell comments of a sheet: each comment's cell, text with its rich-text runs, author and note shape (where the
// note is anchored and its fill colour), and the sheet's list of comment authors. A file names authors by position
// in that list: the reader first gives each comment the author's position, then, once the authors are read, the
// author object itself.

#include "rtl/core/Lists.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"
#include "xls/core/xml/XpgSimpleDOM.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

namespace xls {

class TXc12DataStyleSheet;
class TXc12Comments;

// The author of comments.
class TXc12Author : public TXLSStyleObject {
public:
    explicit TXc12Author(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }

    // The names compare without regard to case.
    bool Equals(const TXLSStyleObject& other) const override;

protected:
    // Authors are never looked up by hash: every author hashes to 0.
    void CalcHash() override;

private:
    rtl::UnicodeString FName;
};

// The comment authors of a sheet, in file order.
class TXc12Authors : public TXc12StyleObjectList<TXc12Author> {
public:
    // A new author of that name, appended.
    TXc12Author* AddName(rtl::UnicodeStringView name);
};

// The eight numbers of a note shape's anchor: left column, left offset, top row, top offset, right column, right
// offset, bottom row, bottom offset.
using TXc12NoteAnchor = std::array<int32_t, 8>;

// One cell comment.
class TXc12Comment : public TXc12Data {
public:
    // The fill colour of a note whose shape gives none (pale yellow, 0x00RRGGBB as the shape writes colours).
    static constexpr int32_t DefaultFillColor = 0xFFFFE1;

    // owner is the list that holds the comment; its style sheet owns the fonts of the runs.
    explicit TXc12Comment(TXc12Comments* owner) : FOwner(owner) {}
    // Gives back the use of each run's font.
    ~TXc12Comment() override;

    TXc12Comments* GetOwner() const { return FOwner; }
    int32_t GetCol() const { return FCol; }
    // Also the anchor column while that is still -1.
    void SetCol(int32_t value);
    int32_t GetRow() const { return FRow; }
    // Also the anchor row while that is still -1.
    void SetRow(int32_t value);
    int32_t GetAnchorCol() const { return FAnchorCol; }
    void SetAnchorCol(int32_t value) { FAnchorCol = value; }
    int32_t GetAnchorRow() const { return FAnchorRow; }
    void SetAnchorRow(int32_t value) { FAnchorRow = value; }
    const rtl::UnicodeString& GetText() const { return FText; }
    void SetText(rtl::UnicodeStringView value) { FText = value; }
    // Each run's font holds one use, taken by whoever adds the run.
    TXc12DynFontRunArray& GetFontRuns() { return FFontRuns; }
    TXc12DynPhoneticRunArray& GetPhoneticRuns() { return FPhoneticRuns; }
    // The author's position as a file gives it; the author object is dropped until SetAuthor.
    void SetAuthorId(int32_t index);
    // The author object's position once it is set, else the position given by SetAuthorId.
    int32_t GetAuthorId() const;
    TXc12Author* GetAuthor() const { return FAuthor; }
    void SetAuthor(TXc12Author* author);
    const rtl::UnicodeString& GetGuid() const { return FGuid; }
    void SetGuid(rtl::UnicodeStringView value) { FGuid = value; }
    // The note's VML shape element, taken out of the sheet's drawing; nullptr when there is none.
    TXpgDOMNode* GetShape() const { return FShape.get(); }
    // Takes the node over, freeing the one held before.
    void SetShape(std::unique_ptr<TXpgDOMNode> shape) { FShape = std::move(shape); }
    TXc12NoteAnchor& GetNoteAnchor() { return FNoteAnchor; }
    int32_t GetFillColor() const { return FFillColor; }
    void SetFillColor(int32_t value) { FFillColor = value; }

private:
    TXc12Comments* FOwner; // not owned
    int32_t FCol = 0;
    int32_t FRow = 0;
    int32_t FAnchorCol = -1;
    int32_t FAnchorRow = -1;
    rtl::UnicodeString FText;
    TXc12DynFontRunArray FFontRuns;
    TXc12DynPhoneticRunArray FPhoneticRuns;
    int32_t FAuthorId = 0;
    TXc12Author* FAuthor = nullptr; // not owned; one of the owner's authors
    rtl::UnicodeString FGuid;
    std::unique_ptr<TXpgDOMNode> FShape;
    TXc12NoteAnchor FNoteAnchor{};
    int32_t FFillColor = DefaultFillColor;
};

// The comments of a sheet and their authors.
class TXc12Comments : public rtl::TObjectList {
public:
    // styleSheet holds the fonts of the comments' text runs; it is not owned and must outlive the comments.
    explicit TXc12Comments(TXc12DataStyleSheet* styleSheet) : FStyleSheet(styleSheet) {}
    // The comments go before the authors they point at.
    ~TXc12Comments() override;

    // A new comment, appended.
    TXc12Comment* Add();
    TXc12Comment* GetItem(int32_t index) const { return static_cast<TXc12Comment*>(TObjectList::GetItem(index)); }
    // Frees the comments and the authors.
    void Clear() override;
    // The first comment of that cell, nullptr when none.
    TXc12Comment* FindCell(int32_t col, int32_t row) const;

    TXc12DataStyleSheet* GetStyleSheet() const { return FStyleSheet; }
    TXc12Authors& GetAuthors() { return FAuthors; }

private:
    TXc12DataStyleSheet* FStyleSheet; // not owned
    TXc12Authors FAuthors;
};

} // namespace xls
