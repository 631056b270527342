// Holds the README's parameter and factory-program tables to the parameter
// model and the plug-ins' programs, cell by cell.
//
//   readme_tables_check README.md   exit 1 and each differing cell named
//   readme_tables_check --print     the tables as they should read
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "model_tables.h"

namespace {

// The cells of a Markdown table row "| a | b |".
std::vector<std::string> cells(const std::string& line)
{
    std::vector<std::string> out;
    std::size_t at = line.find('|');
    while (at != std::string::npos) {
        const std::size_t next = line.find('|', at + 1);
        if (next == std::string::npos)
            break;
        out.push_back(docs::trimmed(line.substr(at + 1, next - at - 1)));
        at = next;
    }
    return out;
}

bool is_row(const std::string& line) { return !line.empty() && line.front() == '|'; }

// Compares the README's table with this header against the expected one;
// the number of differences.
int compare(const std::vector<std::string>& lines, const docs::Table& want, const char* what)
{
    std::size_t at = 0;
    while (at < lines.size() && !(is_row(lines[at]) && cells(lines[at]) == want.header))
        ++at;
    if (at == lines.size()) {
        std::printf("%s: no table with the header %s", what, docs::markdown({want.header, {}}).c_str());
        return 1;
    }
    std::vector<std::vector<std::string>> got;
    for (std::size_t i = at + 2; i < lines.size() && is_row(lines[i]); ++i)
        got.push_back(cells(lines[i]));
    int differences = 0;
    if (got.size() != want.rows.size()) {
        std::printf("%s: %zu rows, the model has %zu\n", what, got.size(), want.rows.size());
        ++differences;
    }
    for (std::size_t r = 0; r < got.size() && r < want.rows.size(); ++r)
        for (std::size_t c = 0; c < want.header.size(); ++c) {
            const std::string cell = c < got[r].size() ? got[r][c] : "(none)";
            if (cell != want.rows[r][c]) {
                std::printf("%s, row %s, column %s: the README says \"%s\", the model \"%s\"\n", what,
                            want.rows[r][0].c_str(), want.header[c].c_str(), cell.c_str(),
                            want.rows[r][c].c_str());
                ++differences;
            }
        }
    return differences;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_tables_check README.md | --print\n");
        return 2;
    }
    const docs::Table parameters = docs::parameter_table();
    const docs::Table programs = docs::program_table();
    if (std::string(argv[1]) == "--print") {
        std::printf("%s\n%s", docs::markdown(parameters).c_str(), docs::markdown(programs).c_str());
        return 0;
    }
    std::ifstream f(argv[1]);
    if (!f) {
        std::printf("cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(f, line);)
        lines.push_back(line);
    const int differences =
        compare(lines, parameters, "parameter table") + compare(lines, programs, "program table");
    std::printf("%s\n",
                differences ? "the README's tables differ from the model" : "the tables match the model");
    return differences ? 1 : 0;
}
