#pragma once

#include <windows.h>

namespace tarvek::bench {

// The performance counter, and spans of it in milliseconds.
inline LONGLONG Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline double Milliseconds(LONGLONG from, LONGLONG to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace tarvek::bench
