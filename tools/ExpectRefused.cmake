# Helpers of the generators' tests of tables with mistakes, run in SCRATCH with GENERATOR.

# Empties SCRATCH and checks that GENERATOR takes the valid table text, on which the mistakes are built.
function(expect_taken valid)
    file(REMOVE_RECURSE ${SCRATCH})
    file(MAKE_DIRECTORY ${SCRATCH})
    file(WRITE ${SCRATCH}/valid.tbl "${valid}")
    execute_process(COMMAND ${GENERATOR} ${SCRATCH} ${SCRATCH}/valid.tbl RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the valid table was refused")
    endif()
endfunction()

# Writes the table text to SCRATCH/<name>.tbl, beside the tables written before, and fails the test unless GENERATOR
# takes it.
function(expect_taken_beside name)
    file(WRITE ${SCRATCH}/${name}.tbl "${ARGN}")
    execute_process(COMMAND ${GENERATOR} ${SCRATCH} ${SCRATCH}/${name}.tbl RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(SEND_ERROR "${name}: the table was refused: ${error}")
    endif()
endfunction()

# Writes the table text to SCRATCH/<name>.tbl and fails the test unless GENERATOR refuses it with a message matching
# expected.
function(expect_refused name expected)
    set(table ${SCRATCH}/${name}.tbl)
    file(WRITE ${table} "${ARGN}")
    execute_process(COMMAND ${GENERATOR} ${SCRATCH} ${table} RESULT_VARIABLE result ERROR_VARIABLE error)
    if(result EQUAL 0)
        message(SEND_ERROR "${name}: the table was taken")
    elseif(NOT error MATCHES "${expected}")
        message(SEND_ERROR "${name}: expected \"${expected}\", got: ${error}")
    endif()
endfunction()
