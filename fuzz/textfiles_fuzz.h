#pragma once

// What the fuzz targets of the text module loaders share: a module folder of
// their own, message boxes answered at once (No to every question), and the
// fuzzer's bytes as one module file.
#include "platform/MessageBox.h"
#include "shell/modMain.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

class FuzzModule {
public:
    explicit FuzzModule(const char* fileName) : m_path(m_dir.filePath(QLatin1String(fileName))) {
        ModuleFolder = m_dir.path() + QLatin1Char('/');
        SetMessageBoxHandler([](const MessageBoxRequest& box) {
            return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        });
    }
    void write(const std::uint8_t* data, std::size_t size) const {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QByteArray read() const {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};
