# Compiles SOURCE with the given defines (comma-separated) and checks
# that it compiles (EXPECT "ok") or does not (EXPECT "fail"), and that no X11
# header was read on the way.
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
string(REPLACE "," ";" DEFINES "${DEFINES}")
set(define_args)
foreach(d IN LISTS DEFINES)
  list(APPEND define_args -D${d})
endforeach()
execute_process(
  COMMAND ${CXX} -std=c++20 -fsyntax-only -H ${flags} ${define_args} ${SOURCE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(EXPECT STREQUAL "fail")
  if(rc EQUAL 0)
    message(FATAL_ERROR "compiled with ${DEFINES}")
  endif()
  if(NOT err MATCHES "exactly one of AFX_BACKEND_X11")
    message(FATAL_ERROR "refused for another reason:\n${err}")
  endif()
  return()
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "does not compile with ${DEFINES}:\n${err}")
endif()
if(err MATCHES "/X11/")
  message(FATAL_ERROR "an X11 header was read:\n${err}")
endif()
