# SPDX-License-Identifier: MIT
# The coach's command line: each command's shape, and bad arguments that end
# with status 2 and one line naming the argument.
function(run expected_status)
    execute_process(COMMAND "${TOOL}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "coach ${ARGN}: status ${status}, expected ${expected_status}: ${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

run(0 expected)
if(NOT out MATCHES "^[1-9][0-9]*\\.[0-9][0-9]\n$")
    message(FATAL_ERROR "expected printed: ${out}")
endif()
run(0 thresholds)
if(NOT out MATCHES "^1 [0-9]+ [0-9]+\n2 [0-9]+ [0-9]+\n3 [0-9]+ [0-9]+\n4 [0-9]+ [0-9]+\n5 [0-9]+ [0-9]+\n6 [0-9]+ [0-9]+\n$")
    message(FATAL_ERROR "thresholds printed: ${out}")
endif()
# Two dice left with 2000 committed: keep the five and bank it.
run(0 best --roll 5,2 --committed 2000)
if(NOT out MATCHES "^5 bank 2050\\.00\n- bank 2000\\.00\n5 roll 1 [0-9.]+\n$")
    message(FATAL_ERROR "best printed: ${out}")
endif()
run(0 --help)
run(1 history "${CMAKE_CURRENT_BINARY_DIR}/no-such-history.sqlite3")

foreach(case "--roll;best --roll 1,7" "--roll;best --roll 1,1,1,1,1,1,1" "--roll;best --committed 50"
             "--committed;best --roll 1 --committed 75" "--committed;best --roll 1 --committed -50"
             "--rounds-left;best --roll 1 --rounds-left 11" "--fast;best --roll 1 --fast"
             "dance;dance" "x;round x" "FILE;history" "FILE;history a b")
    list(POP_FRONT case name)
    separate_arguments(args UNIX_COMMAND "${case}")
    run(2 ${args})
    string(FIND "${err}" "${name}" named)
    if(named EQUAL -1 OR NOT err MATCHES "^pelbixsolo-coach: [^\n]+\n$")
        message(FATAL_ERROR "coach ${case}: the one-line error does not name ${name}: ${err}")
    endif()
endforeach()
