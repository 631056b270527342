#import "aax_event_modifiers.h"

namespace {

struct FlagBit {
    NSUInteger flag;
    uint32_t bit;
};

const FlagBit kFlagBits[] = {
    {NSControlKeyMask, kAAX_ModControl},
    {NSAlternateKeyMask, kAAX_ModOption},
    {NSCommandKeyMask, kAAX_ModCommand},
};

bool is_right_button(NSEventType type)
{
    return type == NSRightMouseDown || type == NSRightMouseUp || type == NSRightMouseDragged;
}

}  // namespace

uint32_t aax_modifiers_from_event(NSEvent* event)
{
    if (!event)
        return 0;
    const NSUInteger flags = [event modifierFlags];
    uint32_t bits = 0;
    for (const FlagBit& f : kFlagBits)
        if (flags & f.flag)
            bits |= f.bit;
    if (is_right_button([event type]))
        bits |= kAAX_ModSecondaryButton;
    return bits;
}
