#include "support/Scripted.h"

#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/System.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

ScriptedPlatform::ScriptedPlatform() : m_now(QDate(2011, 4, 3), QTime(9, 5, 7)) {
    SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        boxes.push_back(request);
        if (!m_answers.empty()) {
            const MsgAnswer a = m_answers.front();
            m_answers.pop_front();
            return a;
        }
        if (request.buttons == MsgButtons::YesNo) {
            ADD_FAILURE() << "Unexpected question: " << request.text.toStdString();
            return MsgAnswer::No;
        }
        return MsgAnswer::Ok;
    });
    SetModalHandler([this](QWidget* window) {
        modalWindows.append(window->objectName());
        if (!m_modal.empty()) {
            auto action = std::move(m_modal.front());
            m_modal.pop_front();
            action(window);
        }
    });
    SetFolderDialogHandler([this](const QString&, const QString& start) -> std::optional<QString> {
        folderDialogStarts.append(start);
        if (m_folders.empty() || !m_folders.front()) {
            if (!m_folders.empty())
                m_folders.pop_front();
            return std::nullopt;
        }
        const QString folder = *m_folders.front();
        m_folders.pop_front();
        return folder;
    });
    SetWebPageHandler([this](const QString& url) { webPages.append(url); });
    SetBeepHandler([this] { ++beeps; });
    SetDoEventsHandler([this] { ++eventPumps; });
    SetEndProgramHandler([this] { ++programEnds; });
    SetClock([this] { return m_now; });
    SetProgramFolder(m_folder.path());
}

ScriptedPlatform::~ScriptedPlatform() {
    SetMessageBoxHandler({});
    SetModalHandler({});
    SetFolderDialogHandler({});
    SetWebPageHandler({});
    SetBeepHandler({});
    SetDoEventsHandler({});
    SetEndProgramHandler({});
    SetClock({});
    SetProgramFolder(QString());
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " queued message box answer(s) were not used";
    if (!m_modal.empty())
        ADD_FAILURE() << m_modal.size() << " queued modal window action(s) were not used";
}

QStringList ScriptedPlatform::boxTexts() const {
    QStringList texts;
    for (const auto& box : boxes)
        texts.append(box.text);
    return texts;
}

QStringList ScriptedPlatform::errors() const {
    QStringList texts;
    for (const auto& box : boxes)
        if (box.title == QStringLiteral("Error..."))
            texts.append(box.text.section(QStringLiteral("\r\n"), 0, 0));
    return texts;
}

ModuleCopy::ModuleCopy(const QString& source) {
    const QDir from(source);
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), m_dir.filePath(name));
    // Copies of read-only sources must be writable for the tests.
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::setPermissions(m_dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadGroup | QFile::ReadOther);
}

QString ModuleCopy::folder() const {
    return m_dir.path() + QStringLiteral("/");
}

QString ModuleCopy::file(const QString& name) const {
    return m_dir.filePath(name);
}

QByteArray ModuleCopy::read(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void ModuleCopy::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
