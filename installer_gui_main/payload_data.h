// The archive carried inside the installer, made at build time.
#pragma once

#include <cstddef>

extern "C" const unsigned char qelm_payload_data[];
extern "C" const size_t qelm_payload_size;
