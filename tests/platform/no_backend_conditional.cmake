# Fails when HEADER holds a preprocessor conditional on the backend, the
# build variant or the platform, or when it reads differently under the
# backends' defines (DEFINE_SETS: one comma-separated set per backend), which
# catches a conditional however it is spelled, also in what HEADER includes.
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
file(READ "${root}/${HEADER}" text)
string(REPLACE "\\\n" " " text "${text}")  # continued directives as one line
string(REPLACE ";" "," text "${text}")
string(REPLACE "\n" ";" lines "${text}")
set(platform_macros "AFX_BACKEND_|VLT_BUILD_|VLT_PLATFORM|_WIN32|_WIN64|__APPLE__|__MACH__|__linux__|__OBJC__|GNUSTEP")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*#[ \t]*(if|ifdef|ifndef|elif|elifdef|elifndef)[ \t(]"
     AND line MATCHES "${platform_macros}")
    message(FATAL_ERROR "${HEADER} has a conditional on the platform: ${line}")
  endif()
endforeach()

separate_arguments(flags UNIX_COMMAND "${FLAGS}")
file(MAKE_DIRECTORY ${BINARY})
file(WRITE ${BINARY}/only_header.cpp "#include \"${HEADER}\"\n")
set(first "")
foreach(set IN LISTS DEFINE_SETS)
  string(REPLACE "," ";" defines "${set}")
  set(define_args)
  foreach(d IN LISTS defines)
    list(APPEND define_args -D${d})
  endforeach()
  execute_process(
    COMMAND ${CXX} -std=c++20 -E -P ${flags} ${define_args} ${BINARY}/only_header.cpp
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${HEADER} does not preprocess with ${set}:\n${err}")
  endif()
  if(first STREQUAL "")
    set(first "${out}")
    set(first_set "${set}")
  elseif(NOT out STREQUAL first)
    message(FATAL_ERROR "${HEADER} reads differently with ${set} than with ${first_set}")
  endif()
endforeach()
