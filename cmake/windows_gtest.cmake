# Platform-free test suites as Windows programs.
#
# The Windows tree builds GoogleTest from Debian's sources and the suites
# named in VLT_WINDOWS_TEST_AREAS; the native tree's ctest runs each suite's
# .exe whole under wine, in a copy of the wine prefix its fixture makes.
# A suite opts in with one call after its add_executable:
#   vlt_windows_gtest(<test target> [EXCLUDE <gtest pattern>...])
# EXCLUDE names cases whose expectations are the Linux build's own answers.

set(VLT_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "Debian's GoogleTest sources (package googletest)")
set(VLT_WINDOWS_TREE ${CMAKE_SOURCE_DIR}/build-windows CACHE PATH "The Windows build tree the native tests run from")
# Made by the wine_prefix fixture (tests/win32), copied by every wine test.
set(VLT_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/tests/win32/wine-template)
set(VLT_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/win32/wine_run.sh)

# Test folders the Windows tree builds: only suites that need no X, no
# audio host and no Linux library.
set(VLT_WINDOWS_TEST_AREAS
  tests/support
  tests/dsp
  tests/afx_core
  tests/editor
  tests/vst2
  tests/vst3
  tests/aax)

# Windows tree: GoogleTest under the names find_package(GTest) gives
# natively (newer sources define them themselves), then the suites' folders.
function(vlt_windows_test_suites)
  if(NOT EXISTS ${VLT_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(STATUS "No GoogleTest sources at ${VLT_GTEST_SOURCE_DIR}: no Windows test suites")
    return()
  endif()
  set(BUILD_GMOCK OFF)
  set(INSTALL_GTEST OFF)
  add_subdirectory(${VLT_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Third-party code: our warning flags are not its concern.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
  foreach(lib gtest gtest_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()

  # The suites' own ctest entries come from the native tree; discovery here
  # would run each program at build time.
  include(GoogleTest)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  foreach(area IN LISTS VLT_WINDOWS_TEST_AREAS)
    vlt_area_enabled(${area} area_on)
    if(area_on)
      add_subdirectory(${CMAKE_SOURCE_DIR}/${area} ${CMAKE_BINARY_DIR}/${area})
    endif()
  endforeach()
endfunction()

# Native tree: one ctest entry running the suite's Windows program under
# wine (skipped, 77, when mingw or wine is missing). Windows tree: nothing,
# the program is built with the tree.
function(vlt_windows_gtest target)
  if(NOT VLT_PLATFORM STREQUAL "linux" OR CMAKE_CROSSCOMPILING)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "EXCLUDE")
  set(filter "")
  if(arg_EXCLUDE)
    list(JOIN arg_EXCLUDE ":" excluded)
    set(filter "--gtest_filter=-${excluded}")
  endif()
  file(RELATIVE_PATH folder ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  set(exe ${VLT_WINDOWS_TREE}/${folder}/${target}.exe)
  add_test(NAME wine_${target}
    COMMAND ${VLT_WINE_RUN} ${VLT_WINE_TEMPLATE} 96 ${exe} --gtest_brief=1 ${filter})
  set_tests_properties(wine_${target} PROPERTIES
    FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77 TIMEOUT 300)
endfunction()
