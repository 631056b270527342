# Cross-compiling for 64-bit Windows with mingw-w64. The posix thread model
# is the one whose libstdc++ has std::mutex and std::thread.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VLT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VLT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VLT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VLT_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${VLT_MINGW_PREFIX}-objdump)

# Libraries and headers come from the mingw sysroot only; programs (tar,
# the build machine's compiler for the code generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VLT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Hosts load our DLLs alone: no libstdc++/libgcc/winpthread DLLs beside them.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static")
endforeach()
