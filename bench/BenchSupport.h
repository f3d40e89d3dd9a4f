#pragma once

// What every benchmark of the program needs: files written as the game writes
// them, and an application for the windows.
#include <QApplication>
#include <QFile>
#include <QStringList>

#include <memory>

// Writes each line followed by CR LF, bytes as they stand.
inline void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString& line : lines)
        file.write(line.toLatin1() + "\r\n");
}

// The windows need an application; the benchmark library's main brings none.
inline void EnsureApplication() {
    static std::unique_ptr<QApplication> app;
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qe_bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
}
