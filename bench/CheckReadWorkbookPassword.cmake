# Runs read_workbook on encrypted workbooks: the right password opens them (their first cell is "lorem ipsum"), a
# wrong one fails with the library's message and exit code 1, and XOR obfuscation stays refused. The RC4 CryptoAPI
# and XOR workbooks come from the corpus and are left out when it is absent.
# Arguments: -DPROGRAM=<read_workbook> -DDATA=<tests/data> -DCORPUS=<corpus folder>

# Runs read_workbook with args; the exit status must be status and the output must contain text.
function(expect_read status text)
    execute_process(COMMAND ${PROGRAM} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE error RESULT_VARIABLE result)
    string(FIND "${out}${error}" "${text}" found)
    if(NOT result EQUAL status OR found EQUAL -1)
        message(FATAL_ERROR "read_workbook ${ARGN} gave status ${result} and:\n${out}${error}\n"
                            "expected status ${status} and the text '${text}'")
    endif()
endfunction()

set(first_cell "0\t0\t0\t4\tlorem ipsum")
set(rc4 ${DATA}/biff/libreoffice-rc4.xls)
expect_read(0 "${first_cell}" --password Tallyvane-41 ${rc4})
expect_read(1 "File is encrypted, password is wrong." --password tallyvane-41 ${rc4})
expect_read(1 "File is encrypted, password missing." ${rc4})

set(msoffcrypto ${CORPUS}/msoffcrypto/tests/inputs)
if(NOT EXISTS ${msoffcrypto}/rc4cryptoapi_password.xls)
    message(STATUS "no corpus at ${CORPUS}: the RC4 CryptoAPI and XOR workbooks are not tried")
    return()
endif()
expect_read(0 "${first_cell}" --password Password1234_ ${msoffcrypto}/rc4cryptoapi_password.xls)
expect_read(1 "File is encrypted, password is wrong." --password Password1234 ${msoffcrypto}/rc4cryptoapi_password.xls)
expect_read(1 "Unknown type of encryption" --password 123456789012345 ${msoffcrypto}/xor_password_123456789012345.xls)
