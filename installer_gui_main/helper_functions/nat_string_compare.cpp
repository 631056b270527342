#include "nat_string_compare.h"

#include <cassert>
#include <cctype>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// isspace/toupper take an unsigned char value; bytes above 0x7f are
// negative as plain char here.
bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

char upper(char c)
{
    const int u = std::toupper(static_cast<unsigned char>(c));
    return static_cast<char>(u);
}

// Right-aligned digit runs: the longer run wins, equal lengths are decided
// by the first differing digit (kept in bias until the runs end).
int compare_magnitude(const char* a, const char* b)
{
    int bias = 0;
    for (;; ++a, ++b) {
        const bool da = is_digit(*a), db = is_digit(*b);
        if (!da && !db)
            return bias;
        if (!da)
            return -1;
        if (!db)
            return +1;
        if (bias == 0) {
            if (*a < *b)
                bias = -1;
            else if (*a > *b)
                bias = +1;
        }
    }
}

// Left-aligned digit runs (fractions): the first differing digit wins.
int compare_fraction(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const bool da = is_digit(*a), db = is_digit(*b);
        if (!da && !db)
            return 0;
        if (!da)
            return -1;
        if (!db)
            return +1;
        if (*a < *b)
            return -1;
        if (*a > *b)
            return +1;
    }
}

}  // namespace

extern "C" int strnatcmp0(const char* a, const char* b, int fold_case)
{
    assert(a && b);
    for (int ia = 0, ib = 0;; ++ia, ++ib) {
        char ca = a[ia], cb = b[ib];
        while (is_space(ca))
            ca = a[++ia];
        while (is_space(cb))
            cb = b[++ib];

        if (is_digit(ca) && is_digit(cb)) {
            const int r = (ca == '0' || cb == '0') ? compare_fraction(a + ia, b + ib)
                                                   : compare_magnitude(a + ia, b + ib);
            if (r != 0)
                return r;
        }
        if (ca == 0 && cb == 0)
            return 0;
        if (fold_case) {
            ca = upper(ca);
            cb = upper(cb);
        }
        // Plain char is signed here, so bytes from 0x80 sort before ASCII.
        const signed char sa = static_cast<signed char>(ca), sb = static_cast<signed char>(cb);
        if (sa < sb)
            return -1;
        if (sa > sb)
            return +1;
    }
}

extern "C" int strnatcmp(const char* a, const char* b) { return strnatcmp0(a, b, 0); }
extern "C" int strnatcasecmp(const char* a, const char* b) { return strnatcmp0(a, b, 1); }
