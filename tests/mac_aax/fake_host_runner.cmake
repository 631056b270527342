# The fake AAX host on GNUstep, as the macOS AAX tests and benchmarks run
# it: the host objects, the bundle loader, the NSView container on a host
# window, in one library; each runner adds its own sources and the plug-in
# bundle it opens.
set(vlt_aax_tests ${CMAKE_SOURCE_DIR}/tests/aax)
set(vlt_mac_aax_tests ${CMAKE_CURRENT_LIST_DIR})

if(NOT TARGET mac_aax_fake_host)
  add_library(mac_aax_fake_host STATIC
    ${vlt_aax_tests}/fake_host.cpp
    ${vlt_aax_tests}/fake_host_gtest.cpp
    ${vlt_aax_tests}/module_loader.cpp
    ${vlt_mac_aax_tests}/module_loader_bundle.mm
    ${vlt_mac_aax_tests}/gui_host.mm
    ${vlt_mac_aax_tests}/nsview_container.mm)
  target_include_directories(mac_aax_fake_host PUBLIC
    ${vlt_aax_tests} ${vlt_mac_aax_tests} ${CMAKE_SOURCE_DIR}/plugin/aax)
  target_link_libraries(mac_aax_fake_host PUBLIC
    vlt_aax_mac_view_support vlt_mac_host GNUstep::gui GTest::gtest ${CMAKE_DL_LIBS})
endif()

# vlt_mac_aax_runner(<target> MODULE <plug-in bundle> SOURCES <file>...)
function(vlt_mac_aax_runner target)
  cmake_parse_arguments(R "" "MODULE" "SOURCES" ${ARGN})
  add_executable(${target} ${vlt_aax_tests}/module_fixture.cpp ${R_SOURCES})
  target_compile_definitions(${target} PRIVATE VLT_AAX_MODULE_PATH="${R_MODULE}")
  target_link_libraries(${target} PRIVATE mac_aax_fake_host)
endfunction()
