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
expect_refused(second_name "a second picture \"SMALL\"" "${valid}bitmap SMALL 24\n|.|\n")
expect_refused(lower_case_name "the name \"small\" is not upper-case" "${valid}bitmap small 4\n|.|\n")
expect_refused(no_rows "the picture EMPTY has no rows" "${valid}bitmap EMPTY 4\n")
expect_refused(row_first "a row before the first picture" "|..|\n${valid}")
expect_refused(bad_colour "the colour \"12345G\" is not six hexadecimal digits" "palette x 12345G\n${valid}")
expect_refused(open_row "a row is pixels between two bars" "${valid}|.#.\n")
expect_refused(unknown_line "unknown line \"bitmaps\"" "${valid}bitmaps OTHER 4\n")
set(shaded "palette s vgradient 000000 FFFFFF\nbitmap SHADED 24 scale 2\n|s#|\n|s.|\n")
expect_taken("${valid}${shaded}")
expect_refused(gradient_in_4_bits "the gradient \"s\" needs a 24-bit bitmap"
               "${valid}palette s vgradient 000000 FFFFFF\nbitmap OTHER 4\n|s|\n")
expect_refused(bad_scale "a bitmap's scale is \"scale\" and 1 to 8" "${valid}bitmap OTHER 24 scale 9\n|.|\n")
expect_refused(scale_word "a bitmap's scale is \"scale\" and 1 to 8" "${valid}bitmap OTHER 24 size 2\n|.|\n")
set(crowded "")
foreach(pixel a b c d e f g h i j k l m n o p q)
    string(APPEND crowded "palette ${pixel} 000000\n")
endforeach()
expect_refused(too_many_colours "a 4-bit bitmap has at most 16 colours, the palette has 17"
               "${crowded}bitmap CROWDED 4\n|a|\n")

set(texture "texture Skin/Sample.png 4x2 6 8\nframe fill FFFFFF\n")
expect_taken("${valid}${texture}")
expect_refused(texture_type "a texture is of PNG colour type 2, 3 or 6" "texture a.png 4x4 5 8\nframe fill FFFFFF\n")
expect_refused(texture_size "a frame is 1 to 256 pixels" "texture a.png 0x4 6 8\nframe fill FFFFFF\n")
expect_refused(frame_first "a frame before the first texture" "frame fill FFFFFF\n${texture}")
expect_refused(unknown_operation "unknown operation \"blur\"" "${texture}frame blur\n")
expect_refused(texture_colour "\"FFFFF\" is not RRGGBB or AARRGGBB" "${texture}frame fill FFFFF\n")
expect_refused(unknown_glyph "no glyph \"star\"" "${texture}frame glyph star 000000\n")
expect_refused(missing_value "\"vgradient\" lacks a value" "${texture}frame vgradient 000000\n")
expect_refused(no_frame "Sample.png has no frame" "texture Skin/Sample.png 4x2 6 8\n")
expect_refused(palette_too_small "4 colours do not fit 1 bits per pixel"
               "texture a.png 4x1 3 1\nframe hgradient 000000 FFFFFF\n")
expect_refused(translucent_truecolour "must be opaque" "texture a.png 4x1 2 8\nframe fill 80FFFFFF\n")
expect_refused(small_cursor "the cursor TINY is not 32 x 32 pixels" "${valid}cursor TINY 0 0\n|.#o|\n")
expect_refused(far_hot_spot "the hot spot of FAR lies outside its 32 x 32 pixels" "${valid}cursor FAR 32 0\n|.|\n")
