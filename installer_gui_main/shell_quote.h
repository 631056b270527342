// Making a folder name safe to hand to programs that run as root.
#pragma once

#include <string>
#include <string_view>

// An absolute path without control characters (bytes below 0x20 and 0x7f):
// names like that cannot be typed back, shown, or passed on safely.
bool install_folder_is_acceptable(std::string_view folder);

// One shell word standing for exactly `text`: single quotes, with each
// embedded quote written as '\''. Nothing inside is expanded by sh.
std::string shell_single_quote(std::string_view text);
