#pragma once
// The GUI object the host creates through procedure pointer 1.
#include "aax_host_interface.h"

IACFUnknown* VLT650_GUI_Create();
