#pragma once
// What AppKit on this display cannot be made to say, said for the tests:
// a screen and windows of another backing scale, and inverted scrolling
// (GNUstep's NSEvent has no isDirectionInvertedFromDevice; the tests add
// it, answering as set here).

// While alive, every screen and window reports this backing scale.
class ScopedBackingScale {
public:
    explicit ScopedBackingScale(double scale);
    ~ScopedBackingScale();
    ScopedBackingScale(const ScopedBackingScale&) = delete;
    ScopedBackingScale& operator=(const ScopedBackingScale&) = delete;
    void set(double scale);
};

// Every event from now on answers isDirectionInvertedFromDevice so.
void set_inverted_scrolling(bool inverted);
