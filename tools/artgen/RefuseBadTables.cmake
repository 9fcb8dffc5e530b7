# Runs GENERATOR on sources with one mistake each, in SCRATCH, and fails unless each is refused with its message.
include(${CMAKE_CURRENT_LIST_DIR}/../ExpectRefused.cmake)

set(valid [=[
palette . FFFFFF
palette # 000000
bitmap SMALL 4
|.#.|
|#.#|
]=])

expect_taken("${valid}")
expect_refused(ragged_row "a row of SMALL is 2 wide, not 3" "${valid}|.#|\n")
expect_refused(unknown_pixel "the pixel \"x\" has no palette entry" "${valid}|.x.|\n")
expect_refused(bad_depth "a bitmap has 4 or 24 bits per pixel" "${valid}bitmap OTHER 8\n|.|\n")
expect_refused(second_name "a second bitmap \"SMALL\"" "${valid}bitmap SMALL 24\n|.|\n")
expect_refused(lower_case_name "the name \"small\" is not upper-case" "${valid}bitmap small 4\n|.|\n")
expect_refused(no_rows "the bitmap EMPTY has no rows" "${valid}bitmap EMPTY 4\n")
expect_refused(row_first "a row before the first bitmap" "|..|\n${valid}")
expect_refused(bad_colour "the colour \"12345G\" is not six hexadecimal digits" "palette x 12345G\n${valid}")
expect_refused(open_row "a row is pixels between two bars" "${valid}|.#.\n")
expect_refused(unknown_line "unknown line \"bitmaps\"" "${valid}bitmaps OTHER 4\n")
set(crowded "")
foreach(pixel a b c d e f g h i j k l m n o p q)
    string(APPEND crowded "palette ${pixel} 000000\n")
endforeach()
expect_refused(too_many_colours "a 4-bit bitmap has at most 16 colours, the palette has 17"
               "${crowded}bitmap CROWDED 4\n|a|\n")
