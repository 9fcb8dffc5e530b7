#pragma once
// The comments of a sheet: each comment of the comments part as it streams (text with its runs, cell, guid, author
// index), then the authors, then each note's shape taken from the sheet's legacy (VML) drawing with its box and fill
// colour. A shape whose anchor is not eight whole numbers keeps no box (warning 2011); the read goes on.

namespace xls {

class TXLSErrorManager;
class TXLSReadXLSXCells;
class TXc12Comments;
class TXpgSimpleDOM;

namespace xpgParserXLSX {
class TCT_Authors;
class TCT_Comment;
} // namespace xpgParserXLSX

// A new comment of comments from the streamed element; its runs' fonts come through cells.
void DoComment(const xpgParserXLSX::TCT_Comment& element, TXc12Comments& comments, TXLSReadXLSXCells& cells);
// Appends the authors and gives each comment the author its index names (none for an index outside the list).
void ReadCommentAuthors(const xpgParserXLSX::TCT_Authors& element, TXc12Comments& comments);
// Moves every note shape ("v:shape" with x:ClientData naming the cell of a comment) out of vml into its comment.
void ReadCommentShapes(TXpgSimpleDOM& vml, TXc12Comments& comments, TXLSErrorManager& errors);

} // namespace xls
