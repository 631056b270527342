# Compiles SOURCE with the given defines (comma-separated) and checks that it
# compiles (EXPECT "ok") or is refused with the text EXPECT, and that no X11
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
if(NOT EXPECT STREQUAL "ok")
  if(rc EQUAL 0)
    message(FATAL_ERROR "compiled with ${DEFINES}")
  endif()
  string(FIND "${err}" "${EXPECT}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "refused for another reason than '${EXPECT}':\n${err}")
  endif()
  return()
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "does not compile with ${DEFINES}:\n${err}")
endif()
if(err MATCHES "/X11/")
  message(FATAL_ERROR "an X11 header was read:\n${err}")
endif()
