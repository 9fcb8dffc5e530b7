# Runs GENERATOR on tables with one mistake each, in SCRATCH, and fails unless each is refused with its message.
set(valid [=[
unit xpgBad
folder bad
document TXPGDocBad
namespace "" urn:bad
enum ST_Kind stk one two
class TCT_Item
    about An item.
    attribute val Val int
root T__ROOT__
    about The root.
    child item Item TCT_Item
]=])

include(${CMAKE_CURRENT_LIST_DIR}/../ExpectRefused.cmake)

expect_taken("${valid}")
expect_refused(wrong_hash "the byte sum of \"other\" is 546, not 545" "${valid}    child other Other TCT_Item hash 545\n")
expect_refused(unknown_class "no class \"TCT_Missing\"" "${valid}    child other Other TCT_Missing\n")
expect_refused(second_child "a second child \"item\"" "${valid}    child item Again TCT_Item\n")
expect_refused(writing_an_int "a unit that writes has text and enum attributes only" "writes\n${valid}")
expect_refused(enum_default "the default of \"kind\" in TCT_Kinded is no number"
               "${valid}class TCT_Kinded\n    about Kinded.\n    attribute kind Kind enum ST_Kind default three\n")
expect_refused(no_about "class \"TCT_Silent\" needs an about line" "${valid}class TCT_Silent\n")
expect_refused(unknown_not_enum "only an enum has an unknown ordinal"
               "${valid}class TCT_Counted\n    about Counted.\n    attribute n N int unknown 255\n")
expect_refused(short_bits "a double's bits are 16 hexadecimal digits"
               "${valid}class TCT_Sized\n    about Sized.\n    attribute size Size float default 0x3F50\n")
expect_refused(document_callback_of_a_child "only a stream of a unit with a document has a document callback"
               "${valid}    child other Other TCT_Item document\n")
expect_refused(unknown_value_list "\"TIntegerXpgList\" is no value list"
               "${valid}class TCT_Listed\n    about Listed.\n    values n N TIntegerXpgList\n")
expect_refused(unknown_enum_rule "\"unknown-enum\" is first, raise or report" "unknown-enum guess\n${valid}")
expect_refused(quoted_text_default "a text default holds no quotes or backslashes"
               "${valid}class TCT_Quoted\n    about Quoted.\n    attribute name Name text default a\\b\n")
expect_refused(occurred_text "texts and lists take no occurred value"
               "${valid}class TCT_Marked\n    about Marked.\n    attribute name Name text occurred x\n")
expect_refused(ignored_twice "a second attribute \"val\" in TCT_Item2"
               "${valid}class TCT_Item2\n    about Twice.\n    attribute val Val int\n    ignore val\n")
string(REPLACE "val Val int" "val Val text" writable "writes\n${valid}")
expect_refused(text_child_written "a unit that writes has child and list members only"
               "${writable}class TCT_Named\n    about Named.\n    textchild name Name\n")
expect_refused(typed_text_written "a unit that writes has text content of type text only"
               "${writable}class TCT_Counted\n    about Counted.\n    text Count int\n")
expect_refused(text_with_extra "unexpected \"hash\"" "${valid}class TCT_Noted\n    about Noted.\n    text Note hash 1\n")
