# vlt_wine_tests(PREFIX <name> HOST <exe> MODULE <file> CASES <row>...)
# One ctest per row "name|LogPixels|host arguments (comma-separated)": the
# host runs under wine (tests/win32/wine_run.sh) on its own Xvfb, in a copy
# of the prefix tests/win32 makes once per run (fixture wine_prefix).
# Sets <PREFIX>_tests to the names made, for further properties.
function(vlt_wine_tests)
  cmake_parse_arguments(W "" "PREFIX;HOST;MODULE" "CASES" ${ARGN})
  set(run ${CMAKE_SOURCE_DIR}/tests/win32/wine_run.sh ${CMAKE_BINARY_DIR}/tests/win32/wine-template)
  set(made "")
  foreach(row IN LISTS W_CASES)
    string(REPLACE "|" ";" fields "${row}")
    string(REPLACE "," ";" fields "${fields}")
    list(GET fields 0 name)
    list(GET fields 1 dpi)
    list(SUBLIST fields 2 -1 args)
    add_test(NAME ${W_PREFIX}_${name} COMMAND ${run} ${dpi} ${W_HOST} ${W_MODULE} ${args})
    list(APPEND made ${W_PREFIX}_${name})
  endforeach()
  set_tests_properties(${made} PROPERTIES
    FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77 TIMEOUT 240)
  set(${W_PREFIX}_tests ${made} PARENT_SCOPE)
endfunction()
