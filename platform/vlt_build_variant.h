// The build variant as a value, from the one define the build sets
// (cmake/platform.cmake). Shared code asks this, never compiler macros, so a
// macOS build made with GNUstep on Linux still takes the macOS rows.
#pragma once

enum class vlt_variant { linux_build, windows_build, macos_build };

#if defined(VLT_BUILD_LINUX) + defined(VLT_BUILD_WINDOWS) + defined(VLT_BUILD_MACOS) != 1
#error "The build sets exactly one of VLT_BUILD_LINUX, VLT_BUILD_WINDOWS, VLT_BUILD_MACOS"
#endif

#if defined(VLT_BUILD_WINDOWS)
inline constexpr vlt_variant kVltVariant = vlt_variant::windows_build;
#elif defined(VLT_BUILD_MACOS)
inline constexpr vlt_variant kVltVariant = vlt_variant::macos_build;
#else
inline constexpr vlt_variant kVltVariant = vlt_variant::linux_build;
#endif
