# Code generators run on the build machine. A cross build (mingw) cannot run
# what it compiles, so it builds the generators (tools/afx_generators) in a
# nested native tree of this project, narrowed to them and the drawing core
# they draw with, and imports them under the names the native tree gives
# them: afx/core then uses them either way.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
include(ExternalProject)

set(VLT_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(vlt_host_tools afx_font_compile tools/afx_generators afx_artwork_gen tools/afx_generators)
set(vlt_host_tool_files "")
set(vlt_host_tool_names "")
while(vlt_host_tools)
  list(POP_FRONT vlt_host_tools name folder)
  list(APPEND vlt_host_tool_names ${name})
  list(APPEND vlt_host_tool_files ${VLT_HOST_TOOLS_DIR}/${folder}/${name})
endwhile()

# Under make the nested build shares the outer jobserver ($(MAKE)).
if(CMAKE_GENERATOR MATCHES "Makefiles")
  set(vlt_host_tools_build $(MAKE))
else()
  set(vlt_host_tools_build ${CMAKE_COMMAND} --build ${VLT_HOST_TOOLS_DIR} --target)
endif()

# The nested tree gets none of this tree's toolchain or flags, only the
# build type, so the generators are the native tree's programs.
ExternalProject_Add(vlt_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${VLT_HOST_TOOLS_DIR}
  LIST_SEPARATOR |
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DVLT_PLATFORM=linux -DVLT_BUILD_TESTS=OFF
             -DVLT_AREAS=tools/afx_generators|afx/core -DVLT_DIST_DIR=${VLT_HOST_TOOLS_DIR}/dist
  BUILD_COMMAND ${vlt_host_tools_build} ${vlt_host_tool_names}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${vlt_host_tool_files})

foreach(name file IN ZIP_LISTS vlt_host_tool_names vlt_host_tool_files)
  add_executable(${name} IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${file})
endforeach()
