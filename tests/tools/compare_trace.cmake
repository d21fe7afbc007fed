# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `quimbel-sim script` on SCRIPT and compares its output byte for byte
# with the .trace file next to it. When a .err file is there too, the run must
# end with status 2 and exactly that text on standard error; otherwise with
# status 0 and nothing on standard error.
#   cmake -DSIM=<quimbel-sim> -DSCRIPT=<x.script> -P compare_trace.cmake
string(REGEX REPLACE "\\.script$" "" base "${SCRIPT}")
file(READ "${base}.trace" expected_out)
set(expected_err "")
set(expected_rc 0)
if(EXISTS "${base}.err")
  file(READ "${base}.err" expected_err)
  set(expected_rc 2)
endif()

execute_process(COMMAND "${SIM}" script
                INPUT_FILE "${SCRIPT}"
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)

get_filename_component(name "${SCRIPT}" NAME_WE)
set(failed "")
if(NOT out STREQUAL expected_out)
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual" "${out}")
  execute_process(COMMAND diff -u "${base}.trace" "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
  string(APPEND failed " the trace differs (written to ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual);")
endif()
if(NOT err STREQUAL expected_err)
  string(APPEND failed " standard error was \"${err}\", expected \"${expected_err}\";")
endif()
if(NOT rc STREQUAL expected_rc)
  string(APPEND failed " exit status ${rc}, expected ${expected_rc};")
endif()
if(failed)
  message(FATAL_ERROR "${name}:${failed}")
endif()
