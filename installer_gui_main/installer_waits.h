// The flow's clock: a calibrated 1 ms tick, waits that end on an abort
// request, and the fixed pauses between screens.
#pragma once

#include <atomic>

// Real length of one usleep(1000) in whole milliseconds, at least 1.
int calibrate_sleep_tick();

// n seconds in 1 ms sleeps, stopping early on an abort request. False when aborted.
bool wait_seconds(int n, int tick_ms);

// Polls every 10 ms until `flag` is set (true) or an abort is requested (false).
bool wait_for_flag(const std::atomic<int>& flag);
// The same for either of two flags; true when one of them is set.
bool wait_for_either(const std::atomic<int>& a, const std::atomic<int>& b);

// A fixed pause of the flow in milliseconds, ended early by an abort request.
// False when aborted.
bool pause_ms(int ms);

// How long a fixed pause of the flow really lasts. The shipped program
// keeps every length as it is; only a test build (QELM_INSTALLER_TEST_BUILD)
// reads QELM_INSTALLER_TEST_PAUSE_PERCENT and shortens them, so the
// end-to-end tests do not sit through the splash and the settle waits.
int flow_pause_length(int ms);
