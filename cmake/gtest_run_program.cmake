cmake_minimum_required(VERSION 3.21)

# Runs a GoogleTest program once and keeps what each test case needs to find
# its verdict (see GTestOneRun.cmake):
#   cmake -DPROGRAM=... [-DEMULATOR=...] -DRESULTS=... -DLOG=... -DSTATUS=...
#         -DTIME_LIMIT=seconds -P gtest_run_program.cmake
# RESULTS is GoogleTest's XML report, LOG the program's output, STATUS how
# the run ended. This passes whenever the program could be started, even if
# tests failed or it crashed: the test cases report that themselves, and a
# failed run here would keep CTest from running them at all.

foreach(var PROGRAM RESULTS LOG STATUS TIME_LIMIT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "gtest_run_program: ${var} is not set")
  endif()
endforeach()

# Nothing from an earlier run may stand in for this one.
file(REMOVE "${RESULTS}" "${LOG}" "${STATUS}")

string(TIMESTAMP started "%s")
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}" "--gtest_output=xml:${RESULTS}"
  RESULT_VARIABLE exit_code
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output
  TIMEOUT ${TIME_LIMIT})
string(TIMESTAMP finished "%s")
math(EXPR seconds "${finished} - ${started}")

file(WRITE "${LOG}" "${output}")
if(exit_code STREQUAL "77")
  file(WRITE "${STATUS}" "skipped\n")
  message("skipped: ${PROGRAM} cannot run here\n${output}")
  return()
endif()

if(NOT exit_code MATCHES "^[0-9]+$")
  # Not an exit code but why there is none, e.g. the time limit.
  set(ending "${exit_code} (after ${seconds} s, limit ${TIME_LIMIT} s)")
else()
  set(ending "exit code ${exit_code} after ${seconds} s")
endif()
file(WRITE "${STATUS}" "${ending}\n")
message("${output}")
message("${PROGRAM}: ${ending}")
if(NOT EXISTS "${RESULTS}")
  message("${PROGRAM} wrote no results; every test case of it fails.")
endif()
