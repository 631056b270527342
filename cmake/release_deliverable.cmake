# vlt_release_deliverable(<target>)
# What lands in dist/ is stripped. Its debug information stays in the build
# tree as debug/<file>.debug, named by a debug link in the deliverable
# (gdb: symbol-file build/debug/VLT650.so.debug). Stripping removes symbols and
# debug sections only: the code the tests and renders run is what was linked.
set(VLT_DEBUG_DIR ${CMAKE_BINARY_DIR}/debug)
file(MAKE_DIRECTORY ${VLT_DEBUG_DIR})

# A PE file keeps its import symbols in the COFF symbol table after
# --strip-unneeded; nothing reads that table at run time, so a Windows
# deliverable loses all of it.
if(WIN32)
  set(VLT_STRIP_FLAG --strip-all)
else()
  set(VLT_STRIP_FLAG --strip-unneeded)
endif()

function(vlt_release_deliverable target)
  set(file $<TARGET_FILE:${target}>)
  set(debug ${VLT_DEBUG_DIR}/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${debug}
    COMMAND ${CMAKE_STRIP} ${VLT_STRIP_FLAG} ${file}
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${debug} ${file}
    COMMENT "Stripping ${target}; its debug information goes to debug/"
    VERBATIM)
endfunction()
