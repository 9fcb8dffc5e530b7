#include "xls/xlsx/sheet/XLSReadXLSXComments.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/worksheet/Xc12DataComments5.h"
#include "xls/core/xml/XpgConvert.h"
#include "xls/core/xml/XpgSimpleDOM.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/xlsx/XLSReadXLSXCells.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

// The whole-number text of the node at path below shape, or -1 when it is missing or no number.
int32_t ClientDataNumber(const TXpgDOMNode& shape, rtl::UnicodeStringView path) {
    const TXpgDOMNode* node = shape.FindPath(path, false);
    int32_t value = -1;
    if (node == nullptr || !rtl::TryStrToInt(rtl::Trim(node->Text()), value)) {
        return -1;
    }
    return value;
}

// The eight numbers of an anchor text: left column, left offset, top row, top offset, right column, right offset,
// bottom row, bottom offset (ECMA-376 Part 4, 19.4.2.3). False, leaving anchor alone, for any other text.
bool ParseNoteAnchor(rtl::UnicodeStringView text, TXc12NoteAnchor& anchor) {
    TXc12NoteAnchor parsed{};
    size_t start = 0;
    for (size_t i = 0; i < parsed.size(); ++i) {
        const size_t comma = text.find(u',', start);
        const bool last = i + 1 == parsed.size();
        if (last != (comma == rtl::UnicodeStringView::npos)) {
            return false;
        }
        const rtl::UnicodeStringView piece = text.substr(start, last ? rtl::UnicodeStringView::npos : comma - start);
        if (!rtl::TryStrToInt(rtl::Trim(piece), parsed[i])) {
            return false;
        }
        start = comma + 1;
    }
    anchor = parsed;
    return true;
}

// Gives comment the shape's box and fill colour; the shape itself is the caller's to move.
void ReadNoteShape(const TXpgDOMNode& shape, TXc12Comment& comment, TXLSErrorManager& errors) {
    const rtl::UnicodeString fillColor = shape.Attributes().GetStrValue(u"fillcolor");
    if (!fillColor.empty()) {
        comment.SetFillColor(XmlHexStrToIntDef(fillColor, TXc12Comment::DefaultFillColor));
    }
    const TXpgDOMNode* anchor = shape.FindPath(u"x:ClientData/x:Anchor", false);
    if (anchor != nullptr && !ParseNoteAnchor(anchor->Text(), comment.GetNoteAnchor())) {
        errors.ReportWarning(ColRowToStr(comment.GetCol(), comment.GetRow()) + u": " + anchor->Text(),
                             XLSWarningCommentAnchor);
    }
}

} // namespace

void DoComment(const TCT_Comment& element, TXc12Comments& comments, TXLSReadXLSXCells& cells) {
    TXc12Comment& comment = *comments.Add();
    rtl::UnicodeString text;
    TXc12DynPhoneticRunArray phonetic;
    // The runs go straight into the comment, which gives their fonts back when it goes.
    cells.ReadRichText(element.GetText(), text, phonetic, comment.GetFontRuns());
    comment.SetText(text);
    int32_t col = 0;
    int32_t row = 0;
    if (ParseCellRef(element.GetRef(), col, row)) {
        comment.SetCol(col);
        comment.SetRow(row);
    }
    comment.SetGuid(element.GetGuid());
    comment.SetAuthorId(element.GetAuthorId());
}

void ReadCommentAuthors(const TCT_Authors& element, TXc12Comments& comments) {
    TXc12Authors& authors = comments.GetAuthors();
    for (int32_t i = 0; i < element.GetAuthor().GetCount(); ++i) {
        authors.AddName(element.GetAuthor().GetItem(i));
    }
    for (int32_t i = 0; i < comments.Count(); ++i) {
        TXc12Comment& comment = *comments.GetItem(i);
        const int32_t index = comment.GetAuthorId();
        if (index >= 0 && index < authors.Count()) {
            comment.SetAuthor(authors.GetItem(index));
        }
    }
}

void ReadCommentShapes(TXpgSimpleDOM& vml, TXc12Comments& comments, TXLSErrorManager& errors) {
    if (vml.Root().GetChildCount() == 0) {
        return;
    }
    TXpgDOMNode& drawing = vml.Root().GetChild(0);
    for (int32_t i = 0; i < drawing.GetChildCount();) {
        const TXpgDOMNode& shape = drawing.GetChild(i);
        const int32_t col = ClientDataNumber(shape, u"x:ClientData/x:Column");
        const int32_t row = ClientDataNumber(shape, u"x:ClientData/x:Row");
        TXc12Comment* comment =
            shape.Name() == u"v:shape" && col >= 0 && row >= 0 ? comments.FindCell(col, row) : nullptr;
        if (comment == nullptr) {
            ++i;
            continue;
        }
        ReadNoteShape(shape, *comment, errors);
        // Taking the shape out moves the next node to i.
        comment->SetShape(drawing.ExtractChild(i));
    }
}

} // namespace xls
