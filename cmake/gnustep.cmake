# GNUstep as the stand-in for the macOS frameworks: the target GNUstep::gui
# carries what gnustep-config reports for Objective-C++ code linked against
# gnustep-base and gnustep-gui. Its headers come in as system headers so our
# warning flags do not apply to them; build type, dependency and warning
# flags stay ours. Objective-C memory is managed by hand (no ARC), as the
# macOS sources are written.
find_program(GNUSTEP_CONFIG gnustep-config REQUIRED)
# The C++ compiler's Objective-C++ front end, so both halves share one ABI.
set(CMAKE_OBJCXX_COMPILER ${CMAKE_CXX_COMPILER})
enable_language(OBJCXX)

function(vlt_gnustep_query option out)
  execute_process(COMMAND ${GNUSTEP_CONFIG} ${option}
    OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(text UNIX_COMMAND "${text}")
  set(${out} ${text} PARENT_SCOPE)
endfunction()

vlt_gnustep_query(--objc-flags objc_flags)
vlt_gnustep_query(--gui-libs gui_libs)

set(ours -MMD -MP -g -O2 -Wall -fPIC -I.)
set(includes "")
set(defines "")
set(options "")
foreach(flag IN LISTS objc_flags)
  if(flag IN_LIST ours)
    continue()
  elseif(flag MATCHES "^-I(.+)$")
    if(IS_DIRECTORY ${CMAKE_MATCH_1})
      list(APPEND includes ${CMAKE_MATCH_1})
    endif()
  elseif(flag MATCHES "^-D(.+)$")
    list(APPEND defines ${CMAKE_MATCH_1})
  else()
    list(APPEND options ${flag})
  endif()
endforeach()

add_library(GNUstep::gui INTERFACE IMPORTED)
target_include_directories(GNUstep::gui SYSTEM INTERFACE ${includes})
target_compile_definitions(GNUstep::gui INTERFACE "$<$<COMPILE_LANGUAGE:OBJCXX>:${defines}>")
target_compile_options(GNUstep::gui INTERFACE "$<$<COMPILE_LANGUAGE:OBJCXX>:${options}>")
target_link_libraries(GNUstep::gui INTERFACE ${gui_libs})
