#include "xls/core/model/worksheet/Xc12DataComments5.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataComments5, SettingTheCellSetsTheAnchorOnlyOnce) {
    TXc12Comments comments(nullptr);
    TXc12Comment* comment = comments.Add();
    EXPECT_EQ(comment->GetAnchorCol(), -1);
    EXPECT_EQ(comment->GetAnchorRow(), -1);
    EXPECT_EQ(comment->GetFillColor(), 0xFFFFE1);
    comment->SetCol(3);
    comment->SetRow(7);
    comment->SetCol(5);
    comment->SetRow(9);
    EXPECT_EQ(comment->GetCol(), 5);
    EXPECT_EQ(comment->GetRow(), 9);
    EXPECT_EQ(comment->GetAnchorCol(), 3);
    EXPECT_EQ(comment->GetAnchorRow(), 7);
}

TEST(Xc12DataComments5, TheCommentOwnsTheShapeTakenOutOfTheDrawing) {
    TXpgSimpleDOM drawing;
    drawing.LoadFromText(u"<xml><v:shape id=\"_x0000_s1025\"><x:ClientData ObjectType=\"Note\"/></v:shape>"
                         u"<v:shape id=\"_x0000_s1026\"/></xml>");
    TXpgDOMNode* document = drawing.Root().FindPath(u"xml", true);
    TXc12Comments comments(nullptr);
    TXc12Comment* comment = comments.Add();
    EXPECT_EQ(comment->GetShape(), nullptr);

    comment->SetShape(document->ExtractChild(0));
    ASSERT_NE(comment->GetShape(), nullptr);
    EXPECT_EQ(comment->GetShape()->Attributes().GetStrValue(u"id"), u"_x0000_s1025");
    EXPECT_NE(comment->GetShape()->FindPath(u"x:ClientData", false), nullptr);
    EXPECT_EQ(document->GetChildCount(), 1);
    // The replaced shape is freed (a leak shows under the sanitizer), and the last one goes with the comment.
    comment->SetShape(document->ExtractChild(0));
    EXPECT_EQ(comment->GetShape()->Attributes().GetStrValue(u"id"), u"_x0000_s1026");
    comments.Clear();
}

TEST(Xc12DataComments5, FindCellGivesTheFirstCommentOfTheCell) {
    TXc12Comments comments(nullptr);
    struct Place {
        int32_t col;
        int32_t row;
    };
    for (const Place place : {Place{1, 2}, Place{2, 1}, Place{1, 2}}) {
        TXc12Comment* comment = comments.Add();
        comment->SetCol(place.col);
        comment->SetRow(place.row);
    }
    struct Case {
        const char* name;
        int32_t col;
        int32_t row;
        int32_t found; // position, -1 for none
    };
    const Case cases[] = {
        {"two comments on one cell", 1, 2, 0},
        {"column and row swapped", 2, 1, 1},
        {"no comment", 1, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12Comment* expected = c.found < 0 ? nullptr : comments.GetItem(c.found);
        EXPECT_EQ(comments.FindCell(c.col, c.row), expected);
    }
}

TEST(Xc12DataComments5, AuthorIndexesFromAFileBecomeAuthors) {
    TXc12Comments comments(nullptr);
    for (const int32_t authorId : {1, 0, 1}) {
        comments.Add()->SetAuthorId(authorId);
    }
    TXc12Authors& authors = comments.GetAuthors();
    authors.AddName(u"Ann");
    authors.AddName(u"张三");
    for (int32_t i = 0; i < comments.Count(); ++i) {
        TXc12Comment* comment = comments.GetItem(i);
        comment->SetAuthor(authors.GetItem(comment->GetAuthorId()));
    }
    EXPECT_EQ(comments.GetItem(0)->GetAuthor()->GetName(), u"张三");
    EXPECT_EQ(comments.GetItem(1)->GetAuthor()->GetName(), u"Ann");
    EXPECT_EQ(comments.GetItem(2)->GetAuthorId(), 1);

    TXc12Comment* stray = comments.Add();
    stray->SetAuthorId(2);
    EXPECT_THROW(authors.GetItem(stray->GetAuthorId()), rtl::EListError);
}

TEST(Xc12DataComments5, AuthorsCompareTheirNamesIgnoringCase) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        bool equal;
    };
    const Case cases[] = {
        {u"ann", u"ANN", true},
        {u"\u00e9mile", u"\u00c9MILE", true}, // beyond ASCII
        {u"\u0434\u0438\u043c\u0430", u"\u0414\u0418\u041c\u0410", true},
        {u"Ann", u"Anna", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.equal);
        TXc12Author a;
        TXc12Author b;
        a.SetName(c.a);
        b.SetName(c.b);
        EXPECT_EQ(a.Equals(b), c.equal);
        EXPECT_EQ(a.GetHash(), 0);
    }
}

TEST(Xc12DataComments5, FreeingACommentGivesBackTheFontsOfItsRuns) {
    TXc12DataStyleSheet styleSheet;
    TXc12Font* bold = styleSheet.Fonts().Add();
    bold->SetName(u"Arial");
    bold->AddRef();
    TXc12Font* shared = styleSheet.Fonts().Add();
    shared->SetName(u"Verdana");
    shared->AddRef();
    shared->AddRef();
    {
        TXc12Comments comments(&styleSheet);
        TXc12Comment* comment = comments.Add();
        comment->SetText(u"bold, shared");
        comment->GetFontRuns() = {{0, bold}, {6, shared}};
        comments.GetAuthors().AddName(u"Ann");
        comments.Clear();
        EXPECT_EQ(comments.Count(), 0);
        EXPECT_EQ(comments.GetAuthors().Count(), 0);
    }
    // The predefined default font stays first.
    ASSERT_EQ(styleSheet.Fonts().Count(), 2);
    EXPECT_EQ(styleSheet.Fonts().GetItem(1), shared);
    EXPECT_EQ(shared->UseCount(), 1);
}

} // namespace
} // namespace xls
