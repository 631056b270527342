#pragma once
// The capture verb's hold on a plug-in's own GUI thread. The Linux editor
// loops on a thread of its library (events, repaints, a 50 ms tick read
// from CLOCK_MONOTONIC, a 1 ms usleep). This program defines
// clock_gettime, usleep and XPending itself and exports them, so the
// library's calls land here: while stepping is on, the library sees a
// clock that moves only when the capture moves it, its loop waits in
// usleep until the capture lets it run one more round, and each round
// first takes a round trip to the X server so that every event already
// sent to it is there to read. Off (every other verb), all three are the
// C library's and Xlib's own.
namespace vst2host::stepped {

// On before the plug-in's library is loaded (its thread reads the clock
// first thing), off before it is unloaded (unloading joins the thread).
void start();
void stop();
bool running();

// Moves the library's clock on.
void advance_ms(int ms);
// Lets the GUI thread run n rounds of its loop, each from its wait to its
// next wait; answers false when no thread came to the wait.
bool run_rounds(int n);

}  // namespace vst2host::stepped
