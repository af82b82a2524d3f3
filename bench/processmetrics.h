#pragma once

#include <QtGlobal>

namespace bench {

// Nanoseconds on the machine's monotonic clock, which every process shares,
// so a time taken in one process can be compared with one taken in another.
qint64 monotonicNanoseconds();

// Resident memory of a process (this one when pid is 0), in KiB.
qint64 residentKiB(qint64 pid = 0);

// CPU time a process (this one when pid is 0) has used so far, all its
// threads together, in nanoseconds (the scheduler's own account, far finer
// than clock ticks).
qint64 cpuNanoseconds(qint64 pid = 0);

} // namespace bench
