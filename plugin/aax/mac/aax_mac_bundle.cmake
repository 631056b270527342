# Names of the macOS AAX plug-in bundle and of the GUI bundle inside it,
# written once: the Info-gnustep.plist files and the GUI object's lookup
# both take them from here.
set(VLT_AAX_BUNDLE_NAME BrindleVLT650)
set(VLT_AAX_BUNDLE_ID com.brindledsp.aax.VLT650)
set(VLT_AAX_GUI_BUNDLE_NAME BrindleVLT650GUI)
set(VLT_AAX_GUI_BUNDLE_ID com.brindledsp.aax.VLT650GUI)
set(VLT_AAX_GUI_PRINCIPAL_CLASS BrindleVLT650_AAX_ViewFactory)
set(VLT_AAX_BUNDLE_DIR ${VLT_DIST_PLATFORM}/${VLT_AAX_BUNDLE_NAME}.aaxplugin)

function(vlt_aax_mac_gui_object target)
  target_compile_definitions(${target} PRIVATE
    VLT_AAX_BUNDLE_ID="${VLT_AAX_BUNDLE_ID}"
    VLT_AAX_GUI_BUNDLE_FILE="${VLT_AAX_GUI_BUNDLE_NAME}.bundle")
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  target_link_libraries(${target} PUBLIC GNUstep::gui)
endfunction()

# vlt_gnustep_bundle(<target> DIR <bundle folder> IDENTIFIER <id> [PRINCIPAL <class>])
# A GNUstep bundle in its flat layout: the executable at the top, named as
# the bundle, and Resources/Info-gnustep.plist describing it.
function(vlt_gnustep_bundle target)
  cmake_parse_arguments(B "" "DIR;IDENTIFIER;PRINCIPAL" "" ${ARGN})
  get_filename_component(file ${B_DIR} NAME)
  get_filename_component(name ${file} NAME_WE)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${name} PREFIX "" SUFFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${B_DIR})
  set(principal "")
  if(B_PRINCIPAL)
    set(principal "  NSPrincipalClass = \"${B_PRINCIPAL}\";\n")
  endif()
  file(CONFIGURE OUTPUT ${B_DIR}/Resources/Info-gnustep.plist CONTENT
    "{\n  CFBundleIdentifier = \"${B_IDENTIFIER}\";\n  CFBundleName = \"${name}\";\n  NSExecutable = \"${name}\";\n${principal}}\n")
endfunction()
