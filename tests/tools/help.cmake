# SPDX-License-Identifier: GPL-3.0-or-later
# quimbel-sim --version, and --help alone or on each subcommand: the text on
# standard output, nothing on standard error, exit status 0.
#   cmake -DSIM=<quimbel-sim> -DVERSION=<project version> -P help.cmake
set(failures "")

function(answers expected_out)
  execute_process(COMMAND "${SIM}" ${ARGN}
                  INPUT_FILE /dev/null
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc STREQUAL "0" OR NOT err STREQUAL "" OR NOT out MATCHES "${expected_out}")
    set(failures "${failures}\n  quimbel-sim ${ARGN}: status ${rc}, stdout \"${out}\", stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

answers("^quimbel-sim ${VERSION}\n$" --version)
answers("^usage: quimbel-sim script .*bench.*soak.*duel" --help)
answers("^usage: quimbel-sim script < SCRIPT\n" script --help)
answers("^usage: quimbel-sim bench \\[--deals N\\] \\[--seed S\\]\n" bench --help)
answers("^usage: quimbel-sim bench " bench --deals 5 -h)
answers("^usage: quimbel-sim soak \\[--scripts N\\]" soak --help)
answers("^usage: quimbel-sim duel \\[--matches N\\]" duel --matches 3 --help)

if(failures)
  message(FATAL_ERROR "not answered as expected:${failures}")
endif()
