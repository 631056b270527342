#pragma once
// The scenarios the host runs, each on the module at `path` with the
// command line's remaining words; failed checks go through check().

void scenario_drag(const char* path, char** args);
void scenario_double_click_knob(const char* path, char** args);
void scenario_double_click_panel(const char* path, char** args);
void scenario_double_click_switch_outside(const char* path, char** args);

void scenario_mono(const char* path, char** args);
void scenario_reopen(const char* path, char** args);
void scenario_screenshot(const char* path, char** args);

// The capture verb: "MODULE capture OUT_DIR STEP..." (capture_driver.h);
// answers the exit status.
int scenario_capture(int argc, char** argv);
