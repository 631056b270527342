// The arithmetic of the Catmull-Rom blit, one destination row at a time:
// the vertical pass over the needed source columns into an intermediate row,
// then the horizontal pass into finished 0x00RRGGBB pixels. The SSE2 kernels
// and the portable ones give the same bytes; the portable set serves builds
// without SSE2 and checks the fast one in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace afx_scale {

struct taps;

enum class kernels { portable, sse2 };
kernels best_kernels();

// The kernels' division of weighted sums by the taps' total, on its own:
// out[i] = normalise(sums[i], t), computed the way kernel set k computes it.
void normalise_sums(const int32_t* sums, int n, const taps& t, uint8_t* out, kernels k);

class row_filter {
public:
    // Source columns first .. first + span feed destination columns
    // cx0 .. cx0 + cols - 1 at the given 16.16 source step.
    row_filter(int first, int span, int cx0, int cols, int64_t step, int src_width, kernels k);
    ~row_filter();
    row_filter(const row_filter&) = delete;
    row_filter& operator=(const row_filter&) = delete;

    // lines: the four source rows, each pointing at column `first`.
    void vertical(const uint8_t* const lines[4], const taps& t);
    // The destination row from the last vertical pass: columns() pixels.
    const uint32_t* horizontal();
    int columns() const { return cols_; }

    struct column;  // taps of one destination column, in both kernels' forms

private:
    void make_pairs();

    kernels kernels_;
    int span_, cols_, padded_cols_;
    std::unique_ptr<uint8_t[]> block_;
    column* columns_ = nullptr;
    uint32_t* mid_ = nullptr;   // intermediate row, edge pixel repeated 1 left, 2 right
    int16_t* pairs_ = nullptr;  // neighbours side by side for the horizontal taps
    uint32_t* out_ = nullptr;   // finished row, padded to whole groups of four
};

}  // namespace afx_scale
