#include "platform/MessageBox.h"

#include <cstdio>

namespace {
MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}
} // namespace

QString ApplicationName() {
    return QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor");
}

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    MessageBoxRequest request{text, title.isEmpty() ? ApplicationName() : title, buttons, icon};
    if (handler())
        return handler()(request);
    // No window system (a tool or benchmark): say it on the console and take
    // the cautious answer.
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.text));
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h) {
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}
