#include "shell_quote.h"

#include "control_bytes.h"

bool install_folder_is_acceptable(std::string_view folder)
{
    if (folder.empty() || folder.front() != '/')
        return false;
    for (unsigned char c : folder)
        if (is_control_byte(c))
            return false;
    return true;
}

std::string shell_single_quote(std::string_view text)
{
    std::string q = "'";
    for (char c : text) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    q += '\'';
    return q;
}
