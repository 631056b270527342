// The engine's clock arithmetic, the same for every backend.
#include "afx/afx_engine.h"

int AFX_engine::diff_time(const timespec& start, const timespec& end)
{
    long sec = end.tv_sec - start.tv_sec;
    long nsec = end.tv_nsec - start.tv_nsec;
    if (nsec < 0) {
        sec -= 1;
        nsec += 1000000000L;
    }
    return static_cast<int>(sec * 1000 + nsec / 1000000);
}

double AFX_engine::diff_timef(const timespec& start, const timespec& end)
{
    const long sec = end.tv_sec - start.tv_sec;
    const long nsec = end.tv_nsec - start.tv_nsec;
    if (nsec < 0)
        return static_cast<double>(sec - 1) + static_cast<double>(nsec + 1000000000L) / 1e9;
    if (sec < 0)
        return -1.0;
    return static_cast<double>(sec) + static_cast<double>(nsec) / 1e9;
}
