#include "sha256.h"

#include <array>
#include <cstdint>

namespace {

using u32 = std::uint32_t;
using u128 = unsigned __int128;

constexpr std::array<u32, 64> kPrimes = [] {
    std::array<u32, 64> p{};
    u32 n = 2;
    for (auto& v : p) {
        for (bool prime = false; !prime; ++n) {
            prime = true;
            for (u32 d = 2; d * d <= n; ++d)
                prime = prime && n % d != 0;
            if (prime)
                v = n;
        }
    }
    return p;
}();

// floor(root(x)) for the square or cube root of a 128-bit number.
constexpr u128 integer_root(u128 x, int degree)
{
    // Bounded so that hi to the power stays inside 128 bits.
    u128 lo = 0, hi = u128(1) << (127 / degree);
    while (lo < hi) {
        const u128 mid = lo + (hi - lo + 1) / 2;
        u128 power = mid;
        for (int i = 1; i < degree; ++i)
            power *= mid;
        if (power <= x)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// The standard's constants are the first 32 bits of the fractional parts of
// the square roots (initial state) and cube roots (round constants) of the
// first primes: computed here exactly, in integers.
constexpr std::array<u32, 64> kRound = [] {
    std::array<u32, 64> k{};
    for (size_t i = 0; i < k.size(); ++i)
        k[i] = static_cast<u32>(integer_root(u128(kPrimes[i]) << 96, 3));
    return k;
}();

constexpr std::array<u32, 8> kInitial = [] {
    std::array<u32, 8> h{};
    for (size_t i = 0; i < h.size(); ++i)
        h[i] = static_cast<u32>(integer_root(u128(kPrimes[i]) << 64, 2));
    return h;
}();

static_assert(kInitial[0] == 0x6a09e667u && kRound[0] == 0x428a2f98u && kRound[63] == 0xc67178f2u);

constexpr u32 rotr(u32 x, int n) { return (x >> n) | (x << (32 - n)); }

void compress(std::array<u32, 8>& h, const unsigned char* block)
{
    u32 w[64];
    for (int i = 0; i < 16; ++i)
        w[i] = u32(block[4 * i]) << 24 | u32(block[4 * i + 1]) << 16 | u32(block[4 * i + 2]) << 8 |
               u32(block[4 * i + 3]);
    for (int i = 16; i < 64; ++i) {
        const u32 s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const u32 s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    u32 a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], k = h[7];
    for (int i = 0; i < 64; ++i) {
        const u32 t1 = k + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[i] + w[i];
        const u32 t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        k = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    const u32 add[8] = {a, b, c, d, e, f, g, k};
    for (int i = 0; i < 8; ++i)
        h[i] += add[i];
}

}  // namespace

std::string sha256_hex(const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::array<u32, 8> h = kInitial;
    size_t at = 0;
    for (; size - at >= 64; at += 64)
        compress(h, bytes + at);

    // The tail, a 1 bit, zeros, and the length in bits: one or two blocks.
    unsigned char tail[128] = {};
    const size_t rest = size - at;
    for (size_t i = 0; i < rest; ++i)
        tail[i] = bytes[at + i];
    tail[rest] = 0x80;
    const size_t blocks = rest + 9 > 64 ? 2 : 1;
    const unsigned long long bits = static_cast<unsigned long long>(size) * 8;
    for (int i = 0; i < 8; ++i)
        tail[blocks * 64 - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
    for (size_t b = 0; b < blocks; ++b)
        compress(h, tail + 64 * b);

    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (u32 v : h)
        for (int shift = 28; shift >= 0; shift -= 4)
            out += kHex[(v >> shift) & 0xf];
    return out;
}
