#include "processusage.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <QFile>

#include <sys/resource.h>
#include <unistd.h>
#endif

namespace ProcessUsage {

#ifdef Q_OS_WIN

double cpuSeconds()
{
    FILETIME created, ended, system, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &system, &user);
    // In units of 100 ns.
    const auto seconds = [](const FILETIME &time) {
        return double(quint64(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e7;
    };
    return seconds(user) + seconds(system);
}

qint64 residentKiB()
{
    PROCESS_MEMORY_COUNTERS counters {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return qint64(counters.WorkingSetSize / 1024);
}

#else

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &time) {
        return double(time.tv_sec) + double(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

qint64 residentKiB()
{
    // The second field of statm: the pages in RAM.
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

#endif

} // namespace ProcessUsage
