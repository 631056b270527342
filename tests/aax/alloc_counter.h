#pragma once
// Counts operator new calls anywhere in the process while armed; the
// module links the C++ runtime dynamically, so its allocations land here.
namespace alloc_counter {
void start();
int stop();  // the count since start()
}  // namespace alloc_counter
