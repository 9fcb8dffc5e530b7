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
expect_refused(unknown_enum_rule "\"unknown-enum\" is first, raise, report or keep" "unknown-enum guess\n${valid}")
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
expect_refused(document_without_root "a table with a document has exactly one root"
               "unit xpgBad\nfolder bad\ndocument TXPGDocBad\nnamespace \"\" urn:bad\n")
expect_refused(start_of_a_text "a start value is for int, hex, enum or float" "start text x\n${valid}")
expect_refused(start_bits_short "a double's bits are 16 hexadecimal digits" "start float 0x7FF8\n${valid}")
expect_refused(adjustable_default "an adjustable value takes no default or occurred value"
               "${valid}class TCT_Point\n    about A point.\n    attribute x X adjcoord default 0\n")
expect_refused(tribool_default "a bool defaults to true or false"
               "${valid}class TCT_Flag\n    about A flag.\n    attribute on On tribool default yes\n")
expect_refused(tribool_fallback "a bool defaults to true or false"
               "${valid}class TCT_Flag\n    about A flag.\n    attribute on On tribool fallback yes\n")
expect_refused(fallback_of_an_int "only a bool or tribool has a fallback value"
               "${valid}class TCT_Sized\n    about Sized.\n    attribute size Size int fallback 1\n")
expect_refused(child_counts_one "only an optional member counts as one" "${valid}    child other Other TCT_Item counts-one\n")
expect_refused(any_in_a_group "only an element class keeps any elements, in one member"
               "${valid}group TEG_Kept\n    about Kept.\n    any Kept\n")
expect_refused(two_any_members "only an element class keeps any elements, in one member"
               "${valid}class TCT_Kept\n    about Kept.\n    any Kept\n    any Again\n")

# A family: a unit without a document whose policy, enumerations and classes another unit builds on.
set(family_base [=[
unit xpgBase
folder base
namespace "" urn:bad
unknown-enum keep
start int 0x7FFFFFF0
enum ST_Kind stk one two
class TCT_Item
    about An item.
    attribute val Val int
class TCT_Other
    about Another item.
group TEG_Choice
    about One of two items.
    optional one One TCT_Item
    optional two Two TCT_Item
group TEG_Nested
    about A group offering a group.
    use Choice TEG_Choice
]=])
set(family_unit [=[
unit xpgUser
folder user
document TXPGDocUser
builds-on xpgBase TCT_Item TEG_Choice TEG_Nested
class TCT_Holder
    about Items in document order.
    attribute kind Kind enum ST_Kind default two
    sequence Items TEG_Choice
root T__ROOT__
    about The root.
    child holder Holder TCT_Holder
]=])
expect_taken_beside(xpgBase "${family_base}")
expect_taken_beside(xpgUser "${family_unit}")
expect_refused(family_policy "a unit that builds on another takes the family's policy"
               "presence occurred\n${family_unit}")
expect_refused(family_enumeration "a unit that builds on another declares no enumerations"
               "enum ST_Own sto a b\n${family_unit}")
expect_refused(family_missing_class "no class \"TCT_Missing\" in xpgBase"
               "builds-on xpgBase TCT_Missing\n${family_unit}")
expect_refused(family_class_not_named "no class \"TCT_Other\""
               "${family_unit}class TCT_Using\n    about Using.\n    child other Other TCT_Other\n")
expect_refused(xpgSelf "\"xpgSelf\" builds on this unit"
               "unit xpgSelf\nfolder self\nbuilds-on xpgSelf TCT_Item\n")
expect_refused(sequence_of_a_class "\"TCT_Item\" is no group"
               "${family_unit}class TCT_Items\n    about Items.\n    sequence Items TCT_Item\n")
expect_refused(sequence_of_a_nested_group "the group of a sequence offers elements of its own only"
               "${family_unit}class TCT_Items\n    about Items.\n    sequence Items TEG_Nested\n")
set(named_twice "class TCT_Items\n    about Items.\n    child one One TCT_Item\n    sequence Items TEG_Choice\n")
expect_refused(sequence_name_twice "a second child \"one\"" "${family_unit}${named_twice}")
