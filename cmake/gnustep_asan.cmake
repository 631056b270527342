# AddressSanitizer for GNUstep programs and the bundles they load.
#
# vlt_gnustep_asan(<target>...)          (GNUstep tree)
#   Compiles the targets' own sources with AddressSanitizer and links the
#   executables and modules among them with its run-time. A bundle loaded
#   through NSBundle into an instrumented program must be instrumented as
#   well, so such a test builds its own copy of the bundle (outside dist/)
#   from its own copy of the object library, and passes both to this. The
#   libraries of ours they link are instrumented too, as copies of their
#   own (cmake/sanitizer_copies.cmake): an AddressSanitizer bundle checks
#   everything of ours it runs.
#
# vlt_gnustep_asan_tests(<test>...)      (native tree, whose ctest runs them)
#   GNUstep and fontconfig keep memory until exit, so leak reports are off;
#   any other error still stops the program and fails the test.
#   tests/support/gnustep_display_run.sh passes the environment on.
include(sanitizer_copies)
set(VLT_ASAN_FLAGS -fsanitize=address -fno-omit-frame-pointer)

function(vlt_gnustep_asan)
  vlt_sanitize(asan FLAGS ${VLT_ASAN_FLAGS} TARGETS ${ARGN})
endfunction()

function(vlt_gnustep_asan_tests)
  set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endfunction()
