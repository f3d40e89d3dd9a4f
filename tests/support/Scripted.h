#pragma once

#include "platform/MessageBox.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

// Scripts every platform seam for one test: message boxes are answered from a
// queue and logged, modal windows are handed to queued actions (or closed) and
// logged, the clock is fixed, the program folder is a fresh temporary folder,
// and beeps, event pumps and program ends are counted. Nothing ever blocks.
// Create one per test (as a fixture member); its destructor restores the seams.
class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    // Message boxes. Unqueued boxes get Ok (OK boxes) or No (Yes/No boxes, and
    // the test fails, since a question nobody expected was asked).
    void answer(MsgAnswer answer) { m_answers.push_back(answer); }
    std::vector<MessageBoxRequest> boxes;
    // Texts of all boxes shown so far.
    QStringList boxTexts() const;
    // The first lines (failure number and procedure) of the error reports so far.
    QStringList errors() const;

    // Modal windows. Each queued action gets the next modal window; an unqueued
    // window is closed at once. The log holds each window's objectName.
    void onModal(std::function<void(QWidget*)> action) { m_modal.push_back(std::move(action)); }
    QStringList modalWindows;

    // Folder dialog answers (no value: cancelled).
    void answerFolder(std::optional<QString> folder) { m_folders.push_back(folder); }
    QStringList folderDialogStarts;
    QStringList webPages;

    int beeps = 0;
    int eventPumps = 0;
    int programEnds = 0;

    // Fixed at 9:05:07 on 3 April 2011 unless set.
    void setClock(const QDateTime& when) { m_now = when; }

    // The program folder for this test (holds config.ini).
    QString programFolder() const { return m_folder.path(); }

private:
    std::deque<MsgAnswer> m_answers;
    std::deque<std::function<void(QWidget*)>> m_modal;
    std::deque<std::optional<QString>> m_folders;
    QDateTime m_now;
    QTemporaryDir m_folder;
};

// The sample module: compiled text files in sample/module, module-system
// sources in sample/module_system.
inline QString SampleTextModule() {
    return QStringLiteral(QE_SAMPLE_DIR "/module");
}
inline QString SampleModuleSystem() {
    return QStringLiteral(QE_SAMPLE_DIR "/module_system");
}

// A copy of a folder of module files (the sample's text module by default) in a
// fresh temporary folder that tests may change freely.
class ModuleCopy {
public:
    explicit ModuleCopy(const QString& source = SampleTextModule());
    // The copy's folder with a closing separator, as ModuleFolder holds it.
    QString folder() const;
    QString file(const QString& name) const;
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};
