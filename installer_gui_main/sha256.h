// SHA-256 of a block of bytes, for telling root which archive to accept:
// the installer's own embedded one and no other.
#pragma once

#include <cstddef>
#include <string>

// 64 lower-case hexadecimal digits, as sha256sum prints them.
std::string sha256_hex(const void* data, size_t size);
