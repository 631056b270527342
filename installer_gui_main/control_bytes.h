// The bytes the installer never takes into a password, a typed name or a
// folder path: C0 control characters and DEL.
#pragma once

inline bool is_control_byte(unsigned char c) { return c < 0x20 || c == 0x7f; }
