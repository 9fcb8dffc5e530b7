#include "ui/grid/customtable/controller/uiGridClipboardText.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using rtl::UnicodeString;
using ui::ClipboardField;
using ui::TuiGridClipboardText;

TEST(GridClipboardText, LinesOfTabbedFieldsWithoutTheFinalLineBreak) {
    TuiGridClipboardText text;
    text.AddLine(std::vector<UnicodeString>{u"A", u"B"});
    text.AddLine(std::vector<UnicodeString>{u"1", u"x"});
    text.AddLine(std::vector<UnicodeString>{u"2", u""});
    EXPECT_EQ(text.Text(), u"A\tB\r\n1\tx\r\n2\t");
}

TEST(GridClipboardText, HeaderLineAloneAndEmptyLines) {
    TuiGridClipboardText header;
    header.AddLine(std::vector<UnicodeString>{u"A", u"B"});
    EXPECT_EQ(header.Text(), u"A\tB");
    // A line without fields is its line break alone, which goes as the final one.
    TuiGridClipboardText empty;
    empty.AddLine({});
    EXPECT_EQ(empty.Text(), u"");
    EXPECT_EQ(TuiGridClipboardText().Text(), u"");
}

TEST(GridClipboardText, FieldsThatWouldShiftCellsAreQuoted) {
    struct TCase {
        const char16_t* Field;
        const char16_t* Expected;
    };
    const TCase cases[] = {
        {u"plain", u"plain"},
        {u"say \"hi\"", u"say \"hi\""},
        {u"a\tb", u"\"a\tb\""},
        {u"line\nbreak", u"\"line\nbreak\""},
        {u"cr\r", u"\"cr\r\""},
        {u"\"q\"\tx", u"\"\"\"q\"\"\tx\""},
        {u"", u""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ClipboardField(c.Field), c.Expected);
    }
}

} // namespace
