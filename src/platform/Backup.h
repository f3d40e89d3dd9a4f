#pragma once

#include "platform/Failure.h"

#include <QDateTime>
#include <QString>

// "M-D-YYYY_HhMmSs": numbers without leading zeros, hours 0 to 23
// (9:05:07 on 3 April 2011 gives "4-3-2011_9h5m7s").
QString BackupTimeStamp(const QDateTime& when);

struct BackupResult {
    bool ok = false;
    QString path;           // the file actually written (or tried)
    PendingFailure failure; // when !ok: its number, the system's reason and that no copy was made
};

// Copies `file` to prefix + time stamp + extension, e.g. prefix
// "<ModuleFolder>/troops_" and extension ".txt". The clock is read once. An
// existing file is never overwritten: "_2", "_3", ... go before the extension.
// A copy that fails leaves no half copy behind.
BackupResult CreateTimeStampedBackup(const QString& file, const QString& prefix,
                                     const QString& extension);
