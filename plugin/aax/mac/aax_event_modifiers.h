#pragma once
// The AAX modifier bits of a Cocoa event, as the host's container expects
// them with HandleParameterMouseDown.
#import <AppKit/AppKit.h>

#include <cstdint>

enum : uint32_t {
    kAAX_ModControl = 2,
    kAAX_ModOption = 4,
    kAAX_ModCommand = 8,
    kAAX_ModSecondaryButton = 16,
};

// Control, Option and Command from the event's flags (Shift has no bit),
// plus the secondary-button bit for right-button events; 0 without an event.
uint32_t aax_modifiers_from_event(NSEvent* event);
