# vlt_installer_payload(<target> INPUT <file> [DEPENDS <targets...>])
# Makes <target>, an object library that holds the archive of <file> as the
# symbols qelm_payload_data and qelm_payload_size (see payload_data.h); the
# archive's path is the target property VLT_PAYLOAD_ARCHIVE.
function(vlt_installer_payload target)
  set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  cmake_parse_arguments(P "" "INPUT" "DEPENDS" ${ARGN})
  set(archive ${CMAKE_CURRENT_BINARY_DIR}/${target}.tar.gz)
  set(embed ${CMAKE_CURRENT_BINARY_DIR}/${target}_embed.cpp)
  add_custom_command(
    OUTPUT ${archive}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${P_INPUT} -DOUTPUT=${archive} -P ${here}/make_payload.cmake
    DEPENDS ${P_INPUT} ${P_DEPENDS} ${here}/make_payload.cmake
    COMMENT "Packing ${P_INPUT} into ${target}.tar.gz"
    VERBATIM)
  add_custom_target(${target}_archive DEPENDS ${archive})
  configure_file(${here}/payload_embed.cpp.in ${embed} @ONLY)
  set_source_files_properties(${embed} PROPERTIES OBJECT_DEPENDS ${archive})
  add_library(${target} OBJECT ${embed})
  target_include_directories(${target} PRIVATE ${here}/..)
  add_dependencies(${target} ${target}_archive)
  set_property(TARGET ${target} PROPERTY VLT_PAYLOAD_ARCHIVE ${archive})
endfunction()
