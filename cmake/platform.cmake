# The one place that maps the toolchain to the build variant and the AFX
# window backend. Sources test only the defines set here, never compiler
# macros: a GNUstep build on Linux defines no __APPLE__ but is a macOS build.
#
#   VLT_PLATFORM     variant define        AFX backend define   backend folder
#   linux            VLT_BUILD_LINUX       AFX_BACKEND_X11      afx/x11
#   windows          VLT_BUILD_WINDOWS     AFX_BACKEND_WIN32    afx/win32
#   macos            VLT_BUILD_MACOS       AFX_BACKEND_COCOA    afx/cocoa
#   macos-gnustep    VLT_BUILD_MACOS       AFX_BACKEND_COCOA    afx/cocoa

if(WIN32)
  set(vlt_default_platform windows)
elseif(APPLE)
  set(vlt_default_platform macos)
else()
  set(vlt_default_platform linux)
endif()
set(VLT_PLATFORM ${vlt_default_platform} CACHE STRING
  "Build variant: linux, windows, macos or macos-gnustep (default from the toolchain)")
set_property(CACHE VLT_PLATFORM PROPERTY STRINGS linux windows macos macos-gnustep)

set(vlt_platform_rows
  "linux|LINUX|X11|x11"
  "windows|WINDOWS|WIN32|win32"
  "macos|MACOS|COCOA|cocoa"
  "macos-gnustep|MACOS|COCOA|cocoa")

set(VLT_AFX_BACKEND "")
foreach(row IN LISTS vlt_platform_rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  if(name STREQUAL VLT_PLATFORM)
    list(GET fields 1 VLT_BUILD_VARIANT)
    list(GET fields 2 vlt_backend_define)
    list(GET fields 3 VLT_AFX_BACKEND)
  endif()
endforeach()
if(VLT_AFX_BACKEND STREQUAL "")
  message(FATAL_ERROR "Unknown VLT_PLATFORM '${VLT_PLATFORM}': "
    "use linux, windows, macos or macos-gnustep")
endif()

# Every target sees exactly one variant and one backend, and the header that
# turns the variant into a value (platform/vlt_build_variant.h).
add_compile_definitions(VLT_BUILD_${VLT_BUILD_VARIANT}=1 AFX_BACKEND_${vlt_backend_define}=1)
get_filename_component(vlt_platform_headers ${CMAKE_CURRENT_LIST_DIR}/../platform ABSOLUTE)
include_directories(${vlt_platform_headers})
message(STATUS "VLT650 platform: ${VLT_PLATFORM} (AFX backend ${VLT_AFX_BACKEND})")
