# The macOS builds' Objective-C++ compiled against GNUstep on this machine:
# g++ (with gobjc++) for C, C++ and, through gnustep.cmake, Objective-C++;
# gnustep.cmake also supplies the GNUstep flags and libraries.
#   cmake -S . -B build-macos-gnustep -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-gnustep.cmake
#         -DVLT_PLATFORM=macos-gnustep
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
