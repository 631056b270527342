include(gnustep_bundle)

# Names of the macOS AAX plug-in bundle and of the GUI bundle inside it,
# written once: the Info-gnustep.plist files and the GUI object's lookup
# both take them from here.
set(VLT_AAX_BUNDLE_NAME BrindleVLT650)
set(VLT_AAX_BUNDLE_ID com.brindledsp.aax.VLT650)
set(VLT_AAX_GUI_BUNDLE_NAME BrindleVLT650GUI)
set(VLT_AAX_GUI_BUNDLE_ID com.brindledsp.aax.VLT650GUI)
set(VLT_AAX_GUI_PRINCIPAL_CLASS BrindleVLT650_AAX_ViewFactory)
set(VLT_AAX_BUNDLE_DIR ${VLT_DIST_PLATFORM}/${VLT_AAX_BUNDLE_NAME}.aaxplugin)
# Its copy under AddressSanitizer, for the tests only.
set(VLT_AAX_ASAN_BUNDLE_DIR ${CMAKE_BINARY_DIR}/plugin/aax/mac/asan/${VLT_AAX_BUNDLE_NAME}.aaxplugin)

function(vlt_aax_mac_gui_object target)
  target_compile_definitions(${target} PRIVATE
    VLT_AAX_BUNDLE_ID="${VLT_AAX_BUNDLE_ID}"
    VLT_AAX_GUI_BUNDLE_FILE="${VLT_AAX_GUI_BUNDLE_NAME}.bundle")
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  target_link_libraries(${target} PUBLIC GNUstep::gui)
endfunction()
