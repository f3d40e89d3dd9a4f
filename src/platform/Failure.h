#pragma once

#include <QFileDevice>

// The failure numbers of the platform the program was designed on. Procedures
// report them through ReportError, which explains some of them to the user, so
// operating-system errors are mapped onto these numbers.
namespace Err {
constexpr int IllegalCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace Err

// The failure a procedure that "goes on past a failing statement" reports at its
// end. The last failure raised is the pending one.
class PendingFailure {
public:
    void clear() { m_number = 0; }
    void raise(int number) { m_number = number; }
    bool pending() const { return m_number != 0; }
    int number() const { return m_number; }

private:
    int m_number = 0;
};

// Maps a Qt file error of an operation on `path` onto the numbers above.
int FailureFromFileError(QFileDevice::FileError error, const QString& path);
