# SPDX-License-Identifier: GPL-3.0-or-later
# The game started without a display (none named, or one that is not running,
# or a platform that does not exist) prints one line of its own and exits with
# status 1: no abort, no core file, none of Qt's generic advice.
#   cmake -DQUIMBEL=<quimbel> -P no_display.cmake
set(expected "quimbel: Quimbel necesita una pantalla gráfica y no ha podido abrir ninguna.\n")
set(failures "")
# Run directly, not through `cmake -E env`, which would turn an abort into
# status 1; through timeout(1), which stops a game that did start, and waits for
# it, where execute_process's TIMEOUT may leave it running (CMake 3.31).
function(refused platform display)
  set(ENV{QT_QPA_PLATFORM} "${platform}")
  if(display)
    set(ENV{DISPLAY} "${display}")
  else()
    unset(ENV{DISPLAY})
  endif()
  execute_process(COMMAND timeout --kill-after=5 30 "${QUIMBEL}" OUTPUT_VARIABLE out
                  ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc STREQUAL "1" OR NOT out STREQUAL "" OR NOT err STREQUAL expected)
    set(failures "${failures}\n  platform ${platform}, display \"${display}\": status ${rc}, stdout \"${out}\", stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

refused(xcb "")
refused(xcb ":4711")
refused(nonesuch ":4711")

if(failures)
  message(FATAL_ERROR "not refused as expected:${failures}")
endif()
