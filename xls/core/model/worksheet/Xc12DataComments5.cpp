#include "xls/core/model/worksheet/Xc12DataComments5.h"

#include "rtl/text/StringUtils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <memory>

namespace xls {

bool TXc12Author::Equals(const TXLSStyleObject& other) const {
    const auto* author = dynamic_cast<const TXc12Author*>(&other);
    return author != nullptr && rtl::WideSameText(FName, author->FName);
}

void TXc12Author::CalcHash() {
    SetHash(0);
}

TXc12Author* TXc12Authors::AddName(rtl::UnicodeStringView name) {
    TXc12Author* author = Add();
    author->SetName(name);
    return author;
}

TXc12Comment::~TXc12Comment() {
    TXc12DataStyleSheet* styleSheet = FOwner != nullptr ? FOwner->GetStyleSheet() : nullptr;
    if (styleSheet != nullptr) {
        styleSheet->XFEditor().ReleaseFontRuns(FFontRuns);
    }
}

void TXc12Comment::SetCol(int32_t value) {
    FCol = value;
    if (FAnchorCol == -1) {
        FAnchorCol = value;
    }
}

void TXc12Comment::SetRow(int32_t value) {
    FRow = value;
    if (FAnchorRow == -1) {
        FAnchorRow = value;
    }
}

void TXc12Comment::SetAuthorId(int32_t index) {
    FAuthorId = index;
    FAuthor = nullptr;
}

int32_t TXc12Comment::GetAuthorId() const {
    return FAuthor != nullptr ? FAuthor->Index() : FAuthorId;
}

void TXc12Comment::SetAuthor(TXc12Author* author) {
    FAuthor = author;
    if (author != nullptr) {
        FAuthorId = author->Index();
    }
}

TXc12Comments::~TXc12Comments() {
    TObjectList::Clear();
}

TXc12Comment* TXc12Comments::Add() {
    auto comment = std::make_unique<TXc12Comment>(this);
    TObjectList::Add(comment.get());
    return comment.release();
}

void TXc12Comments::Clear() {
    TObjectList::Clear();
    FAuthors.Clear();
}

TXc12Comment* TXc12Comments::FindCell(int32_t col, int32_t row) const {
    for (int32_t i = 0; i < Count(); ++i) {
        TXc12Comment* comment = GetItem(i);
        if (comment->GetCol() == col && comment->GetRow() == row) {
            return comment;
        }
    }
    return nullptr;
}

} // namespace xls
