// Build-time converter: the readable glyph sheet (glyphs.txt) into the C++
// glyph table of the font engine. Fails the build on any malformed block.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct glyph {
    int advance = 0, bearing = 0, top = 0;
    std::vector<std::string> rows;
    bool seen = false;
};

int coverage_of(char c)
{
    switch (c) {
    case '.': return 0;
    case ':': return 96;
    case '+': return 176;
    case '#': return 255;
    default: return -1;
    }
}

bool fail(int line, const std::string& why)
{
    std::cerr << "glyphs.txt:" << line << ": " << why << "\n";
    return false;
}

bool read_sheet(std::istream& in, std::vector<glyph>& table)
{
    std::string text;
    glyph* open = nullptr;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty()) {
            open = nullptr;
            continue;
        }
        if (text[0] == '#' && !open)
            continue;
        if (text.rfind("glyph ", 0) == 0) {
            std::istringstream head(text);
            std::string w, a, b, t;
            int code = -1;
            glyph g;
            head >> w >> code >> a >> g.advance >> b >> g.bearing >> t >> g.top;
            if (!head || a != "advance" || b != "bearing" || t != "top" || code < 0 || code > 255)
                return fail(line, "bad glyph header");
            if (table[code].seen)
                return fail(line, "glyph defined twice");
            g.seen = true;
            table[code] = g;
            open = &table[code];
            continue;
        }
        if (!open)
            return fail(line, "coverage row outside a glyph block");
        for (char c : text)
            if (coverage_of(c) < 0)
                return fail(line, "unknown coverage character");
        if (!open->rows.empty() && open->rows[0].size() != text.size())
            return fail(line, "rows of one glyph differ in width");
        open->rows.push_back(text);
    }
    for (int code = 0; code < 256; ++code)
        if (!table[code].seen)
            return fail(0, "glyph " + std::to_string(code) + " is missing");
    return true;
}

void write_table(std::ostream& out, const std::vector<glyph>& table)
{
    out << "// Generated from glyphs.txt by afx_font_compile; edit the sheet, not this file.\n"
           "#include \"afx_font_engine.h\"\n\nnamespace {\n";
    for (int code = 0; code < 256; ++code) {
        const glyph& g = table[code];
        const int w = g.rows.empty() ? 0 : int(g.rows[0].size()), h = int(g.rows.size());
        out << "const uint8_t g" << code << "[] = {" << w << ", " << h << ", " << g.advance << ", 0, "
            << (g.bearing & 255) << ", " << (g.top & 255);
        for (const std::string& row : g.rows)
            for (char c : row)
                out << ", " << coverage_of(c);
        out << "};\n";
    }
    out << "} // namespace\n\nconst uint8_t* const afx_font_glyph_table[256] = {\n";
    for (int code = 0; code < 256; ++code)
        out << "    g" << code << ",\n";
    out << "};\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: afx_font_compile glyphs.txt out.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<glyph> table(256);
    if (!in || !read_sheet(in, table))
        return 1;
    std::ofstream out(argv[2]);
    write_table(out, table);
    return out ? 0 : 1;
}
