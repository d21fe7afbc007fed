# SPDX-License-Identifier: GPL-3.0-or-later
# A script with a fault: the events of the lines before it stay printed,
# nothing more is printed on standard output, standard error holds
# "error line L: WHAT" and the exit status is 2.
#   cmake -DSIM=<quimbel-sim> -DWORK=<dir> -P script_errors.cmake
cmake_policy(SET CMP0007 NEW) # keep the empty lines of a script
set(failures "")

function(fault script expected_err)
  set(file "${WORK}/fault.script")
  file(WRITE "${file}" "${script}")
  execute_process(COMMAND "${SIM}" script INPUT_FILE "${file}"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  # Everything before the faulty line runs: the same script cut there.
  string(SUBSTRING "${expected_err}" 11 -1 rest)
  string(REGEX MATCH "^[0-9]+" line "${rest}")
  string(REPLACE "\n" ";" lines "${script}")
  math(EXPR before "${line} - 1")
  set(head "")
  if(before GREATER 0)
    list(SUBLIST lines 0 ${before} kept)
    list(JOIN kept "\n" head)
    set(head "${head}\n")
  endif()
  file(WRITE "${file}" "${head}")
  execute_process(COMMAND "${SIM}" script INPUT_FILE "${file}" OUTPUT_VARIABLE head_out
                  ERROR_VARIABLE head_err RESULT_VARIABLE head_rc)
  if(NOT rc STREQUAL "2" OR NOT err STREQUAL "${expected_err}\n" OR NOT out STREQUAL head_out
     OR NOT head_rc STREQUAL "0")
    set(failures "${failures}\n  ${expected_err}: status ${rc}, stderr \"${err}\"" PARENT_SCOPE)
  endif()
endfunction()

fault("load\nload\n" "error line 2: load twice")
fault("# comment\n\npress barajar\n" "error line 3: press before load")
fault("seed 4\nclick 1\n" "error line 2: click before load")
fault("load\npress barajar\njump\n" "error line 3: unknown command \"jump\"")
fault("load\npress Barajar\n" "error line 2: unknown button \"Barajar\"")
fault("load\npress\n" "error line 2: press needs a button")
fault("load\npress barajar\nclick 11\n" "error line 3: card number 11 is out of range (1 to 10)")
fault("load\nclick 0\n" "error line 2: card number 0 is out of range (1 to 10)")
fault("load\nclick x\n" "error line 2: card number \"x\" is not a number")
fault("seed 18446744073709551616\n" "error line 1: seed 18446744073709551616 is out of range (0 to 18446744073709551615)")
fault("seed -3\n" "error line 1: seed \"-3\" is not a number")
fault("seed\n" "error line 1: seed needs a number")
fault("load now\n" "error line 1: extra word \"now\" after load")
fault("load\npress jugando twice\n" "error line 2: extra word \"twice\" after press")

# The offending text is shown safely: control and other unprintable bytes as
# escapes (so none reaches the terminal and a NUL does not cut the line short),
# a quote and a backslash escaped, a long word cut with a mark.
string(ASCII 27 esc)
string(ASCII 7 bel)
string(ASCII 233 latin1)
fault("load\n${esc}[2J${bel}\n" "error line 2: unknown command \"\\x1b[2J\\x07\"")
fault("load\npress a\"b\\c${latin1}\n" "error line 2: unknown button \"a\\\"b\\\\c\\xe9\"")
string(REPEAT "x" 1000000 long_word)
fault("${long_word}\n" "error line 1: unknown command \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"... (cut from 1000000 bytes)")
string(REPEAT "9" 40 digits)
fault("load\nclick ${digits}\n" "error line 2: card number 99999999999999999999999999999999... (cut from 40 bytes) is out of range (1 to 10)")
# CMake strings hold no NUL byte: printf writes that script.
execute_process(COMMAND printf "load\\nlo\\000ad\\n" OUTPUT_FILE "${WORK}/nul.script")
execute_process(COMMAND "${SIM}" script INPUT_FILE "${WORK}/nul.script"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL "2" OR NOT err STREQUAL "error line 2: unknown command \"lo\\x00ad\"\n")
  set(failures "${failures}\n  a NUL byte: status ${rc}, stderr \"${err}\"")
endif()

if(failures)
  message(FATAL_ERROR "script faults not reported as expected:${failures}")
endif()
