# SPDX-License-Identifier: MIT
# The pelbixsolo-lzrw1 command line: round trips in every mode, the advice, and a
# failure that ends with the compressor's message on stderr and status 1.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
string(REPEAT "three pairs of fives and a straight\r\n" 200 text)
file(WRITE "${WORK}/in.txt" "${text}")

function(run expected_status)
    execute_process(COMMAND "${TOOL}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "pelbixsolo-lzrw1 ${ARGN}: status ${status}, expected ${expected_status}: ${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

foreach(mode fast good auto)
    run(0 c ${mode} "${WORK}/in.txt" "${WORK}/${mode}.tld")
    run(0 d "${WORK}/${mode}.tld" "${WORK}/${mode}.txt")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/in.txt" "${WORK}/${mode}.txt"
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${mode}: round trip differs")
    endif()
endforeach()

run(0 advise "${WORK}/in.txt")
if(NOT out MATCHES "^good\nLzrw1 recommends GOOD compression :  small file !!")
    message(FATAL_ERROR "advise printed: ${out}")
endif()

run(1 d "${WORK}/in.txt" "${WORK}/never.txt")
if(NOT err STREQUAL "${WORK}/in.txt : Lzrw1 decompression : this file has no valid header !\n")
    message(FATAL_ERROR "wrong message: ${err}")
endif()
if(EXISTS "${WORK}/never.txt")
    message(FATAL_ERROR "failed decompression left its output")
endif()

run(2 c fastest "${WORK}/in.txt" "${WORK}/x.tld")
