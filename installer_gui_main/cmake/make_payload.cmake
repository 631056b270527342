# Packs one library into a gzip-compressed tar archive whose bytes depend on
# the library's bytes alone: a single member VLT650.so, owner 0/0, mode 0644,
# fixed mtime, no name or time in the gzip header.
#   cmake -DINPUT=lib.so -DOUTPUT=out.tar.gz [-DMTIME=seconds] -P make_payload.cmake
if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "make_payload: INPUT and OUTPUT are required")
endif()
if(NOT DEFINED MTIME)
  set(MTIME 1704067200)
endif()
find_program(TAR tar REQUIRED)
find_program(GZIP gzip REQUIRED)

set(stage "${OUTPUT}.stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY_FILE "${INPUT}" "${stage}/VLT650.so")

execute_process(
  COMMAND ${TAR} --format=ustar --owner=0 --group=0 --numeric-owner --mode=0644
          --mtime=@${MTIME} -C "${stage}" -cf "${stage}/payload.tar" VLT650.so
  RESULT_VARIABLE tar_rc)
if(NOT tar_rc EQUAL 0)
  message(FATAL_ERROR "make_payload: tar failed (${tar_rc})")
endif()
execute_process(
  COMMAND ${GZIP} -n -9 -c "${stage}/payload.tar"
  OUTPUT_FILE "${OUTPUT}.part"
  RESULT_VARIABLE gz_rc)
if(NOT gz_rc EQUAL 0)
  message(FATAL_ERROR "make_payload: gzip failed (${gz_rc})")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
file(REMOVE_RECURSE "${stage}")
