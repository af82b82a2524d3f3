// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// What this process holds and has used, as its system counts it.

#pragma once

#ifdef _WIN32
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <QFile>
#include <ctime>
#include <unistd.h>
#endif

#ifdef _WIN32

inline double residentKiB()
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.WorkingSetSize) / 1024;
}

// Windows' clock() counts wall time, not the CPU's.
inline double cpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME time) { // of 100 ns
        return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e4;
}

#else

inline double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024;
}

inline double cpuMilliseconds()
{
    return double(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

#endif
