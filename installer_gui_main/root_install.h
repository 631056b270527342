// What root runs to put the library in place: a POSIX sh script, the same
// on both roads. Everything it is handed could have been changed by any
// program running as the user while the installer waited (the archive, the
// chosen folder and all in it), so it enters the folder once and works by
// relative names from there, unpacks only its own copy of the archive once
// that copy has the installer's digest, and sets the library's owner and
// mode itself. Its own complaints, and tar's, come back as lines that begin
// with a marker, so the log can carry them and nothing else of the terminal
// (a password echoed by an odd su, say).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The archive for root to install, with what its bytes must be: the digest
// and size of the installer's own embedded payload, not of the file that
// holds a copy of it.
struct install_payload {
    std::string path;
    std::string sha256;  // 64 lower-case hex digits
    size_t size = 0;
};
install_payload describe_payload(const std::string& path, const unsigned char* data, size_t size);

struct root_install_args {
    std::string tar;  // absolute path of tar
    install_payload payload;
    std::string folder;  // the chosen folder, absolute, no trailing '/'
    std::string member;  // the one file the archive holds
    unsigned uid = 0;    // the invoking user, who may own parts of the path
};

// The installer's name of the library inside the payload.
inline constexpr const char* kPayloadMember = "VLT650.so";

// argv for `sudo --`: /bin/sh -c SCRIPT with the values as positional words.
std::vector<std::string> root_install_argv(const root_install_args& a);
// The one command line for `su -c` (run by /bin/sh): the values quoted.
std::string root_install_command_line(const root_install_args& a);

// The marked lines of what the terminal showed, marker and CR removed, and
// the complaints of su and sudo themselves ("su: ...", "sudo: ..."); lines
// holding `secret` (when not empty) are left out.
std::vector<std::string> root_messages(std::string_view output, std::string_view secret);

// Trailing '/' removed, except from "/" itself.
std::string without_trailing_slashes(std::string_view folder);
