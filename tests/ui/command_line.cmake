# SPDX-License-Identifier: GPL-3.0-or-later
# The game's command line on a machine with no display: --help and --version
# answer on standard output with status 0; an option or argument the game does
# not know gets one line on standard error and status 2, nothing on standard
# output. Without an option, and with Qt's own -platform, the game starts: it
# is still running when the test stops it.
# Every run goes through timeout(1), which ends the game (SIGTERM, SIGKILL 5 s
# later) and waits for it: execute_process's own TIMEOUT stops it in CMake
# 3.25 but leaves it running in 3.31, and a test must not leave a game behind.
#   cmake -DQUIMBEL=<quimbel> -DVERSION=<project version> -P command_line.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
set(failures "")

# The game's status, or 124 when it was still running after `seconds`.
function(run_for seconds)
  execute_process(COMMAND timeout --kill-after=5 ${seconds} "${QUIMBEL}" ${ARGN}
                  INPUT_FILE /dev/null OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(answers expected_out)
  run_for(20 ${ARGN})
  if(NOT rc STREQUAL "0" OR NOT err STREQUAL "" OR NOT out MATCHES "${expected_out}")
    set(failures "${failures}\n  quimbel ${ARGN}: status ${rc}, stdout \"${out}\", stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

function(refused expected_err)
  run_for(20 ${ARGN})
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT rc STREQUAL "2" OR NOT out STREQUAL "" OR NOT lines EQUAL 1
     OR NOT err MATCHES "^quimbel: ${expected_err}")
    set(failures "${failures}\n  quimbel ${ARGN}: status ${rc}, stdout \"${out}\", stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

function(starts)
  run_for(2 ${ARGN})
  if(NOT rc STREQUAL "124")
    set(failures "${failures}\n  quimbel ${ARGN}: ended with status ${rc}, stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

answers("^quimbel ${VERSION}\n$" --version)
answers("^quimbel ${VERSION}\n$" -v)
answers("^Usage: quimbel .*--help.*--version" --help)
answers("^Usage: quimbel " -h)
refused("unknown option \"--fullscreen\"" --fullscreen)
refused("unknown option \"-x\"" -x 3)
refused("unexpected argument \"partida\"" partida)
refused("option \"--version\" takes no value" --version=2)
refused("option \"-style\" needs a value" -style)

starts(-platform offscreen)
set(ENV{QT_QPA_PLATFORM} offscreen)
starts()

if(failures)
  message(FATAL_ERROR "the command line was not answered as expected:${failures}")
endif()
