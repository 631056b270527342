// Dirty-rectangle list of one toolkit window, kept free of overlaps.
#pragma once

#include <cstdint>

struct AFXRect {
    int32_t x1, y1, x2, y2;  // far edges excluded; empty when x1 == x2 or y1 == y2
    bool operator==(const AFXRect&) const = default;
};

class AFXRegionContainer {
public:
    AFXRegionContainer() = default;
    ~AFXRegionContainer();
    AFXRegionContainer(const AFXRegionContainer&) = delete;
    AFXRegionContainer& operator=(const AFXRegionContainer&) = delete;

    int32_t size() const { return regions_ ? count_ : 0; }
    int32_t capacity() const { return capacity_; }
    const AFXRect* regions() const { return regions_; }

    static AFXRect sanitize(AFXRect r);
    void push_back(AFXRect r);
    void erase(int32_t index);
    AFXRect pop_back();
    void swap(AFXRegionContainer& other);
    void shrink();
    void add(AFXRect r);

private:
    int32_t count_ = 0;
    int32_t capacity_ = 0;
    AFXRect* regions_ = nullptr;
};
