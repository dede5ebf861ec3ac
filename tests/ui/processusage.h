#pragma once

#include <QtGlobal>

// What this process has used of the machine, for the tests that check it stays modest. The one
// place where the tests ask the operating system directly.
namespace ProcessUsage {

// The processor time used so far, user and system, in seconds.
double cpuSeconds();

// The memory the process has in RAM, in KiB.
qint64 residentKiB();

} // namespace ProcessUsage
