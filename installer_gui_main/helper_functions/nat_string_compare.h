// Natural-order comparison of directory names: digit runs compare by value,
// white space is ignored, runs starting with '0' compare as fractions.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// -1 when a sorts before b, +1 after, 0 equal. fold_case compares after toupper.
int strnatcmp0(const char* a, const char* b, int fold_case);
int strnatcmp(const char* a, const char* b);
int strnatcasecmp(const char* a, const char* b);

#ifdef __cplusplus
}
#endif
