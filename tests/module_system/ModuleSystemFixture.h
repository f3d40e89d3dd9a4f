#pragma once

#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Tests of the module-system files run on a copy of a folder of source files
// (the bundled sample unless given another) as ModuleSystemDirectory.
class ModuleSystemTest : public ::testing::Test {
protected:
    explicit ModuleSystemTest(const QString& source = SampleModuleSystem()) : copy(source) {
        savedDirectory = ModuleSystemDirectory;
        ModuleSystemDirectory = copy.folder();
    }
    ~ModuleSystemTest() override { ModuleSystemDirectory = savedDirectory; }

    void write(const QString& name, const QByteArray& bytes) { copy.write(name, bytes); }
    QByteArray read(const QString& name) const { return copy.read(name); }
    QStringList files() const { return QDir(copy.folder()).entryList(QDir::Files, QDir::Name); }

    ScriptedPlatform platform;
    ModuleCopy copy;
    QString savedDirectory;
};

inline QString TestDataFolder() {
    return QStringLiteral(QE_TEST_DATA_DIR "/module_system");
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The one box a step showed: its title, icon and text.
inline void ExpectOneBox(const ScriptedPlatform& platform, const QString& title, MsgIcon icon,
                         const QString& text) {
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, title);
    EXPECT_EQ(platform.boxes[0].icon, icon);
    EXPECT_EQ(platform.boxes[0].text, text);
}
