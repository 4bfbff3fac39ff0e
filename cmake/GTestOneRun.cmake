# Registers a GoogleTest program so that it runs once, in one process, while
# CTest still lists every test case by name.
#
#   kestrel_add_gtest_run(TARGET <program> [LABELS <label>...]
#                         [TIME_LIMIT <seconds>] [RUN_SERIAL])
#
# Under Wine every process start costs over a second, so a test per process
# spends most of its time starting Wine. Instead a test named "run <program>"
# runs the whole program once (through the cross-compiling emulator, if any)
# and keeps its XML results and its output. One test per test case, found
# by scanning the program's sources as gtest_add_tests does, then reads its
# own verdict from those results. A value-parameterised test is one entry
# that covers all of its instances.
#
# When the emulator reports that the program cannot run here (exit code 77),
# the run and every test case are reported as skipped.

set(KESTREL_GTEST_RUN_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/gtest_run_program.cmake")
set(KESTREL_GTEST_CASE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/gtest_case_verdict.cmake")
# Both scripts print this first when the program could not run here.
set(KESTREL_GTEST_SKIP_REGEX "^skipped: ")

# The GoogleTest filter names of the tests defined in SOURCES: "Suite.Name",
# "*/Suite.Name/*" for value-parameterised ones (any instantiation, any
# value), "Suite/*.Name" and "*/Suite/*.Name" for typed ones. Commented-out
# tests and DISABLED_ ones are left out.
function(kestrel_scan_gtest_names out_var)
  set(names)
  set(type_regex "(TYPED_TEST_P|TYPED_TEST|TEST_P|TEST_F|TEST)")
  foreach(source IN LISTS ARGN)
    get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(NOT path MATCHES "\\.(c|cc|cpp|cxx)$")
      continue()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
    file(READ "${path}" contents)
    string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" contents "${contents}")
    string(REGEX REPLACE "//[^\n]*" "" contents "${contents}")
    string(REGEX MATCHALL "(^|[^A-Za-z_0-9])${type_regex} *\\( *[A-Za-z_0-9]+ *, *[A-Za-z_0-9]+ *\\)" hits "${contents}")
    foreach(hit IN LISTS hits)
      string(REGEX MATCH "${type_regex} *\\( *([A-Za-z_0-9]+) *, *([A-Za-z_0-9]+) *\\)" hit "${hit}")
      set(kind "${CMAKE_MATCH_1}")
      set(suite "${CMAKE_MATCH_2}")
      set(test "${CMAKE_MATCH_3}")
      if(suite MATCHES "^DISABLED_" OR test MATCHES "^DISABLED_")
        continue()
      endif()
      if(kind STREQUAL "TEST_P")
        list(APPEND names "*/${suite}.${test}/*")
      elseif(kind STREQUAL "TYPED_TEST_P")
        list(APPEND names "*/${suite}/*.${test}")
      elseif(kind STREQUAL "TYPED_TEST")
        list(APPEND names "${suite}/*.${test}")
      else()
        list(APPEND names "${suite}.${test}")
      endif()
    endforeach()
  endforeach()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

function(kestrel_add_gtest_run)
  cmake_parse_arguments(ARG "RUN_SERIAL" "TARGET;TIME_LIMIT" "LABELS" ${ARGN})
  if(NOT TARGET "${ARG_TARGET}")
    message(FATAL_ERROR "kestrel_add_gtest_run: no target '${ARG_TARGET}'")
  endif()
  if(NOT ARG_TIME_LIMIT)
    set(ARG_TIME_LIMIT 600)
  endif()

  get_property(sources TARGET ${ARG_TARGET} PROPERTY SOURCES)
  kestrel_scan_gtest_names(cases ${sources})
  if(NOT cases)
    message(FATAL_ERROR "kestrel_add_gtest_run: no tests found in the sources of ${ARG_TARGET}")
  endif()

  # Relative to the working directory, so the program finds them by the same
  # name whether or not it runs under an emulator with its own idea of paths.
  set(results "${ARG_TARGET}-results.xml")
  set(log "${ARG_TARGET}-output.log")
  set(status "${ARG_TARGET}-status.txt")
  set(workdir "${CMAKE_CURRENT_BINARY_DIR}")
  # The emulator is a list; keep it one argument on the way through CTest.
  string(REPLACE ";" "$<SEMICOLON>" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")

  set(run_test "run ${ARG_TARGET}")
  set(fixture "${ARG_TARGET}_results")
  add_test(NAME "${run_test}"
    COMMAND ${CMAKE_COMMAND}
      "-DPROGRAM=$<TARGET_FILE:${ARG_TARGET}>"
      "-DEMULATOR=${emulator}"
      "-DRESULTS=${results}" "-DLOG=${log}" "-DSTATUS=${status}"
      "-DTIME_LIMIT=${ARG_TIME_LIMIT}"
      -P "${KESTREL_GTEST_RUN_SCRIPT}"
    WORKING_DIRECTORY "${workdir}")
  # CTest's own limit only stops a run the script failed to stop itself.
  math(EXPR ctest_limit "${ARG_TIME_LIMIT} + 60")
  set_tests_properties("${run_test}" PROPERTIES
    FIXTURES_SETUP "${fixture}"
    SKIP_REGULAR_EXPRESSION "${KESTREL_GTEST_SKIP_REGEX}"
    TIMEOUT ${ctest_limit})
  if(ARG_RUN_SERIAL)
    set_tests_properties("${run_test}" PROPERTIES RUN_SERIAL ON)
  endif()
  if(ARG_LABELS)
    set_tests_properties("${run_test}" PROPERTIES LABELS "${ARG_LABELS}")
  endif()

  list(REMOVE_DUPLICATES cases)
  foreach(case IN LISTS cases)
    add_test(NAME "${case}"
      COMMAND ${CMAKE_COMMAND}
        "-DCASE=${case}" "-DPROGRAM_NAME=${ARG_TARGET}"
        "-DRESULTS=${results}" "-DLOG=${log}" "-DSTATUS=${status}"
        -P "${KESTREL_GTEST_CASE_SCRIPT}"
      WORKING_DIRECTORY "${workdir}")
    set_tests_properties("${case}" PROPERTIES
      FIXTURES_REQUIRED "${fixture}"
      SKIP_REGULAR_EXPRESSION "${KESTREL_GTEST_SKIP_REGEX}"
      TIMEOUT 60)
    if(ARG_LABELS)
      set_tests_properties("${case}" PROPERTIES LABELS "${ARG_LABELS}")
    endif()
  endforeach()
endfunction()
