#pragma once

// What every benchmark of the program needs: files written as the game writes
// them. The application for the windows is main's (main.cpp).
#include <QFile>
#include <QStringList>

// Writes each line followed by CR LF, bytes as they stand.
inline void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString& line : lines)
        file.write(line.toLatin1() + "\r\n");
}
