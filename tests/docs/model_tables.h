#pragma once
// The README's parameter and factory-program tables as the parameter model
// and the plug-ins' program code give them, cell by cell, so the check can
// compare what a user reads with what the builds do.
#include <string>
#include <vector>

namespace docs {

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// name, range, unit, default, VST2 index, VST3 id, AAX identifier, Audio Unit id.
Table parameter_table();
// preset, VST2 program, VST3 program, then each program value as hosts show it.
Table program_table();

// A table in the README's Markdown form.
std::string markdown(const Table& t);

// s without its leading and trailing blanks.
std::string trimmed(const std::string& s);

}  // namespace docs
