# Runs GENERATOR on tables with one mistake each, in SCRATCH, and fails unless each is refused with its message.
include(${CMAKE_CURRENT_LIST_DIR}/../ExpectRefused.cmake)

set(valid [=[
function 0 COUNT 1-254
function 1 IF 2-3
biff 0 COUNT 1-99 R
biff 1 IF 2-3 VVV
biff 2 GOTO macro
]=])

expect_taken("${valid}")
expect_refused(ids_out_of_order "the id 1 does not follow the one before it" "${valid}function 1 SUM 1-254\n")
expect_refused(second_name "a second function \"IF\"" "${valid}function 4 IF 1-1\n")
expect_refused(lower_case "the name \"Sum\" has a character other than" "${valid}function 4 Sum 1-254\n")
expect_refused(counts_reversed "the argument counts 3-2 are out of order" "${valid}function 4 SUM 3-2\n")
expect_refused(biff_gap "the biff numbers must run 0, 1, 2" "${valid}biff 4 SUM 1-99 R\n")
expect_refused(biff_classes "the classes \"RX\" are not at most six of R, V and A" "${valid}biff 3 SUM 1-99 RX\n")
expect_refused(unknown_line "unknown line \"fuction\"" "${valid}fuction 4 SUM 1-254\n")
