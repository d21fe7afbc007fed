# SPDX-License-Identifier: GPL-3.0-or-later
# Bad input to every subcommand: one line on standard error that names what
# is wrong, nothing on standard output, exit status 2.
#   cmake -DSIM=<quimbel-sim> -P bad_input.cmake
set(failures "")

function(refused expected_err)
  execute_process(COMMAND "${SIM}" ${ARGN}
                  INPUT_FILE /dev/null
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT rc STREQUAL "2" OR NOT out STREQUAL "" OR NOT lines EQUAL 1
     OR NOT err MATCHES "${expected_err}")
    set(failures "${failures}\n  quimbel-sim ${ARGN}: status ${rc}, stdout \"${out}\", stderr \"${err}\""
        PARENT_SCOPE)
  endif()
endfunction()

refused("unknown option \"--speed\"" bench --speed 3)
refused("--deals is out of range: 0" bench --deals 0)
refused("--deals is out of range: 1000000001" bench --deals 1000000001)
refused("--seed is out of range: 18446744073709551616" bench --seed 18446744073709551616)
refused("--deals needs a number" bench --deals)
refused("--deals needs a number .*\"ten\"" bench --deals=ten)
refused("unexpected argument \"7\"" bench 7)
refused("--scripts is out of range: 0" soak --scripts 0)
refused("--seed needs a number .*\"-1\"" soak --seed -1)
refused("unknown option \"--deal\"" soak --deal 3)
refused("unexpected argument \"extra\"" script extra)
refused("--human needs first, random, hint, or hint-SEARCH .*, not \"chess\"" duel --human chess)
refused("--versus needs first, random, hint" duel --matches 3 --versus)
refused("--versus needs .*not \"hint-deep\"" duel --versus=hint-deep)
refused("--samples is out of range: 0" duel --samples=0)
refused("unknown subcommand \"play\"" play)
refused("a subcommand is needed")
string(ASCII 27 esc) # shown as an escape, never sent to the terminal
refused("^quimbel-sim bench: unknown option \"--\\\\x1b\\[2J\"\n$" bench "--${esc}[2J")

if(failures)
  message(FATAL_ERROR "not refused as expected:${failures}")
endif()
