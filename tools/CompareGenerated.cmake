# Runs GENERATOR with SCRATCH and ARGUMENTS, writing every file it generates into SCRATCH, and fails when one differs
# from the file committed under SOURCE_ROOT; the message names REGENERATE, the target that writes them into the tree.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} ${ARGUMENTS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed")
endif()
file(GLOB_RECURSE generated RELATIVE ${SCRATCH} ${SCRATCH}/*)
if(NOT generated)
    message(FATAL_ERROR "${GENERATOR} wrote nothing")
endif()
foreach(path IN LISTS generated)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${path} ${SOURCE_ROOT}/${path}
                    RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        message(SEND_ERROR "${path} differs from what its table generates: build ${REGENERATE}")
    endif()
endforeach()
