// Holding the user's password: one snapshot taken at Return, printable
// bytes only, wiped when done, kept out of core dumps.
#pragma once

#include <cstddef>

// Appends the bytes of `text` that are not control characters (below 0x20,
// 0x7f) to the zero-terminated `buf` of `cap` bytes, as far as they fit;
// `buf` stays terminated. Returns the new length.
size_t append_printable(char* buf, size_t cap, const char* text);

class CSecretText {
public:
    static constexpr size_t kCapacity = 1024;

    CSecretText() { buf_[0] = 0; }
    ~CSecretText() { wipe(); }
    CSecretText(const CSecretText&) = delete;
    CSecretText& operator=(const CSecretText&) = delete;

    void assign_filtered(const char* text);
    const char* c_str() const { return buf_; }
    bool empty() const { return buf_[0] == 0; }
    void wipe();

private:
    char buf_[kCapacity];
};

// Wipes a zero-terminated text in place (the entry's buffer after the snapshot).
void wipe_text(char* text, size_t cap);

// No core file and no ptrace attach by other processes of the same user.
void keep_secrets_out_of_dumps();
