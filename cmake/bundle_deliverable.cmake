# vlt_bundle_deliverable(<target> [ENTRY_POINTS <name>...])   (GNUstep tree)
# A macOS bundle as it ships: it exports its Objective-C classes (the GNU
# runtime's __objc_class_name_<class> symbols) and the entry points a host
# calls by name, and nothing else, so that two of our bundles in one host
# never bind to each other's copies of the stand-in Apple layer, our C++
# classes or the static libraries; then it is stripped with its debug
# information in debug/ (vlt_release_deliverable). A bundle whose host asks
# only for its principal class names no entry points.
function(vlt_bundle_deliverable target)
  cmake_parse_arguments(B "" "" "ENTRY_POINTS" ${ARGN})
  set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.bundle.map)
  set(globals "__objc_class_name_*;")
  foreach(name IN LISTS B_ENTRY_POINTS)
    string(APPEND globals "\n    ${name};")
  endforeach()
  file(CONFIGURE OUTPUT ${map} CONTENT "{\n  global:\n    ${globals}\n  local:\n    *;\n};\n")
  target_link_options(${target} PRIVATE -Wl,--version-script=${map})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  vlt_release_deliverable(${target})
endfunction()
