#pragma once

#include <QDateTime>
#include <QString>

// "M-D-YYYY_HhMmSs": numbers without leading zeros, hours 0 to 23
// (9:05:07 on 3 April 2011 gives "4-3-2011_9h5m7s").
QString BackupTimeStamp(const QDateTime& when);

struct BackupResult {
    bool ok = false;
    QString path;    // the file actually written (or tried)
    int failure = 0; // failure number when !ok
};

// Copies `file` to prefix + time stamp + extension, e.g. prefix
// "<ModuleFolder>/troops_" and extension ".txt". The clock is read once. An
// existing file is never overwritten: "_2", "_3", ... go before the extension.
BackupResult CreateTimeStampedBackup(const QString& file, const QString& prefix,
                                     const QString& extension);
