#include "platform/Backup.h"

#include "platform/Clock.h"
#include "platform/Failure.h"

#include <QFile>

QString BackupTimeStamp(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1-%2-%3_%4h%5m%6s")
        .arg(d.month())
        .arg(d.day())
        .arg(d.year())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

BackupResult CreateTimeStampedBackup(const QString& file, const QString& prefix,
                                     const QString& extension) {
    BackupResult result;
    const QString base = prefix + BackupTimeStamp(Now());
    result.path = base + extension;
    // Two saves within one second must not destroy the first backup.
    for (int n = 2; QFile::exists(result.path); ++n)
        result.path = base + QStringLiteral("_%1").arg(n) + extension;
    QFile source(file);
    if (!source.exists()) {
        result.failure = Err::FileNotFound;
        return result;
    }
    if (!source.copy(result.path)) {
        result.failure = FailureFromFileError(source.error(), result.path);
        if (result.failure == 0)
            result.failure = Err::PathFileAccess;
        return result;
    }
    result.ok = true;
    return result;
}
