// The record both stand-in views write into.
#include "recording_panels.h"

namespace mac_test {

PanelLog& panel_log()
{
    static PanelLog log;
    return log;
}

bool PanelLog::has(const std::string& call) const
{
    for (const std::string& c : calls)
        if (c == call)
            return true;
    return false;
}

}  // namespace mac_test
