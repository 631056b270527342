#pragma once
// One format's parameters: which of the model's quantities each of its ids
// stands for. A format names its parameters by number (VST2, VST3, Audio
// Unit) or by text (AAX); a quantity it does not publish has no row.
#include <cstddef>
#include <cstring>

#include "param_index.h"

namespace vlt::params {

struct NumberedParam {
    Index quantity;
    int id;
};

struct NamedParam {
    Index quantity;
    const char* id;
};

// The format's id of q; -1 (numbered) or null (named) when it has none.
// (Arrays, not spans: the Objective-C++ views include this too, in C++17.)
template <std::size_t N>
constexpr int id_of(const NumberedParam (&map)[N], Index q)
{
    for (const NumberedParam& p : map)
        if (p.quantity == q)
            return p.id;
    return -1;
}

template <std::size_t N>
constexpr const char* id_of(const NamedParam (&map)[N], Index q)
{
    for (const NamedParam& p : map)
        if (p.quantity == q)
            return p.id;
    return nullptr;
}

// The quantity behind a format's id; false when the id is none of ours.
template <std::size_t N>
constexpr bool quantity_of(const NumberedParam (&map)[N], int number, Index* q)
{
    for (const NumberedParam& p : map)
        if (p.id == number) {
            *q = p.quantity;
            return true;
        }
    return false;
}

template <std::size_t N>
bool quantity_of(const NamedParam (&map)[N], const char* name, Index* q)
{
    for (const NamedParam& p : map)
        if (name && std::strcmp(p.id, name) == 0) {
            *q = p.quantity;
            return true;
        }
    return false;
}

}  // namespace vlt::params
