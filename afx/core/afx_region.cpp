#include "afx_region.h"

#include <algorithm>
#include <cstring>
#include <utility>

AFXRegionContainer::~AFXRegionContainer() { delete[] regions_; }

AFXRect AFXRegionContainer::sanitize(AFXRect r)
{
    return {std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::max(r.x1, r.x2), std::max(r.y1, r.y2)};
}

void AFXRegionContainer::push_back(AFXRect r)
{
    if (capacity_ == 0 || count_ >= capacity_) {
        const int32_t grown = capacity_ == 0 ? 8 : capacity_ * 2;
        auto* fresh = new AFXRect[grown];
        if (regions_)
            std::memcpy(fresh, regions_, sizeof(AFXRect) * size_t(count_));
        delete[] regions_;
        regions_ = fresh;
        capacity_ = grown;
    }
    regions_[count_++] = r;
}

void AFXRegionContainer::erase(int32_t index)
{
    // An index outside the list names no entry: leave the list alone.
    if (index < 0 || index >= count_)
        return;
    --count_;
    std::memmove(regions_ + index, regions_ + index + 1, sizeof(AFXRect) * size_t(count_ - index));
}

AFXRect AFXRegionContainer::pop_back()
{
    if (!regions_)
        return {0, 0, 0, 0};
    if (count_ > 0)
        --count_;
    return regions_[count_];
}

void AFXRegionContainer::swap(AFXRegionContainer& other)
{
    std::swap(count_, other.count_);
    std::swap(capacity_, other.capacity_);
    std::swap(regions_, other.regions_);
}

void AFXRegionContainer::shrink()
{
    delete[] regions_;
    regions_ = nullptr;
    count_ = capacity_ = 0;
}

void AFXRegionContainer::add(AFXRect r)
{
    const AFXRect n = sanitize(r);
    // An empty rectangle paints nothing; cutting entries around it would only
    // lose area that is still dirty.
    if (n.x1 == n.x2 || n.y1 == n.y2)
        return;
    if (!regions_) {
        push_back(n);
        return;
    }
    for (int32_t i = 0; i < count_;) {
        const AFXRect e = regions_[i];
        if (e.y1 == e.y2 || e.x1 == e.x2) {
            ++i;
            continue;
        }
        if (e.x1 <= n.x1 && e.y1 <= n.y1 && n.x2 <= e.x2 && n.y2 <= e.y2)
            return;  // already covered
        if (n.x1 <= e.x1 && n.y1 <= e.y1 && e.x2 <= n.x2 && e.y2 <= n.y2) {
            erase(i);
            continue;
        }
        if (n.y2 <= e.y1 || e.y2 <= n.y1 || n.x2 <= e.x1 || n.x1 >= e.x2) {
            ++i;
            continue;
        }
        // Partial overlap: keep the parts of the entry that lie outside n.
        const bool left = n.x1 > e.x1;
        if (left)
            push_back(sanitize({e.x1, e.y1, n.x1, e.y2}));
        const int32_t mid_x1 = left ? n.x1 : e.x1;
        const bool right = n.x2 < e.x2 && (!left || n.x1 < n.x2);
        if (right)
            push_back(sanitize({n.x2, e.y1, e.x2, e.y2}));
        const int32_t mid_x2 = right ? n.x2 : e.x2;
        const bool top = e.y1 < n.y1;
        if (top)
            push_back(sanitize({mid_x1, e.y1, mid_x2, n.y1}));
        if (n.y2 < e.y2 && (!top || n.y1 < n.y2))
            push_back(sanitize({mid_x1, n.y2, mid_x2, e.y2}));
        erase(i);
        if (i >= count_) {
            push_back(n);
            return;
        }
    }
    push_back(n);
}
