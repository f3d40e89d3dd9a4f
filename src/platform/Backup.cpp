#include "platform/Backup.h"

#include "platform/Clock.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

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
    const QString notMade = QStringLiteral("The backup copy ") + QFileInfo(result.path).fileName() +
                            QStringLiteral(" was not made.");
    QFile source(file);
    if (!source.exists()) {
        result.failure.raise(Err::FileNotFound, notMade);
        return result;
    }
    // Copied by hand rather than by QFile::copy, which tells no reason when a
    // full disk or a file-size limit stops it.
    errno = 0;
    QByteArray bytes;
    if (source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        const int systemError = errno;
        result.failure.raise(
            FailureFromSystemError(systemError, FailureFromFileError(source.error(), file)),
            FailureDetail(systemError, notMade));
        return result;
    }
    QFile copy(result.path);
    errno = 0;
    int systemError = 0;
    // NewOnly: a file that appeared since the name was chosen stays untouched.
    const bool opened = copy.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (!opened || !WriteToDisk(copy, bytes, systemError)) {
        if (!opened)
            systemError = errno;
        const int number = FailureFromFileError(copy.error(), result.path);
        if (opened)
            copy.remove();
        result.failure.raise(
            FailureFromSystemError(systemError, number ? number : Err::PathFileAccess),
            FailureDetail(systemError, notMade));
        return result;
    }
    copy.close();
    copy.setPermissions(source.permissions());
    result.ok = true;
    return result;
}
