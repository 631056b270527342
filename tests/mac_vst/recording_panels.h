#pragma once
// Stand-ins for the Cocoa views of the macOS editors: each call is kept as
// one line, so the tests read what an editor asked of its view, in order.
#include <cstdio>
#include <string>
#include <vector>

namespace mac_test {

struct PanelLog {
    std::vector<std::string> calls;
    int made = 0;
    int closed = 0;
    int live() const { return made - closed; }
    void clear() { *this = {}; }
    bool has(const std::string& call) const;
};

PanelLog& panel_log();

// One formatted line appended to the log.
template <class... Args>
void record(const char* format, Args... args)
{
    char line[96];
    std::snprintf(line, sizeof(line), format, args...);
    panel_log().calls.push_back(line);
}

}  // namespace mac_test
