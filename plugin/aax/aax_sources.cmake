# Sources of the AAX library and of the VLT650 parameter set, relative to
# this folder; shared by the main build and the clang build of the fuzz
# target, so both compile the same code.
# The lock is the one piece of the library with a Windows version.
if(VLT_PLATFORM STREQUAL "windows")
  set(VLT_AAX_MUTEX_SOURCE win32/AAX_CMutex_win32.cpp)
else()
  set(VLT_AAX_MUTEX_SOURCE AAX_CMutex.cpp)
endif()
set(VLT_AAX_LIBRARY_SOURCES
  AAX_CString.cpp
  CACFUnknown.cpp
  AAX_Descriptions.cpp
  AAX_HostWrappers.cpp
  AAX_CParameterManager.cpp
  AAX_CChunkDataParser.cpp
  ${VLT_AAX_MUTEX_SOURCE}
  AAX_CPacketDispatcher.cpp
  AAX_CEffectParameters.cpp
  AAX_CEffectGUI.cpp)
set(VLT_AAX_PARAMETER_SOURCES VLT650_Parameters.cpp)
