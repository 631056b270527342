#pragma once
// Hosts may enter a module more than once (one entry per component that
// loads it) and leave it as often. The plug-in's hooks run on the first
// entry and the last exit only, so an early exit never frees what a later
// user of the module still needs.

// InitModule on the first entry; true when the module is ready.
bool enterModule();
// DeinitModule on the last exit; false when there was no entry to leave.
bool leaveModule();
