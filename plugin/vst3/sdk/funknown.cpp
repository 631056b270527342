#include "funknown.h"

#include <cstring>

namespace Steinberg {

namespace {
uint32 word_at(const int8* b, int i0, int i1, int i2, int i3)
{
    auto u = [b](int i) { return static_cast<uint32>(static_cast<uint8>(b[i])); };
    return u(i0) << 24 | u(i1) << 16 | u(i2) << 8 | u(i3);
}
}  // namespace

UidWords uid_words(const int8* b)
{
#if VST3_COM_ORDER
    return {word_at(b, 3, 2, 1, 0), word_at(b, 5, 4, 7, 6), word_at(b, 8, 9, 10, 11),
            word_at(b, 12, 13, 14, 15)};
#else
    return {word_at(b, 0, 1, 2, 3), word_at(b, 4, 5, 6, 7), word_at(b, 8, 9, 10, 11),
            word_at(b, 12, 13, 14, 15)};
#endif
}

bool uid_equal(const int8* a, const int8* b) { return a && b && std::memcmp(a, b, sizeof(TUID)) == 0; }

FUID FUID::fromTUID(const int8* bytes)
{
    FUID f;
    if (bytes)
        std::memcpy(f.data_, bytes, sizeof(TUID));
    return f;
}

void FUID::toTUID(TUID out) const { std::memcpy(out, data_, sizeof(TUID)); }

bool FUID::isValid() const
{
    static const TUID zero = {};
    return !uid_equal(data_, zero);
}

void FUID::from(UidWords w)
{
    const UidBytes b = inline_uid(w);
    std::memcpy(data_, b.data, sizeof(TUID));
}

}  // namespace Steinberg
