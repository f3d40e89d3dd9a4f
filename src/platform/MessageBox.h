#pragma once

#include <QString>

#include <functional>

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

// The program's name, the title of boxes that bring none of their own.
QString ApplicationName();

// Every message box of the program goes through here and blocks until answered.
// An empty title becomes ApplicationName().
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString());

// The window system installs the real boxes; tests install scripted answers.
// Returns the handler that was installed before.
using MessageBoxHandler = std::function<MsgAnswer(const MessageBoxRequest&)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
