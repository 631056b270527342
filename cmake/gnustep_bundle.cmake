# vlt_gnustep_bundle(<target> BUNDLE <dir> IDENTIFIER <id> [PRINCIPAL_CLASS <class>])
# Makes a module target a bundle in GNUstep's layout: the executable at the
# bundle's top, named after the bundle, and Resources/Info-gnustep.plist with
# the identifier NSBundle registers it under and the executable's name. The
# module's sources get the same identifier as VLT_BUNDLE_IDENTIFIER: its
# initializer looks itself up by it. A principal class (what a host asks the
# loaded bundle for) adds NSPrincipalClass and CFBundleExecutable.
function(vlt_gnustep_bundle target)
  cmake_parse_arguments(B "" "BUNDLE;IDENTIFIER;PRINCIPAL_CLASS" "" ${ARGN})
  get_filename_component(name ${B_BUNDLE} NAME_WE)
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX "" OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY ${B_BUNDLE})
  target_compile_definitions(${target} PRIVATE VLT_BUNDLE_IDENTIFIER="${B_IDENTIFIER}")
  set(principal "")
  if(B_PRINCIPAL_CLASS)
    set(principal "  CFBundleExecutable = \"${name}\";\n  NSPrincipalClass = ${B_PRINCIPAL_CLASS};\n")
  endif()
  file(CONFIGURE OUTPUT ${B_BUNDLE}/Resources/Info-gnustep.plist CONTENT [[{
  CFBundleIdentifier = "@B_IDENTIFIER@";
  CFBundleName = "@name@";
  CFBundlePackageType = BNDL;
  NSExecutable = "@name@";
@principal@}
]] @ONLY)
endfunction()
