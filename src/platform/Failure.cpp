#include "platform/Failure.h"

#include <QDir>
#include <QFileInfo>

int FailureFromFileError(QFileDevice::FileError error, const QString& path) {
    switch (error) {
    case QFileDevice::NoError:
        return 0;
    case QFileDevice::ReadError:
        return Err::InputPastEnd;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return Err::DiskFull;
    case QFileDevice::OpenError: {
        const QFileInfo info(path);
        if (!info.absoluteDir().exists())
            return Err::PathNotFound;
        if (!info.exists())
            return Err::FileNotFound;
        return Err::PathFileAccess;
    }
    case QFileDevice::PermissionsError:
        return Err::PermissionDenied;
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError:
        return Err::PathFileAccess;
    default:
        return Err::PathFileAccess;
    }
}
