// The process's peak resident memory, and a way to start counting it afresh, so that a child
// process can report what one operation needed apart from preparing its data.
#pragma once

#include <QByteArray>
#include <QFile>

#include <sys/resource.h>

namespace PeakMemory {

// Lowers the recorded peak to what the process holds now (Linux 4.0 and later); false where the
// kernel does not offer it, and the peak then also counts what came before.
inline bool reset()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

// Resident set now, in KiB (0 where unknown).
inline long currentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Peak resident set in KiB: VmHWM, else the whole process's ru_maxrss.
inline long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace PeakMemory
