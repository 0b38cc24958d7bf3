#pragma once

#include <QString>
#include <QtGlobal>

// Who wrote a recovery file. A process id alone is handed to another program
// once its owner is gone, so the process's start time and the machine's boot
// go with it: together they name one process for good.
struct ProcessIdentity {
    qint64 pid = 0;
    quint64 startTime = 0; // clock ticks after boot; 0 when unknown
    QString bootId;

    static ProcessIdentity current();
    // The process running now under `pid`; startTime 0 when there is none.
    static ProcessIdentity running(qint64 pid);
    // Whether this very process still runs.
    bool isRunning() const;

    bool operator==(const ProcessIdentity &other) const
    {
        return pid == other.pid && startTime == other.startTime && bootId == other.bootId;
    }
};
