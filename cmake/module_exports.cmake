# vlt_module_exports(<target> SYMBOLS <name>...)
# A plug-in module exports its host entry points and nothing else. The list
# is written once here and turned into what the platform's linker reads:
# a version script for ELF (which also hides the static libraries' symbols),
# a .def file for mingw, which otherwise exports every global of a DLL.
# Unresolved symbols fail the link on ELF as they always do on PE.
function(vlt_module_exports target)
  cmake_parse_arguments(E "" "" "SYMBOLS" ${ARGN})
  if(VLT_PLATFORM STREQUAL "windows")
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
    list(JOIN E_SYMBOLS "\n  " lines)
    file(CONFIGURE OUTPUT ${def} CONTENT "EXPORTS\n  ${lines}\n")
    target_sources(${target} PRIVATE ${def})
  else()
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    list(JOIN E_SYMBOLS ";\n    " lines)
    file(CONFIGURE OUTPUT ${map} CONTENT "{\n  global:\n    ${lines};\n  local:\n    *;\n};\n")
    target_link_options(${target} PRIVATE -Wl,--version-script=${map} -Wl,-z,defs)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  endif()
endfunction()
