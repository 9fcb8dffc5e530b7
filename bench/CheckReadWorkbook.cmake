# Runs read_workbook as the peer comparison does: the cell listing of a fixture must match its expected listing, and a
# file that cannot be read must give exit code 1 and a message on standard error.
# Arguments: -DPROGRAM=<read_workbook> -DWORKBOOK=<fixture> -DEXPECTED=<listing>
execute_process(COMMAND ${PROGRAM} ${WORKBOOK} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0 OR NOT listing STREQUAL expected)
    message(FATAL_ERROR "read_workbook ${WORKBOOK} gave status ${status} and:\n${listing}\nexpected:\n${expected}")
endif()

execute_process(COMMAND ${PROGRAM} --summary ${WORKBOOK}.missing OUTPUT_VARIABLE out ERROR_VARIABLE error
                RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR error STREQUAL "")
    message(FATAL_ERROR "a missing file gave status ${status} and the message '${error}'")
endif()
