# Configures SOURCE into BINARY with VLT_PLATFORM=PLATFORM (empty: the
# toolchain's default) and checks the outcome: EXPECT is "fail" or a text the
# configure output must contain.
file(REMOVE_RECURSE ${BINARY})
set(platform_arg)
if(NOT PLATFORM STREQUAL "")
  set(platform_arg -DVLT_PLATFORM=${PLATFORM})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -DVLT_ROOT=${VLT_ROOT} ${platform_arg}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE_RECURSE ${BINARY})
if(EXPECT STREQUAL "fail")
  if(rc EQUAL 0)
    message(FATAL_ERROR "configuring with VLT_PLATFORM=${PLATFORM} succeeded:\n${out}")
  endif()
  if(NOT err MATCHES "Unknown VLT_PLATFORM '${PLATFORM}'")
    message(FATAL_ERROR "failed without naming the platform:\n${err}")
  endif()
elseif(NOT rc EQUAL 0)
  message(FATAL_ERROR "configure failed:\n${out}\n${err}")
else()
  string(FIND "${out}" "${EXPECT}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected '${EXPECT}' in:\n${out}")
  endif()
endif()
