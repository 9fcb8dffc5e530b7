# Runs GENERATOR (skinc) on skin texts with one mistake each, in SCRATCH, and fails unless each is refused with its
# message.
include(${CMAKE_CURRENT_LIST_DIR}/../ExpectRefused.cmake)

set(valid [=[
skin "Sample"
color ContentColor #E3EFFF
property DisplayName WideString "Sample"
group Common
  element Button color=#FFFFFF alpha=128
    border left #FF0000 2
]=])

expect_taken("${valid}")
expect_refused(no_skin_first "the text starts with the skin statement" "color C #010203\n${valid}")
expect_refused(second_skin "a second skin statement" "${valid}skin \"Again\"\n")
expect_refused(unknown_statement "unknown statement \"colour\"" "${valid}colour C #010203\n")
expect_refused(bad_colour "\"#12345\" is not a colour" "${valid}color C #12345\n")
expect_refused(element_outside_group "an element outside a group" "skin \"S\"\nelement E\n")
expect_refused(image_without_element "no element above" "skin \"S\"\ngroup G\nimage states=normal\n")
expect_refused(unknown_type "\"Float\" is no property type" "${valid}property P Float 1\n")
expect_refused(bad_integer "\"1x\" is not an integer" "${valid}property P Integer 1x\n")
expect_refused(bad_rect "\"1,2,3\" is not 4 integers" "${valid}property P Rect 1,2,3\n")
expect_refused(bad_state "\"sleeping\" is no state" "${valid}image states=normal,sleeping\n")
expect_refused(bad_alpha "an alpha of 300" "${valid}element F alpha=300\n")
expect_refused(unknown_attribute "an element has no \"colour\"" "${valid}element F colour=#FFFFFF\n")
expect_refused(open_quote "a text without its closing quote" "${valid}property P String \"open\n")
expect_refused(missing_texture "cannot be read" "${valid}image texture=\"missing.png\"\n")
file(WRITE ${SCRATCH}/bad.png "not a picture")
expect_refused(texture_not_png "The texture is not a PNG picture" "${valid}image texture=\"bad.png\"\n")
